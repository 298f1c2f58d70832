// What every page of a wizard run works with: the platform's services, the
// run's state and where the program lives.
#pragma once

#include "platform/ui/platform.h"
#include "wizard/engine/wizard_state.h"
#include "wizard/shell/environment.h"

namespace qv::wizard {

struct WizardContext {
  ui::Platform& platform;
  WizardState& state;
  const WizardEnvironment& env;

  ui::Ui& ui() const { return platform.ui(); }
  os::Launcher& launcher() const { return platform.launcher(); }
};

}  // namespace qv::wizard
