// WORKING: shown, modeless, while the wizard compiles or generates.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::working;

constexpr std::array kControls{
    ControlTemplate{id::kIcon, ControlKind::Icon, "330", 7, 7, 20, 20},
    ControlTemplate{id::kText, ControlKind::Static,
                    "The Wizard is currently working on your request. Please wait ...", 38, 10, 215,
                    16},
    ControlTemplate{id::kProgressText, ControlKind::Static, "Progress ...", 38, 36, 215, 8},
    ControlTemplate{id::kProgressBar, ControlKind::Progress, "", 38, 48, 215, 10, cs::kSmooth},
};

}  // namespace

// Hidden at creation: the sequencer shows it once its progress controls are set.
constexpr ui::DialogTemplate kWorking{
    "WORKING",    "Quorvel Scripting Wizard", 261,      78, frame::kPageStyle | ui::ds::kHidden,
    frame::kFont, frame::kFontPoints,         kControls};

}  // namespace qv::wizard::res
