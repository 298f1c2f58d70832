// The wizard sequencer: a hidden modal dialog (START-WIZARD) whose start
// command runs one wizard: welcome and template choice, compiling, the header
// and save-as pages, one page per parameter with Back and Next, the ready
// page, generating and the completion page.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Runs the sequencer modally; returns when the wizard is over, the quit
// message posted.
void runSequencer(WizardContext& ctx);

}  // namespace qv::wizard
