#include "wizard/shell/header_page.h"

#include "wizard/engine/header_reader.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/res/resources.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {
namespace {

class HeaderProc final : public ui::DialogProc {
 public:
  explicit HeaderProc(WizardContext& ctx) : ctx_(ctx) {}

  void onInit(ui::Dialog& dialog) override {
    // A template without a readable header leaves the field empty.
    if (auto text = readTemplateHeader(ctx_.state, ctx_.ui())) {
      dialog.setText(ids::kHeaderText, *text);
    }
  }

  void onCommand(ui::Dialog& dialog, int id) override {
    switch (id) {
      case ids::kNext:
        dialog.end(kPageNext);
        break;
      case ids::kBack:
        dialog.end(kPageBack);
        break;
      case ids::kCancel:
        if (askYesNo(ctx_.ui(), texts::kCancelQuestion)) {
          ctx_.ui().postQuit(0);
          dialog.end(kPageQuit);
        }
        break;
      default:
        break;
    }
  }

 private:
  WizardContext& ctx_;
};

}  // namespace

int runHeaderPage(WizardContext& ctx) {
  HeaderProc proc(ctx);
  return ctx.ui().runModal(res::kHeaderInfo, proc);
}

}  // namespace qv::wizard
