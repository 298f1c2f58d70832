#include "wizard/pages/list_choices.h"

#include <string_view>

#include "platform/base/text.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

void fillChoiceList(ui::Dialog& dialog, int id, const TemplateParam& param) {
  dialog.clearItems(id);
  std::string_view rest = param.choiceLabels ? std::string_view(*param.choiceLabels) : "";
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view label = rest.substr(0, comma);
    if (label.empty()) break;
    dialog.addItem(id, cutToCapacity(label, cap::kAnswer));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  dialog.setSelection(id, param.selection == kNoSelection ? 0 : param.selection);
}

}  // namespace qv::wizard
