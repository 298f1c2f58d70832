// qvscriptwizard: turns a script template into a finished script.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/base/standard_options.h"
#include "platform/ui/run.h"
#include "wizard/shell/command_line.h"
#include "wizard/shell/environment.h"
#include "wizard/shell/wizard_program.h"

namespace {

constexpr std::string_view kHelp =
    "Usage: qvscriptwizard [--save-answers FILE] [SCRIPT]\n"
    "       qvscriptwizard --help | --version\n"
    "Turns a script template into a finished monitoring or alert script, asking for\n"
    "each value on a page of its own. SCRIPT is the script to write; without it the\n"
    "wizard asks. A script whose name begins with \"--\" is given as ./--NAME.\n"
    "\n"
    "  --save-answers FILE  also write the run's answers to FILE, for qvscript render\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Environment: QV_UI (gtk or script), QV_UI_SCRIPT, QV_UI_TRANSCRIPT, XDG_DATA_DIRS.\n"
    "See qvscriptwizard(1).\n";

}  // namespace

int main(int argc, char** argv) {
  // --save-answers is the wizard's own option; every other "--" argument
  // is a standard one or a mistake.
  const bool savesAnswers = argc > 1 && argv[1] == qv::wizard::kSaveAnswersOption;
  if (savesAnswers && argc < 3) {
    std::fprintf(stderr,
                 "qvscriptwizard: --save-answers needs a file\n"
                 "Try 'qvscriptwizard --help' for more information.\n");
    return qv::kExitUsage;
  }
  if (const auto answered = savesAnswers
                                ? std::nullopt
                                : qv::answerStandardOption(argc, argv, "qvscriptwizard", kHelp)) {
    return *answered;
  }
  return qv::ui::runProgram(argc, argv, [](qv::ui::Platform& platform, int count, char** values) {
    const std::vector<std::string> args(values + (count > 0 ? 1 : 0), values + count);
    return qv::wizard::runWizardProgram(platform, qv::wizard::WizardEnvironment::fromSystem(),
                                        args);
  });
}
