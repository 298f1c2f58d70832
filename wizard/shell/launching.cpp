#include "wizard/shell/launching.h"

#include <string>

#include "wizard/engine/message_boxes.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard {

bool openInBrowser(const WizardContext& ctx, std::string_view address) {
  const std::string program =
      ctx.launcher().findAssociatedProgram(ctx.env.dataPath(kBrowserProbeFile));
  if (program.empty()) {
    warn(ctx.ui(), texts::kNoBrowser);
    return false;
  }
  // A program path with blanks would otherwise be split at its first blank.
  const bool quote = program.find_first_of(" \t") != std::string::npos;
  std::string commandLine = quote ? "\"" + program + "\"" : program;
  commandLine += ' ';
  commandLine += address;
  return ctx.launcher().startProgram(commandLine, os::WindowState::Normal);
}

bool startProgram(const WizardContext& ctx, std::string_view commandLine) {
  return ctx.launcher().startProgram(commandLine, os::WindowState::Maximised);
}

}  // namespace qv::wizard
