// SAVEAS: where to write the generated script.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;

constexpr std::array kControls{
    frame::banner(),
    frame::pageIcon("117"),
    ControlTemplate{ids::kIntro, ControlKind::Static,
                    "Where would you like to save the generated file or script, and what would you "
                    "like to call it ? It is recommended that the file be saved locally on the "
                    "server on which it will run.",
                    38, 58, 300, 24},
    ControlTemplate{ids::save_as::kFieldLabel, ControlKind::Static,
                    "Save the generated file to this file/path ...", 38, 100, 287, 8},
    ControlTemplate{ids::save_as::kPath, ControlKind::Edit, "", 38, 112, 270, 12,
                    cs::kAutoHScroll | cs::kTabStop},
    ControlTemplate{ids::kBrowse, ControlKind::Button, "...", 311, 112, 17, 12, cs::kTabStop},
    frame::cancelButton(),
    frame::backButton(cs::kDisabled),
    frame::nextButton(),
};

}  // namespace

constexpr ui::DialogTemplate kSaveAs =
    frame::wizardPage("SAVEAS", "Save File or Script", kControls);

}  // namespace qv::wizard::res
