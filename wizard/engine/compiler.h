// The template compiler: reads the chosen template once and builds the
// ParamList, stopping at the first faulty tag with a report to the user.
#pragma once

#include "platform/ui/ui.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// Compiles state.templatePath into state.paramList, counting lines and noting
// "TODO:". On failure the user has been told why; the caller discards the list.
bool compileTemplate(WizardState& state, ui::Ui& ui);

}  // namespace qv::wizard
