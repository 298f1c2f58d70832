// The template compiler: reads the chosen template once and builds the
// ParamList, stopping at the first faulty tag with a report to the user.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "wizard/engine/template_lines.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

// Compiles state.templatePath into state.paramList, counting lines and noting
// "TODO:". On failure the user has been told why; the caller discards the list.
bool compileTemplate(WizardState& state, ui::Ui& ui);

// What a full check of a template finds: every fault the wizard would stop
// at, and the things it would compile without complaint but not as meant.
struct CompileFinding {
  bool error = true;      // else a warning
  std::int32_t line = 0;  // the file's line as an editor counts it
  std::string message;
  std::string tag;  // as the compile report shows it; empty when none is named
};

inline constexpr std::size_t kLongestWholeLine = kTemplateLineCapacity - 2;

// Compiles state.templatePath as compileTemplate does, but goes on after a
// fault (at the next line piece) and tells nothing: every fault and warning is
// added to `findings` in file order. False when the file cannot be read; the
// findings are then not the whole file's.
bool checkTemplate(WizardState& state, std::vector<CompileFinding>& findings);

}  // namespace qv::wizard
