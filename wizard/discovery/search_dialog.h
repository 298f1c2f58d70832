// The dialog protocol that FIND_SERVER and FIND_EMAILSERVER share: the hint
// line on opening, "Search" runs the search, OK hands the chosen line back
// through state.selectedServerName, Cancel hands back nothing.
#pragma once

#include <functional>

#include "platform/ui/dialog_template.h"
#include "wizard/discovery/search_lines.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Fills the dialog's list (by id) and status line; returns the number of
// servers added.
using ServerSearch = std::function<int(ui::Dialog&, int listId, int statusId)>;

// Runs `tpl` modally; returns 0 after OK, 1 after Cancel (or Escape).
int runServerSearchDialog(WizardContext& ctx, const ui::DialogTemplate& tpl,
                          const SearchLines& lines, ServerSearch search);

}  // namespace qv::wizard
