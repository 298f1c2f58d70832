// One parameter page run on its own, on the scripted backend.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/script/script_run.h"
#include "tests/scenarios/wizard_run.h"
#include "wizard/pages/page_registry.h"

namespace qv::wizard::test {

struct PageRun {
  int exitCode = 0;
  int result = -1;  // what the page ended with
  std::string transcript;
  bool has(std::string_view fragment) const {
    return transcript.find(fragment) != std::string::npos;
  }
};

// Opens the page registered for `resource` on `param` and drives it by `script`.
inline PageRun runPage(std::string_view resource, TemplateParam& param, std::string_view script) {
  WizardState state;
  WizardEnvironment env;
  PageRun run;
  const auto result = ui::script::runScriptText(script, [&](ui::Platform& platform) {
    WizardContext ctx{platform, state, env};
    const PageEntry* page = findPage(resource);
    if (!page) return 99;
    run.result = page->run(ctx, param, *page->dialog);
    return 0;
  });
  run.exitCode = result.exitCode;
  run.transcript = result.transcript;
  return run;
}

inline TemplateParam textParam(int ordinal = 2) {
  TemplateParam p;
  p.kind = ParamKind::Text;
  p.ordinal = ordinal;
  p.question = "What is the value ...";
  return p;
}

inline TemplateParam listParam(std::string labels, std::string values, bool noEdit) {
  TemplateParam p;
  p.kind = ParamKind::List;
  p.ordinal = 2;
  p.question = "Which one ...";
  p.choiceLabels = std::move(labels);
  p.choiceValues = std::move(values);
  p.noEdit = noEdit ? 1 : 0;
  return p;
}

}  // namespace qv::wizard::test
