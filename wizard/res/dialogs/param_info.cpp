// PARAM-INFO: how to call the script and what it returns.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::param_info;

constexpr std::uint32_t kField =
    cs::kMultiLine | cs::kReadOnly | cs::kVScroll | cs::kAutoVScroll | cs::kTabStop;

constexpr std::array kControls{
    frame::banner(),
    ControlTemplate{ids::kIntro, ControlKind::Static,
                    "The following information shows how to call the script and/or the results "
                    "returned. They should be used when defining the script to the Quorvel "
                    "monitor && are typically used to indicate what will be accessed by ",
                    7, 56, 340, 24},
    ControlTemplate{id::kIntroContinued, ControlKind::Static,
                    "the script && the results that can be returned when it completes ...", 7, 80,
                    340, 8},
    ControlTemplate{id::kParamsIcon, ControlKind::Icon, "1045", 7, 96, 20, 20},
    ControlTemplate{id::kParamsLabel, ControlKind::Static,
                    "These command-line parameters should be passed to the script ...", 38, 96, 300,
                    8},
    ControlTemplate{id::kParams, ControlKind::Edit, "", 38, 108, 309, 90, kField},
    ControlTemplate{id::kResultsIcon, ControlKind::Icon, "137", 7, 204, 20, 20},
    ControlTemplate{id::kResultsLabel, ControlKind::Static,
                    "These values are returned or output from the script ...", 38, 204, 300, 8},
    ControlTemplate{id::kResults, ControlKind::Edit, "", 38, 216, 309, 90, kField},
    ControlTemplate{id::kClose, ControlKind::Button, "Close", 297, 313, 50, 14,
                    cs::kDefault | cs::kTabStop},
};

}  // namespace

constexpr ui::DialogTemplate kParamInfo{
    "PARAM-INFO",       "Quorvel Scripting Wizard - Script Parameters & Results",
    frame::kPageWidth,  334,
    frame::kPageStyle,  frame::kFont,
    frame::kFontPoints, kControls};

}  // namespace qv::wizard::res
