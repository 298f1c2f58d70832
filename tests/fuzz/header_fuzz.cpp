// The header reader on any bytes, on both routes: the template's (with the
// compile summary) and an existing script's. Texts keep their capacities.
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/fuzz_files.h"
#include "tests/fuzz/quiet_ui.h"
#include "wizard/engine/header_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::wizard;
  const std::string path = qv::fuzz::files().write("h.vbt", data, size);
  qv::fuzz::QuietUi ui;
  WizardState templ;
  templ.templatePath = path;
  const auto description = readTemplateHeader(templ, ui);
  WizardState script;
  const bool found = readScriptHeader(script, ui, path);
  if (found != description.has_value()) std::abort();
  for (const WizardState* s : {&templ, &script}) {
    for (const std::string* text : {&s->callingParams, &s->callingExample, &s->scriptResults}) {
      if (text->size() > cap::kHeaderText) std::abort();
    }
  }
  if (templ.callingParams != script.callingParams) std::abort();
  (void)callingParametersText(script);
  (void)resultsText(script);
  return 0;
}
