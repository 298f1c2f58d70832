// COMPLETE: the generated script, with editing and the script information.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::complete;

constexpr std::array kControls{
    frame::banner(),
    frame::pageIcon("118"),
    ControlTemplate{ids::kIntro, ControlKind::Static,
                    "The Wizard has completed successfully. To further edit the script, click the "
                    "\"Edit\" button ...",
                    38, 62, 300, 16},
    ControlTemplate{id::kScript, ControlKind::Edit, "", 7, 85, 340, 218,
                    cs::kMultiLine | cs::kReadOnly | cs::kVScroll | cs::kHScroll |
                        cs::kAutoVScroll | cs::kAutoHScroll | cs::kTabStop},
    ControlTemplate{id::kShowInfo, ControlKind::Button,
                    "Show Calling Parameters && Return Values ...", 7, 313, 160, 14,
                    cs::kGroup | cs::kTabStop},
    ControlTemplate{id::kEdit, ControlKind::Button, "Edit ...", 246, 313, 50, 14, cs::kTabStop},
    ControlTemplate{id::kFinish, ControlKind::Button, "Finish", 297, 313, 50, 14,
                    cs::kDefault | cs::kTabStop},
};

}  // namespace

constexpr ui::DialogTemplate kComplete{"COMPLETE",         "Quorvel Scripting Wizard - Edit Script",
                                       frame::kPageWidth,  334,
                                       frame::kPageStyle,  frame::kFont,
                                       frame::kFontPoints, kControls};

}  // namespace qv::wizard::res
