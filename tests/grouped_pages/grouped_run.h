// The grouped pages run on their own on the scripted backend, over one
// WizardState that outlives each visit, so a later visit sees what an earlier
// one stored.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/os/odbc_sources.h"
#include "platform/ui/script/script_run.h"
#include "tests/scenarios/wizard_run.h"
#include "wizard/pages/odbc_page.h"
#include "wizard/pages/page_registry.h"

namespace qv::wizard::test {

struct Visit {
  int exitCode = 0;
  int result = -1;  // what the page ended with
  std::string transcript;
  bool has(std::string_view fragment) const {
    return transcript.find(fragment) != std::string::npos;
  }
  int count(std::string_view fragment) const {
    int n = 0;
    for (std::size_t at = transcript.find(fragment); at != std::string::npos;
         at = transcript.find(fragment, at + 1)) {
      ++n;
    }
    return n;
  }
};

// A warning or a question as the transcript writes it.
inline std::string warning(std::string_view text) {
  return messageEvent(text) + ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\"";
}
inline std::string question(std::string_view text, std::string_view answer) {
  return messageEvent(text) +
         ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"question\",\"buttons\":\"yesno\","
         "\"answer\":\"" +
         std::string(answer) + "\"";
}
// The entries of a page's list and the one selected (each page has one list).
inline std::string listState(std::string_view itemsJson, int selected) {
  return "\"items\":" + std::string(itemsJson) + ",\"selected\":" + std::to_string(selected);
}

// Cancels the page for good: Escape, then Yes.
inline constexpr std::string_view kLeave = "key escape\nanswer yes\n";

class GroupedPages : public ::testing::Test {
 protected:
  GroupedPages() {
    param.ordinal = 2;
    param.kind = ParamKind::None;
  }

  Visit visit(std::string_view resource, std::string_view script,
              ui::script::ScriptSettings settings = {}) {
    return run(script, std::move(settings), [&](WizardContext& ctx) {
      const PageEntry* page = findPage(resource);
      if (!page) return 99;
      return page->run(ctx, param, *page->dialog);
    });
  }

  // PARAM-ODBC on a listing of our choosing.
  Visit visitOdbc(os::OdbcSources& sources, std::string_view script,
                  ui::script::ScriptSettings settings = {}) {
    return run(script, std::move(settings), [&](WizardContext& ctx) {
      const PageEntry* page = findPage("PARAM-ODBC");
      if (!page) return 99;
      OdbcPage odbc(ctx, param, sources);
      return ctx.ui().runModal(*page->dialog, odbc);
    });
  }

  WizardState state;
  WizardEnvironment env;
  TemplateParam param;

 private:
  template <class Open>
  Visit run(std::string_view script, ui::script::ScriptSettings settings, Open open) {
    Visit v;
    const auto result = ui::script::runScriptText(
        script,
        [&](ui::Platform& platform) {
          WizardContext ctx{platform, state, env};
          v.result = open(ctx);
          return 0;
        },
        std::move(settings));
    v.exitCode = result.exitCode;
    v.transcript = result.transcript;
    return v;
  }
};

// Fails the test with the transcript when the run itself failed.
#define ASSERT_VISIT_RAN(v) ASSERT_EQ((v).exitCode, 0) << (v).transcript

}  // namespace qv::wizard::test
