// START-WIZARD as the welcome page: the user picks the template.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Next when a template was chosen into state.templatePath; Quit when the user
// confirmed quitting (the quit message is then posted).
int runWelcomePage(WizardContext& ctx);

}  // namespace qv::wizard
