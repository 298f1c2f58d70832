// FILE_EXISTS: the target script given on the command line already exists.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::file_exists;

constexpr std::array kControls{
    ControlTemplate{id::kIcon, ControlKind::Icon, "330", 7, 7, 20, 20},
    ControlTemplate{id::kFound, ControlKind::Static,
                    "The Scripting Wizard has found that a script of the same name already exists.",
                    38, 10, 255, 16},
    ControlTemplate{id::kChoose, ControlKind::Static,
                    "Please indicate how you would like to proceed by choosing an option below ...",
                    38, 32, 255, 16},
    ControlTemplate{id::kCancelWizard, ControlKind::Button, "Cancel the Wizard", 7, 79, 92, 14,
                    cs::kGroup | cs::kTabStop},
    ControlTemplate{id::kOverwrite, ControlKind::Button, "Overwrite the file", 104, 79, 92, 14,
                    cs::kTabStop},
    ControlTemplate{id::kEditExisting, ControlKind::Button, "Edit the Existing Script ", 201, 79,
                    92, 14, cs::kDefault | cs::kTabStop},
};

}  // namespace

// No system menu, so no close box.
constexpr ui::DialogTemplate kFileExists{"FILE_EXISTS",
                                         "Quorvel Scripting Wizard - Please Confirm Action",
                                         300,
                                         100,
                                         frame::kPageStyle,
                                         frame::kFont,
                                         frame::kFontPoints,
                                         kControls};

}  // namespace qv::wizard::res
