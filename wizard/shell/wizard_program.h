// One run of qvscriptwizard: the command line, the question about an existing
// target, the hidden main window and its message loop.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/platform.h"
#include "wizard/shell/environment.h"

namespace qv::wizard {

// `args` are the arguments after the program name: "--save-answers FILE"
// first, if given, then the script. Returns the exit code: 1 when the user
// cancelled at the existing-file question, the main window could not be
// made, the last generation failed or the answers could not be saved (or
// --save-answers has no file), else 0.
int runWizardProgram(ui::Platform& platform, const WizardEnvironment& env,
                     const std::vector<std::string>& args);

}  // namespace qv::wizard
