#include "wizard/shell/welcome_page.h"

#include "platform/base/text.h"
#include "platform/os/paths.h"
#include "platform/os/regular_file.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/engine/messages.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"
#include "wizard/shell/launching.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

class WelcomeProc final : public ui::DialogProc {
 public:
  explicit WelcomeProc(WizardContext& ctx) : ctx_(ctx) {}

  void onInit(ui::Dialog&) override {
    ctx_.state.templateFolder = ctx_.env.dataPath(kTemplateFolderName);
  }

  void onCommand(ui::Dialog& dialog, int id) override {
    switch (id) {
      case ids::kNext:
        chooseTemplate(dialog);
        break;
      case ids::start::kLibrary:
        openInBrowser(ctx_, kScriptingLibraryAddress);
        break;
      case ids::kCancel:
        if (askYesNo(ctx_.ui(), texts::kQuitQuestion)) {
          ctx_.ui().postQuit(0);
          dialog.end(kPageQuit);
        }
        break;
      default:
        break;
    }
  }

 private:
  void chooseTemplate(ui::Dialog& dialog) {
    WizardState& state = ctx_.state;
    ui::OpenFileRequest request;
    request.title = std::string(texts::kTemplateDialogTitle);
    request.filters = {{"Script Templates (*.vbt)", "*.vbt"},
                       {"VBScript Files (*.vbs)", "*.vbs"},
                       {"All Files (*.*)", "*.*"}};
    request.initialName = state.templatePath;
    // Start where the installed templates are, when they are there at all.
    if (os::folderExists(state.templateFolder)) request.initialFolder = state.templateFolder;
    request.bufferCapacity = cap::kPath;
    request.pathMustExist = true;
    if (auto chosen = ctx_.ui().openFile(request)) {
      std::string templatePath = cutToCapacity(*chosen, cap::kPath);
      // A target named on the command line would overwrite this template.
      if (!state.targetPath.empty() && os::sameFile(templatePath, state.targetPath)) {
        warn(ctx_.ui(), msg::kTemplateIsTarget);
        return;
      }
      state.templatePath = std::move(templatePath);
      if (!state.templatePath.empty()) {
        dialog.end(kPageNext);
        return;
      }
    }
    warn(ctx_.ui(), texts::kSelectTemplateHint);
  }

  WizardContext& ctx_;
};

}  // namespace

int runWelcomePage(WizardContext& ctx) {
  WelcomeProc proc(ctx);
  return ctx.ui().runModal(res::kStartWizard, proc);
}

}  // namespace qv::wizard
