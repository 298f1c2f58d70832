// START-WIZARD: the welcome page (the sequencer's hidden dialog uses it too).
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
namespace cs = ui::cs;
namespace id = ids::start;

constexpr std::array kControls{
    frame::banner(),
    frame::pageIcon("330"),
    ControlTemplate{id::kWelcome, ControlKind::Static, "Welcome to the Quorvel Scripting Wizard!",
                    38, 58, 287, 8},
    ControlTemplate{
        id::kAbout, ControlKind::Static,
        "This Wizard allows you to create scripts that can be run by Quorvel monitoring "
        "solutions to perform monitoring, log or send alerts. With this Wizard, you "
        "can easily create different types",
        38, 72, 300, 24},
    ControlTemplate{id::kAboutContinued, ControlKind::Static,
                    "scripts without any coding, or knowledge of scripting or programming. Simply "
                    "answer a few questions and let the Wizard do the rest.",
                    38, 96, 300, 16},
    ControlTemplate{id::kClickNext, ControlKind::Static, "Click 'Next' to ...", 38, 118, 287, 8},
    ControlTemplate{id::kEitherTemplate, ControlKind::Static,
                    "- Either select a template from the template directory && use it to generate "
                    "a script.",
                    48, 130, 290, 8},
    ControlTemplate{id::kOrScript, ControlKind::Static,
                    "- Or select a script && show information on calling parameters && results "
                    "where available.",
                    48, 140, 290, 8},
    ControlTemplate{id::kAlternatively, ControlKind::Static,
                    "Alternatively, you can download other script && template resources from the "
                    "scripting library on-line by selecting the option below.",
                    38, 160, 300, 16},
    ControlTemplate{id::kLibrary, ControlKind::Button, "Access the Quorvel Scripting Library ...",
                    7, 209, 140, 14, cs::kTabStop},
    frame::cancelButton(),
    frame::backButton(cs::kDisabled),
    frame::nextButton(),
};

}  // namespace

constexpr ui::DialogTemplate kStartWizard =
    frame::wizardPage("START-WIZARD", "Welcome to the Quorvel Scripting Wizard", kControls);

}  // namespace qv::wizard::res
