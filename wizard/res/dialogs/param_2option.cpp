// PARAM-2OPTION: one of two options.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr auto kControls = frame::paramPageControls(
    "114", frame::questionLabel("Please choose one of the options below ..."),
    std::array{
        ControlTemplate{ids::kOption1, ControlKind::Radio, "Option 1", 50, 111, 270, 10,
                        cs::kGroup | cs::kTabStop},
        ControlTemplate{ids::kOption2, ControlKind::Radio, "Option 2", 50, 123, 270, 10},
    },
    frame::helpLabel("Help on the options ...", 148, 55));

}  // namespace

constexpr ui::DialogTemplate kParam2Option = frame::paramPage("PARAM-2OPTION", kControls);

}  // namespace qv::wizard::res
