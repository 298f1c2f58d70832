// FIND_SERVER: the search for the Windows servers of this machine's domain.
#include "wizard/res/dialogs/find_server_layout.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

constexpr auto kControls = find_server::controls(
    "To search for a server in your current domain, click the 'Search' button. Once complete, "
    "you can then select a server from the list displayed ...");

}  // namespace

constexpr ui::DialogTemplate kFindServer =
    find_server::dialog("FIND_SERVER", "Find Your Server", kControls);

}  // namespace qv::wizard::res
