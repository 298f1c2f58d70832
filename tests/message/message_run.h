// The message page and the expression builder run on their own, on the
// scripted backend, with a wizard state the test keeps.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/pages/page_run.h"
#include "wizard/message/expression_builder.h"
#include "wizard/res/resources.h"

namespace qv::wizard::test {

// Page ids.
inline constexpr int kTitle = 1911;
inline constexpr int kTitleBuilder = 3;
inline constexpr int kText = 1913;
inline constexpr int kTextBuilder = 1914;
// Builder ids.
inline constexpr int kBuilderText = 1907;
inline constexpr int kCatalogue = 1914;
inline constexpr int kInsert = 1915;
inline constexpr int kUseDefault = 1918;

inline TemplateParam messageParam(int ordinal = 2) {
  TemplateParam p;
  p.kind = ParamKind::Message;
  p.ordinal = ordinal;
  return p;
}

// Opens PARAM-MESSAGE through the page registry on `state`.
inline PageRun runMessagePage(WizardState& state, std::string_view script, int ordinal = 2) {
  WizardEnvironment env;
  TemplateParam param = messageParam(ordinal);
  PageRun run;
  const auto result = ui::script::runScriptText(script, [&](ui::Platform& platform) {
    WizardContext ctx{platform, state, env};
    const PageEntry* page = findPage("PARAM-MESSAGE");
    if (!page) return 99;
    run.result = page->run(ctx, param, *page->dialog);
    return 0;
  });
  run.exitCode = result.exitCode;
  run.transcript = result.transcript;
  return run;
}

// Opens MSG-BUILDER on `request`; the run's result is the dialog's.
inline PageRun runBuilder(BuilderRequest& request, std::string_view script) {
  PageRun run;
  const auto result = ui::script::runScriptText(script, [&](ui::Platform& platform) {
    ExpressionBuilder builder(request);
    run.result = platform.ui().runModal(res::kMsgBuilder, builder);
    return 0;
  });
  run.exitCode = result.exitCode;
  run.transcript = result.transcript;
  return run;
}

// How often `fragment` occurs in a transcript.
inline int countOf(const std::string& transcript, std::string_view fragment) {
  int n = 0;
  for (std::size_t at = transcript.find(fragment); at != std::string::npos;
       at = transcript.find(fragment, at + 1)) {
    ++n;
  }
  return n;
}

// The entries of a list or combo box in the first "open" event that has it.
inline std::vector<std::string> listItems(const std::string& transcript, int id) {
  std::vector<std::string> items;
  const std::size_t at = transcript.find("{\"id\":" + std::to_string(id) + ",\"kind\":\"combo\"");
  if (at == std::string::npos) return items;
  const std::size_t open = transcript.find("\"items\":[", at);
  const std::size_t close = transcript.find(']', open);
  if (open == std::string::npos || close == std::string::npos) return items;
  std::string_view list(transcript.data() + open + 9, close - open - 9);
  // Entries are JSON strings without quotes or brackets inside.
  while (!list.empty()) {
    const std::size_t end = list.find('"', 1);
    items.emplace_back(list.substr(1, end - 1));
    list.remove_prefix(std::min(list.size(), end + 2));
  }
  return items;
}

}  // namespace qv::wizard::test
