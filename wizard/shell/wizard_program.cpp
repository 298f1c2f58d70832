#include "wizard/shell/wizard_program.h"

#include "platform/os/paths.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/engine/wizard_state.h"
#include "wizard/shell/command_line.h"
#include "wizard/shell/file_exists_dialog.h"
#include "wizard/shell/main_window.h"

namespace qv::wizard {
namespace {

constexpr std::string_view kSaveAnswersNeedsFile =
    "--save-answers needs the name of the file to write the answers to.";

}  // namespace

int runWizardProgram(ui::Platform& platform, const WizardEnvironment& env,
                     const std::vector<std::string>& args) {
  ui::Ui& ui = platform.ui();
  WizardState state;
  WizardContext ctx{platform, state, env};

  std::vector<std::string> rest = args;
  if (const std::optional<std::string> answers = takeSaveAnswersOption(rest)) {
    if (answers->empty()) {
      warn(ui, kSaveAnswersNeedsFile);
      return 1;
    }
    state.saveAnswersPath = *answers;
  }
  state.targetPath = targetFromArguments(rest);
  if (!state.targetPath.empty()) {
    removeQuotes(state.targetPath);
    if (os::fileExists(state.targetPath)) {
      switch (askAboutExistingScript(ui)) {
        case ExistingScriptChoice::CancelWizard:
          return 1;
        case ExistingScriptChoice::EditExisting:
          state.editExisting = 1;
          break;
        case ExistingScriptChoice::Overwrite:
          break;  // the target is known, so it is overwritten without asking
      }
    }
  }

  if (!ui.registerWindowClass(kMainWindowClass)) return 1;
  MainWindowProc proc(ctx);
  std::unique_ptr<ui::Window> window = ui.createWindow(kMainWindowClass, kMainWindowTitle, proc);
  if (!window) {
    ui.unregisterWindowClass(kMainWindowClass);
    return 1;
  }
  window->send(kStartMessage, 1, 0);
  ui.runMessageLoop();
  ui.unregisterWindowClass(kMainWindowClass);
  return state.generationFailed || state.answersNotSaved ? 1 : 0;
}

}  // namespace qv::wizard
