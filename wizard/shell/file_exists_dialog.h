// FILE_EXISTS: what to do with a target script that already exists.
#pragma once

#include "platform/ui/ui.h"

namespace qv::wizard {

enum class ExistingScriptChoice : int {
  CancelWizard = 1,
  EditExisting = 3,
  Overwrite = 5,
};

ExistingScriptChoice askAboutExistingScript(ui::Ui& ui);

}  // namespace qv::wizard
