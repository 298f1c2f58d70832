#include "wizard/shell/sequencer.h"

#include <string>

#include "wizard/answers/answers_listing.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/res/resources.h"
#include "wizard/shell/complete_page.h"
#include "wizard/shell/header_page.h"
#include "wizard/shell/page_dispatch.h"
#include "wizard/shell/ready_page.h"
#include "wizard/shell/save_as_page.h"
#include "wizard/shell/welcome_page.h"
#include "wizard/shell/working_page.h"

namespace qv::wizard {
namespace {

// Posted to itself on creation; no control of START-WIZARD has this id.
constexpr int kStartCommand = 32001;

class SequencerProc final : public ui::DialogProc {
 public:
  explicit SequencerProc(WizardContext& ctx) : ctx_(ctx) {}

  void onInit(ui::Dialog& self) override { self.postCommand(kStartCommand); }

  void onCommand(ui::Dialog& self, int id) override {
    if (id != kStartCommand) return;  // the welcome page's buttons are not ours
    self.show(false);
    run(self);
    self.end(0);
  }

 private:
  void run(ui::Dialog& self) {
    WizardState& state = ctx_.state;
    ui::Ui& ui = ctx_.ui();
    if (!chooseAndCompile(self)) return;  // the welcome page posted the quit message
    if (runHeaderPage(ctx_) == kPageQuit) return;
    if (state.targetPath.empty() && runSaveAsPage(ctx_) == kPageQuit) return;
    state.pageIndex = 1;
    if (!state.paramList.empty() && !walkPages()) {
      ui.postQuit(0);
      return;
    }
    // A failed generation has been reported and left the target as it was;
    // the ready page comes back with every answer kept, to try again (after
    // freeing disk space, say), go back, or cancel.
    while (!generate(self)) {
      state.generationFailed = true;
      state.pageIndex = state.paramCount + 1;  // past the last page: the ready page
      if (!walkPages()) {
        ui.postQuit(0);
        return;
      }
    }
    state.generationFailed = false;
    if (!state.saveAnswersPath.empty()) saveRunAnswers();
    runCompletePage(ctx_);
    ui.postQuit(0);
  }

  // Welcome page and compile until a template compiles. After a failed
  // compile the user is offered the welcome page again, so that another
  // template can be chosen or the wizard quit: nothing is left on screen that
  // cannot be closed. False when the user quit.
  bool chooseAndCompile(ui::Dialog& self) {
    WizardState& state = ctx_.state;
    for (;;) {
      if (runWelcomePage(ctx_) != kPageNext) return false;
      bool compiled = false;
      {
        WorkingPage working(ctx_, self, WorkingPage::Progress::Hidden);
        compiled = compileTemplate(state, ctx_.ui());
      }
      if (compiled) return true;
      // The reset empties every path; a target named on the command line
      // still stands for the next template.
      std::string target = std::move(state.targetPath);
      state.reset();
      state.releaseParamList();
      state.targetPath = std::move(target);
    }
  }

  // The script is written; answers that cannot be saved are told, and the
  // run ends with exit status 1.
  void saveRunAnswers() {
    WizardState& state = ctx_.state;
    state.answersNotSaved = !saveAnswers(state, state.saveAnswersPath);
    if (state.answersNotSaved) {
      warn(ctx_.ui(), "The answers could not be saved to " + state.saveAnswersPath + " ...");
    }
  }

  bool generate(ui::Dialog& self) {
    WorkingPage working(ctx_, self, WorkingPage::Progress::ForGenerator);
    return generateScript(ctx_.state, ctx_.ui());
  }

  // The parameter pages from state.pageIndex on, and the ready page; true to
  // generate.
  bool walkPages() {
    WizardState& state = ctx_.state;
    for (;;) {
      const int result = showPageAt(ctx_, state.pageIndex);
      if (result == kPageQuit || result == kPageAbort) return false;
      if (result == kPageBack) {
        --state.pageIndex;
        continue;
      }
      if (result == kPageNext) {
        ++state.pageIndex;
        continue;
      }
      const int ready = runReadyPage(ctx_);
      if (ready == kPageBack) {
        --state.pageIndex;
        continue;
      }
      // Anything but Next or Back is the cancel, or a quit message that ended
      // the page; walking on would meet it again on every page.
      return ready == kPageNext;
    }
  }

  WizardContext& ctx_;
};

}  // namespace

void runSequencer(WizardContext& ctx) {
  SequencerProc proc(ctx);
  ctx.ui().runModal(res::kStartWizard, proc);
}

}  // namespace qv::wizard
