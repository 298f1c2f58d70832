#include "wizard/shell/main_window.h"

#include "wizard/engine/header_reader.h"
#include "wizard/shell/complete_page.h"
#include "wizard/shell/sequencer.h"

namespace qv::wizard {

long MainWindowProc::onMessage(ui::Window&, unsigned message, std::uintptr_t wparam,
                               std::intptr_t) {
  switch (message) {
    case ui::kWmDestroy:
      ctx_.ui().postQuit(0);
      return 0;
    case ui::kWmQueryOpen:
      return 0;  // the window stays minimised and hidden
    case kStartMessage:
      if (wparam == 1) runWizard();
      return 0;
    default:
      return 0;
  }
}

void MainWindowProc::runWizard() {
  if (ctx_.state.editExisting == 1) {
    readScriptHeader(ctx_.state, ctx_.ui(), ctx_.state.targetPath);
    runCompletePage(ctx_);
  } else {
    runSequencer(ctx_);
  }
  ctx_.ui().postQuit(0);
}

}  // namespace qv::wizard
