// PARAM-INFO: how to call the script and what it returns.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// None when the user pressed "Close".
int runParamInfoPage(WizardContext& ctx);

}  // namespace qv::wizard
