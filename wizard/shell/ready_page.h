// READY: the last confirmation before generating.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Next, Back, or Quit when the user confirmed cancelling (the caller posts
// the quit message).
int runReadyPage(WizardContext& ctx);

}  // namespace qv::wizard
