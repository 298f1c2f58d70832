// A template's check as qvscript check prints it, shared by the commands
// that need a template that compiles.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/wizard_state.h"

namespace qv::cli {

struct TemplateReport {
  bool readable = false;
  std::vector<wizard::CompileFinding> errors;
  std::vector<wizard::CompileFinding> warnings;
};

// Compiles state.templatePath with every fault, and adds the header's warnings.
TemplateReport checkTemplateFile(wizard::WizardState& state);

// Prints the report as FILE:LINE: error|warning: MESSAGE[: TAG]; with
// `werror` warnings are printed and counted as errors. Returns the status.
int printReport(const std::string& file, const TemplateReport& report, bool werror,
                std::ostream& out);

// Compiles for a command that goes on with the list: the report goes to
// `err` only when there are errors. kExitOk when the template compiled.
int compileForUse(wizard::WizardState& state, const std::string& file, std::ostream& err);

}  // namespace qv::cli
