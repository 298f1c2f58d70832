// READY: the last confirmation before the script is generated.
#include "wizard/res/dialogs/page_frame.h"
#include "wizard/res/resources.h"

namespace qv::wizard::res {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr std::array kControls{
    frame::banner(),
    frame::pageIcon("330"),
    ControlTemplate{ids::kIntro, ControlKind::Static,
                    "The Wizard now has enough information to generate the file or script.", 38, 62,
                    300, 16},
    ControlTemplate{
        ids::kReadyContinue, ControlKind::Static,
        "To continue, click \"Next\" below, or click \"Back\" to review the information "
        "entered ...",
        38, 82, 300, 16},
    frame::cancelButton(),
    frame::backButton(),
    frame::nextButton(),
};

}  // namespace

constexpr ui::DialogTemplate kReady =
    frame::wizardPage("READY", "Quorvel Scripting Wizard - Ready to Generate Script", kControls);

}  // namespace qv::wizard::res
