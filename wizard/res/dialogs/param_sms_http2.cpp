// PARAM-SMS-HTTP2: the gateway's URL with its parameters and how its answer
// tells success from failure.
#include "wizard/res/dialogs/grouped_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using namespace grouped;
namespace id = ids::sms_http2;

constexpr auto kControls = pageControls(
    frame::pageIcon("1044"),
    std::array{
        ControlTemplate{id::kUrlLabel, ControlKind::Static,
                        "Use this URL (include full URL & any parameters) ...", 38, 101, 287, 8},
        edit(id::kUrl, 38, 110, 297, 12),
        labelFor(id::kResultCodeLabel, "This HTTP return code indicates success : ", 183, 139),
        edit(id::kResultCode, 183, 139, 54, 12, ui::cs::kNumber),
        labelFor(id::kSuccessLabel, "This text indicates success : ", 183, 154),
        edit(id::kSuccessText, 183, 154, 151, 12),
        labelFor(id::kFailureLabel, "This text indicates failure : ", 183, 169),
        edit(id::kFailureText, 183, 169, 151, 12),
    });

}  // namespace

constexpr ui::DialogTemplate kParamSmsHttp2 = frame::paramPage("PARAM-SMS-HTTP2", kControls);

}  // namespace qv::wizard::res
