#include "wizard/pages/list_noedit_page.h"

#include "wizard/pages/list_choices.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {

void ListNoEditPage::fill(ui::Dialog& dialog) {
  showQuestionAndHelp(dialog);
  fillChoiceList(dialog, ids::kListChoice, param());
}

bool ListNoEditPage::accept(ui::Dialog& dialog) {
  const int chosen = dialog.selection(ids::kListChoice);
  if (chosen < 0) return refuse(texts::kInformationMissing);
  param().selection = chosen;
  return true;
}

}  // namespace qv::wizard
