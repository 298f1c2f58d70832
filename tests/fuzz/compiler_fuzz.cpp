// The template compiler on any bytes: it never crashes, tells every failure
// once, and what it builds keeps the list's invariants.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tests/fuzz/fuzz_files.h"
#include "tests/fuzz/quiet_ui.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/param_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::wizard;
  WizardState state;
  state.templatePath = qv::fuzz::files().write("t.vbt", data, size);
  qv::fuzz::QuietUi ui;
  const bool compiled = compileTemplate(state, ui);
  // The check mode finds a fault exactly when the wizard's compile stops at
  // one, and never a line before the first or past the file's last.
  WizardState checked;
  checked.templatePath = state.templatePath;
  std::vector<CompileFinding> findings;
  if (checkTemplate(checked, findings)) {
    const bool faulty = std::any_of(findings.begin(), findings.end(),
                                    [](const CompileFinding& f) { return f.error; });
    if (faulty == compiled) std::abort();
    std::int32_t lines = 1;
    for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n' ? 1 : 0;
    for (const CompileFinding& f : findings) {
      if (f.line < 1 || f.line > lines) std::abort();
    }
  }
  // A failure is always told, once; a success tells nothing.
  if (compiled != (ui.messages + ui.dialogs == 0)) std::abort();
  if (ui.messages + ui.dialogs > 1) std::abort();
  // A failed compile leaves a half-made list for the caller to discard.
  if (!compiled) return 0;
  std::int32_t ordinal = 0;
  for (const TemplateParam* r = state.paramList.head.get(); r; r = r->next.get()) {
    if (r->ordinal != ++ordinal) std::abort();
    if (r->kind == ParamKind::List && (!r->choiceLabels || r->choiceLabels->empty())) std::abort();
    if (r->kind == ParamKind::Option && (!r->choiceLabels || !r->option2Label)) std::abort();
    const bool asks =
        r->kind == ParamKind::Text || r->kind == ParamKind::List || r->kind == ParamKind::Option;
    if (asks && !r->question) std::abort();
  }
  if (ordinal != state.paramCount) std::abort();
  return 0;
}
