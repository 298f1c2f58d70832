// qvscriptwizard: turns a script template into a finished script.
#include <string>
#include <vector>

#include "platform/ui/run.h"
#include "wizard/shell/environment.h"
#include "wizard/shell/wizard_program.h"

int main(int argc, char** argv) {
  return qv::ui::runProgram(argc, argv, [](qv::ui::Platform& platform, int count, char** values) {
    const std::vector<std::string> args(values + (count > 0 ? 1 : 0), values + count);
    return qv::wizard::runWizardProgram(platform, qv::wizard::WizardEnvironment::fromSystem(),
                                        args);
  });
}
