#include "wizard/pages/param_page.h"

#include "platform/base/text.h"
#include "wizard/engine/message_boxes.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {

void ParamPage::onInit(ui::Dialog& dialog) {
  fill(dialog);
  dialog.enable(ids::kBack, param_.ordinal != 1);
}

void ParamPage::onCommand(ui::Dialog& dialog, int id) {
  switch (id) {
    case ids::kNext:
    case ids::kBack:
      if (accept(dialog)) dialog.end(id == ids::kNext ? kPageNext : kPageBack);
      break;
    case ids::kCancel:
      if (askYesNo(ctx_.ui(), texts::kCancelQuestion)) dialog.end(kPageQuit);
      break;
    default:
      onPageCommand(dialog, id);
      break;
  }
}

void ParamPage::showQuestionAndHelp(ui::Dialog& dialog) const {
  dialog.setText(ids::kQuestion, param_.question.value_or(""));
  dialog.setText(ids::kHelp, param_.help.value_or(""));
}

bool ParamPage::refuse(std::string_view message) const {
  warn(ctx_.ui(), message);
  return false;
}

std::string ParamPage::readText(const ui::Dialog& dialog, int id, std::size_t capacity) {
  return dialog.text(id, capacity);
}

std::int32_t ParamPage::readNumber(const ui::Dialog& dialog, int id, std::size_t capacity) {
  return atolText(dialog.text(id, capacity));
}

}  // namespace qv::wizard
