// PARAM-SMS-API: the API ID that the SMS gateway provider allocated.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;

constexpr auto kControls = frame::paramPageControls(
    "114", frame::questionLabel("Please enter your API ID ..."),
    std::array{edit(ids::sms_api::kApiId, 37, 100, 285, 12, ui::cs::kNumber)},
    frame::helpLabel("This is your installation ID and will have been given to you by your "
                     "service provider. If you do not have this ID, please contact your gateway "
                     "provider.",
                     125, 40));

}  // namespace

constexpr ui::DialogTemplate kParamSmsApi = frame::paramPage("PARAM-SMS-API", kControls);

}  // namespace qv::wizard::res
