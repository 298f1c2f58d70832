#include "wizard/shell/ready_page.h"

#include "wizard/engine/message_boxes.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

class ReadyProc final : public ui::DialogProc {
 public:
  explicit ReadyProc(ui::Ui& ui) : ui_(ui) {}

  void onCommand(ui::Dialog& dialog, int id) override {
    switch (id) {
      case ids::kNext:
        dialog.end(kPageNext);
        break;
      case ids::kBack:
        dialog.end(kPageBack);
        break;
      case ids::kCancel:
        if (askYesNo(ui_, texts::kCancelQuestion)) dialog.end(kPageQuit);
        break;
      default:
        break;
    }
  }

 private:
  ui::Ui& ui_;
};

}  // namespace

int runReadyPage(WizardContext& ctx) {
  ReadyProc proc(ctx.ui());
  return ctx.ui().runModal(res::kReady, proc);
}

}  // namespace qv::wizard
