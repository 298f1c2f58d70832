// HEADER-INFO: the chosen template's description and compile summary.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Next; Quit when the user confirmed cancelling (the quit message is then posted).
int runHeaderPage(WizardContext& ctx);

}  // namespace qv::wizard
