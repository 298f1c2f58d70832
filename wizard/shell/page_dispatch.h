// The dispatcher: opens the page of the parameter at a position.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// The page's result for the record at the 1-based position (1 or less: the
// first); EndOfPages past the last record; None for a kind without a page.
int showPageAt(WizardContext& ctx, int position);

}  // namespace qv::wizard
