// PARAM-SERVER: the name or address of a server the script connects to.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;

constexpr auto kControls = frame::paramPageControls(
    "122", frame::questionLabel("Please enter the server you wish to access ..."),
    std::array{edit(ids::server::kServer, 38, 100, 289, 12), searchButton(330, 100)},
    frame::helpLabel("This is the name or IP address of the server which the script will "
                     "connect to in order to perform its logic. ",
                     132, 40));

}  // namespace

constexpr ui::DialogTemplate kParamServer = frame::paramPage("PARAM-SERVER", kControls);

}  // namespace qv::wizard::res
