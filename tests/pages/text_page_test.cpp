// PARAM-TEXT on its own: what it shows, what it refuses, what it stores.
#include <gtest/gtest.h>

#include "tests/pages/page_run.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kDialog = "PARAM-TEXT";

// Enters `value`, presses Next; a refusal is answered and the page cancelled.
std::string enterScript(std::string_view value, bool refused) {
  std::string s = "dialog PARAM-TEXT\nset 1006 " + std::string(value) + "\nclick 1010\n";
  if (refused) s += "answer ok\nkey escape\nanswer yes\n";
  return s;
}

TEST(TextPage, EmptyAnswerIsRefusedOnNextAndOnBack) {
  for (const int button : {1010, 1034}) {
    SCOPED_TRACE(button);
    TemplateParam p = textParam();
    const std::string script = "dialog PARAM-TEXT\nclick " + std::to_string(button) +
                               "\nanswer ok\nset 1006 x\nclick " + std::to_string(button) + "\n";
    const PageRun run = runPage(kDialog, p, script);
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(
        run.has(messageEvent(texts::kInformationMissing) +
                ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\",\"buttons\":\"ok\""));
    EXPECT_EQ(run.result, button == 1010 ? kPageNext : kPageBack);
    EXPECT_EQ(p.answer, "x");
  }
}

TEST(TextPage, NumericOnlyTakesWhatAtolConvertsAndZeroItself) {
  struct Case {
    std::string_view value;
    bool accepted;
  };
  const Case cases[] = {{"0", true},    {"12", true},  {"-7", true}, {"12abc", true},
                        {"abc", false}, {"00", false}, {" 0", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.value));
    TemplateParam p = textParam();
    p.numericOnly = 1;
    const PageRun run = runPage(kDialog, p, enterScript(c.value, !c.accepted));
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(run.has(messageEvent(texts::kNotNumeric)), !c.accepted);
    EXPECT_EQ(run.result, c.accepted ? kPageNext : kPageQuit);
    if (c.accepted) {
      EXPECT_EQ(p.answer, std::string(c.value));
    } else {
      EXPECT_FALSE(p.answer.has_value());
    }
  }
}

TEST(TextPage, MaxLengthLimitsTheAnswerAndNamesTheLimit) {
  struct Case {
    int maxLength;
    std::string value;
    bool accepted;
  };
  const Case cases[] = {{5, "abcde", true},
                        {5, "abcdef", false},
                        {0, std::string(1999, 'a'), true},
                        {-3, "abcdef", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.maxLength);
    TemplateParam p = textParam();
    p.maxLength = c.maxLength;
    const PageRun run = runPage(kDialog, p, enterScript(c.value, !c.accepted));
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(run.result, c.accepted ? kPageNext : kPageQuit);
    if (!c.accepted) {
      EXPECT_TRUE(run.has(messageEvent(
          "The entered value is too long. The maximum length of the entered value is 5 "
          "character(s) ...")));
    }
  }
}

TEST(TextPage, AnAnswerLongerThanTheFieldIsCutNotRefused) {
  TemplateParam p = textParam();
  const PageRun run = runPage(kDialog, p, enterScript(std::string(2500, 'z'), false));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(p.answer, std::string(1999, 'z'));
}

TEST(TextPage, ShowsTheStoredAnswerElseTheDefaultElseNothing) {
  struct Case {
    std::optional<std::string> defaultValue;
    std::optional<std::string> answer;
    std::string shown;
  };
  const Case cases[] = {
      {"x", std::nullopt, "x"}, {"x", "y", "y"}, {std::nullopt, std::nullopt, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    TemplateParam p = textParam();
    p.defaultValue = c.defaultValue;
    p.answer = c.answer;
    const PageRun run = runPage(kDialog, p, "dialog PARAM-TEXT\nkey escape\nanswer yes\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(1006, "edit", c.shown))) << run.transcript;
  }
}

TEST(TextPage, ShowsQuestionAndHelpAndAnEmptyHelpWithoutOne) {
  TemplateParam p = textParam();
  p.help = "Some help.";
  PageRun run = runPage(kDialog, p, "dialog PARAM-TEXT\nkey escape\nanswer yes\n");
  EXPECT_TRUE(run.has(control(1044, "static", "What is the value ...")));
  EXPECT_TRUE(run.has(control(1043, "static", "Some help.")));
  p.help.reset();
  run = runPage(kDialog, p, "dialog PARAM-TEXT\nkey escape\nanswer yes\n");
  EXPECT_TRUE(run.has(control(1043, "static", "")));
}

TEST(TextPage, BackIsDisabledOnlyOnTheFirstPage) {
  for (const int ordinal : {1, 2, 7}) {
    SCOPED_TRACE(ordinal);
    TemplateParam p = textParam(ordinal);
    const PageRun run = runPage(kDialog, p, "dialog PARAM-TEXT\nkey escape\nanswer yes\n");
    EXPECT_TRUE(run.has(control(1034, "button", "<- Back") +
                        ",\"enabled\":" + (ordinal == 1 ? "false" : "true")));
  }
}

TEST(TextPage, CancelAsksAndNoKeepsTheEntries) {
  TemplateParam p = textParam();
  const PageRun run = runPage(kDialog, p,
                              "dialog PARAM-TEXT\nset 1006 abc\nclick 2\nanswer no\n"
                              "key escape\nanswer no\ndump\nkey enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_TRUE(run.has(messageEvent(texts::kCancelQuestion) +
                      ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"question\",\"buttons\":"
                      "\"yesno\",\"answer\":\"no\""));
  EXPECT_TRUE(run.has("{\"event\":\"dump\"") && run.has(control(1006, "edit", "abc")));
  EXPECT_EQ(run.result, kPageNext);  // Enter presses "Next ->"
  EXPECT_EQ(p.answer, "abc");
}

TEST(TextPage, CancelConfirmedEndsWithQuitAndStoresNothing) {
  TemplateParam p = textParam();
  p.answer = "before";
  const PageRun run =
      runPage(kDialog, p, "dialog PARAM-TEXT\nset 1006 after\nclick 2\nanswer yes\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(run.result, kPageQuit);
  EXPECT_EQ(p.answer, "before");
}

}  // namespace
}  // namespace qv::wizard::test
