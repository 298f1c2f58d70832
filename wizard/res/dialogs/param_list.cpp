// PARAM-LIST: a choice from a list, or a text typed into its edit field.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "114", frame::questionLabel("Please choose or enter a value ...", 90),
    std::array{
        ControlTemplate{ids::kListChoice, ControlKind::Combo, "", 37, 99, 285, 80,
                        cs::kDropDownEdit | cs::kVScroll | cs::kTabStop},
    },
    frame::helpLabel("Help on the value requested ...", 132, 70));

}  // namespace

constexpr ui::DialogTemplate kParamList = frame::paramPage("PARAM-LIST", kControls);

}  // namespace qv::wizard::res
