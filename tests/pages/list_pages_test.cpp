// PARAM-LIST, PARAM-LIST-NOEDIT and PARAM-2OPTION on their own.
#include <gtest/gtest.h>

#include "tests/pages/page_run.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kCancel = "key escape\nanswer yes\n";

std::string items(std::initializer_list<std::string_view> entries, int selected) {
  std::string s = "\"items\":[";
  bool first = true;
  for (std::string_view e : entries) {
    if (!first) s += ',';
    s += json(e);
    first = false;
  }
  return s + "],\"selected\":" + std::to_string(selected);
}

TEST(ListPages, ChoosingAndTypingStoreWhatTheScriptReceives) {
  struct Case {
    const char* name;
    bool noEdit;
    std::string action;
    std::optional<std::string> answer;
    int selection;
  };
  const Case cases[] = {
      {"label chosen on PARAM-LIST", false, "select 1013 1", "Green", kNoSelection},
      {"text typed on PARAM-LIST", false, "set 1013 Blue", "Blue", kNoSelection},
      {"entry chosen on PARAM-LIST-NOEDIT", true, "select 1013 1", std::nullopt, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TemplateParam p = listParam("Red,Green", "1,2", c.noEdit);
    const std::string dialog = c.noEdit ? "PARAM-LIST-NOEDIT" : "PARAM-LIST";
    const PageRun run = runPage(dialog, p, "dialog " + dialog + "\n" + c.action + "\nclick 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(run.result, kPageNext);
    EXPECT_EQ(p.answer, c.answer);
    EXPECT_EQ(p.selection, c.selection);
  }
}

TEST(ListPages, NothingChosenOrTypedIsRefused) {
  struct Case {
    std::string dialog;
    std::string action;
  };
  const Case cases[] = {{"PARAM-LIST", "set 1013"}, {"PARAM-LIST-NOEDIT", "select 1013 -1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    TemplateParam p = listParam("Red,Green", "1,2", c.dialog == "PARAM-LIST-NOEDIT");
    const PageRun run = runPage(c.dialog, p,
                                "dialog " + c.dialog + "\n" + c.action +
                                    "\nclick 1034\nanswer ok\nselect 1013 0\nclick 1034\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(messageEvent(texts::kInformationMissing)));
    EXPECT_EQ(run.result, kPageBack);
  }
}

TEST(ListPages, ListsTheLabelsUpToTheFirstEmptyOne) {
  TemplateParam p = listParam("A,B,,C", "1,2,,3", true);
  const PageRun run =
      runPage("PARAM-LIST-NOEDIT", p, "dialog PARAM-LIST-NOEDIT\n" + std::string(kCancel));
  EXPECT_TRUE(run.has(items({"A", "B"}, 0))) << run.transcript;
}

TEST(ListPages, OnlyTheNoEditPageShowsTheEarlierChoice) {
  // PARAM-LIST stores a text, never a selection, so it opens on its first entry.
  TemplateParam typed = listParam("Red,Green", "1,2", false);
  typed.answer = "Blue";
  PageRun run = runPage("PARAM-LIST", typed, "dialog PARAM-LIST\n" + std::string(kCancel));
  EXPECT_TRUE(run.has(control(1013, "combo", "Red") + ",\"enabled\":true,\"visible\":true," +
                      items({"Red", "Green"}, 0)))
      << run.transcript;

  TemplateParam chosen = listParam("Red,Green", "1,2", true);
  chosen.selection = 1;
  run = runPage("PARAM-LIST-NOEDIT", chosen, "dialog PARAM-LIST-NOEDIT\n" + std::string(kCancel));
  EXPECT_TRUE(run.has(items({"Red", "Green"}, 1))) << run.transcript;
}

TEST(OptionPage, ChecksTheFirstOptionUntilTheSecondWasChosen) {
  struct Case {
    int selection;
    bool firstChecked;
  };
  const Case cases[] = {{kNoSelection, true}, {1, true}, {2, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selection);
    TemplateParam p;
    p.kind = ParamKind::Option;
    p.ordinal = 1;
    p.question = "Log it ...";
    p.choiceLabels = "Yes";
    p.choiceValues = "True";
    p.option2Label = "No";
    p.option2Value = "False";
    p.selection = c.selection;
    const PageRun run =
        runPage("PARAM-2OPTION", p, "dialog PARAM-2OPTION\n" + std::string(kCancel));
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    const std::string first = c.firstChecked ? "true" : "false";
    const std::string second = c.firstChecked ? "false" : "true";
    EXPECT_TRUE(run.has(control(1001, "radio", "Yes") +
                        ",\"enabled\":true,\"visible\":true,\"checked\":" + first));
    EXPECT_TRUE(run.has(control(1002, "radio", "No") +
                        ",\"enabled\":true,\"visible\":true,\"checked\":" + second));
  }
}

TEST(OptionPage, StoresTheCheckedOptionOnNextAndBack) {
  struct Case {
    std::string actions;
    int selection;
    int result;
  };
  const Case cases[] = {{"click 1002\nclick 1010", 2, kPageNext},
                        {"click 1034", 1, kPageBack},
                        {"click 1002\nclick 1001\nclick 1034", 1, kPageBack}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.actions);
    TemplateParam p;
    p.kind = ParamKind::Option;
    p.ordinal = 3;
    p.choiceLabels = "Yes";
    p.option2Label = "No";
    const PageRun run = runPage("PARAM-2OPTION", p, "dialog PARAM-2OPTION\n" + c.actions + "\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(p.selection, c.selection);
    EXPECT_EQ(run.result, c.result);
  }
}

}  // namespace
}  // namespace qv::wizard::test
