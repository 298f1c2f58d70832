// SAVEAS: where the generated script goes.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// None when a writable file was accepted into state.targetPath (created empty
// when it did not exist); Quit when the user confirmed quitting (the quit
// message is then posted).
int runSaveAsPage(WizardContext& ctx);

}  // namespace qv::wizard
