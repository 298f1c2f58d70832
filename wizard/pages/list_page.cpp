#include "wizard/pages/list_page.h"

#include "wizard/pages/list_choices.h"
#include "wizard/res/dialogs/control_ids.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {

void ListPage::fill(ui::Dialog& dialog) {
  showQuestionAndHelp(dialog);
  fillChoiceList(dialog, ids::kListChoice, param());
}

bool ListPage::accept(ui::Dialog& dialog) {
  std::string text = readText(dialog, ids::kListChoice);
  if (text.empty()) return refuse(texts::kInformationMissing);
  param().answer = std::move(text);
  return true;
}

}  // namespace qv::wizard
