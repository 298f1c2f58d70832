#include "wizard/shell/working_page.h"

#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"

namespace qv::wizard {

namespace id = ids::working;

void WorkingPage::Proc::onInit(ui::Dialog& dialog) {
  state_.workingPage = &dialog;
  dialog.setProgressRange(id::kProgressBar, 0, 100);
  dialog.bringToFront();
}

WorkingPage::WorkingPage(WizardContext& ctx, ui::Dialog& owner, Progress progress)
    : state_(ctx.state), proc_(ctx.state) {
  dialog_ = ctx.ui().openModeless(res::kWorking, proc_, &owner);
  if (!dialog_) return;  // the work goes on without it
  dialog_->show(true);
  if (progress == Progress::Hidden) {
    dialog_->showControl(id::kProgressText, false);
    dialog_->showControl(id::kProgressBar, false);
  }
  dialog_->repaint();
}

WorkingPage::~WorkingPage() {
  state_.workingPage = nullptr;
  dialog_.reset();
}

}  // namespace qv::wizard
