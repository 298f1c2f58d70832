#include "wizard/pages/option_page.h"

#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard {

void OptionPage::fill(ui::Dialog& dialog) {
  const TemplateParam& p = param();
  showQuestionAndHelp(dialog);
  dialog.setText(ids::kOption1, p.choiceLabels.value_or(""));
  dialog.setText(ids::kOption2, p.option2Label.value_or(""));
  const bool first = p.selection == 1 || p.selection == kNoSelection;
  dialog.setChecked(ids::kOption1, first);
  dialog.setChecked(ids::kOption2, !first);
}

bool OptionPage::accept(ui::Dialog& dialog) {
  param().selection = dialog.isChecked(ids::kOption1) ? 1 : 2;
  return true;
}

}  // namespace qv::wizard
