// FIND_EMAILSERVER: the search for the SMTP servers among this machine's
// domain's servers.
#include "wizard/res/dialogs/find_server_layout.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

constexpr auto kControls = find_server::controls(
    "If your outgoing e-mail server is running on Windows, you can search for it below. To do "
    "this, click the 'Search' button. Once complete, you can then select a server from the list "
    "displayed ...");

}  // namespace

constexpr ui::DialogTemplate kFindEmailServer =
    find_server::dialog("FIND_EMAILSERVER", "Find Your E-mail (SMTP) Server", kControls);

}  // namespace qv::wizard::res
