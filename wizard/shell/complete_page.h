// COMPLETE: the generated (or existing) script, editing in the text editor,
// and the script information page.
#pragma once

#include <string>
#include <string_view>

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// Quit when the user pressed "Finish".
int runCompletePage(WizardContext& ctx);

// The script's bytes as the multi-line field shows them: up to the first NUL,
// every line break as CR LF.
std::string scriptFieldText(std::string_view bytes);

}  // namespace qv::wizard
