// Compiles a template and generates its script with every answer empty:
// the engine's whole work on a file, for timing beside other tools.
//   qv-engine-run TEMPLATE TARGET
#include <cstdio>
#include <string>

#include "platform/ui/script/script_run.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: qv-engine-run TEMPLATE TARGET\n");
    return 2;
  }
  qv::wizard::WizardState state;
  state.templatePath = argv[1];
  state.targetPath = argv[2];
  qv::ui::script::ScriptSettings settings;
  return qv::ui::script::runScripted(settings, nullptr, [&](qv::ui::Platform& platform) {
    qv::ui::Ui& ui = platform.ui();
    return qv::wizard::compileTemplate(state, ui) && qv::wizard::generateScript(state, ui) ? 0 : 1;
  });
}
