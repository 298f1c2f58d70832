// Writing a rendered script through the wizard's own generator.
#pragma once

#include <ostream>
#include <string>

#include "wizard/answers/form_ui.h"
#include "wizard/engine/wizard_state.h"

namespace qv::cli {

// Generates the script into `target` as the wizard does; the messages it
// would show are printed against `shownAs`. False when nothing was written.
bool generateInto(wizard::WizardState& state, wizard::FormPlatform& platform,
                  const std::string& target, const std::string& shownAs, std::ostream& err);

}  // namespace qv::cli
