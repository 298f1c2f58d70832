// The script generator: writes the target script, every tag replaced by its
// answer, showing progress on the working page when one is open.
#pragma once

#include "platform/ui/ui.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// Control ids of the working page that the generator updates.
inline constexpr int kWorkingProgressText = 1046;
inline constexpr int kWorkingProgressBar = 1045;

bool generateScript(WizardState& state, ui::Ui& ui);

}  // namespace qv::wizard
