// PARAM-TEXT: a free-text answer.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "114", frame::questionLabel("Please enter the value requested ..."),
    std::array{
        // No WantReturn: Enter presses "Next ->".
        ControlTemplate{ids::kTextAnswer, ControlKind::Edit, "", 37, 100, 285, 42,
                        cs::kMultiLine | cs::kAutoVScroll | cs::kVScroll | cs::kTabStop},
    },
    frame::helpLabel("Help on the value requested ...", 148, 55));

}  // namespace

constexpr ui::DialogTemplate kParamText = frame::paramPage("PARAM-TEXT", kControls);

}  // namespace qv::wizard::res
