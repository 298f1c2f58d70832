// The expression builder and its place-marker catalogue: the list, the
// insertions, the default text, and what OK and Cancel hand back to the
// message page.
#include <gtest/gtest.h>

#include "tests/message/message_run.h"
#include "wizard/message/place_markers.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kPrompt = "------ Please select a place-marker ------";
constexpr std::string_view kSelectValid =
    "Please select a valid place-marker to add from the list ...";
constexpr std::string_view kOverwrite =
    "Are you sure you want to overwrite the existing message text with the default value ...?";
constexpr std::string_view kCancelBuilder =
    "Are you sure you want to cancel the Builder without saving ...?";

std::string clipboardEvent(std::string_view text) {
  return "{\"event\":\"clipboard\",\"text\":" + json(text) + "}";
}

TEST(PlaceMarkerCatalogue, HoldsMarkersAndHeadingsAndEndsWithItsEndEntry) {
  const auto catalogue = placeMarkerCatalogue();
  ASSERT_EQ(catalogue.size(), 59u);
  int markers = 0;
  int headings = 0;
  for (const PlaceMarker& e : catalogue.first(58)) {
    EXPECT_FALSE(isEndEntry(e)) << e.description;
    if (isSectionHeading(e)) {
      ++headings;
      EXPECT_EQ(e.marker, "-");
      EXPECT_TRUE(e.description.starts_with("------ ") && e.description.ends_with(" ------"));
    } else {
      ++markers;
      EXPECT_TRUE(e.marker.starts_with("<$$") || e.marker.starts_with("$$")) << e.marker;
    }
  }
  EXPECT_EQ(markers, 47);
  EXPECT_EQ(headings, 11);
  EXPECT_TRUE(isEndEntry(catalogue.back()));
  // The first 23 are general markers, before the first heading.
  EXPECT_EQ(catalogue[23].description, "------ Disk Space Monitoring ------");
}

TEST(Builder, ListShowsThePromptAndEveryEntryButTheEnd) {
  BuilderRequest request;
  const PageRun run = runBuilder(request, "dialog MSG-BUILDER\nclick 1\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  const std::vector<std::string> items = listItems(run.transcript, kCatalogue);
  ASSERT_EQ(items.size(), 59u) << run.transcript;
  EXPECT_EQ(items[0], kPrompt);
  EXPECT_EQ(items[1], "Insert the error message returned from the Quorvel monitor");
  EXPECT_EQ(items[24], "------ Disk Space Monitoring ------");
  EXPECT_EQ(items[26], "Insert the reqired disk space");
  EXPECT_EQ(items[32], "------ File & Directory Monitoring ------");
  EXPECT_EQ(items[58],
            "Insert the SQL Process ID of the process/connection that is blocking other processes");
  for (const std::string& item : items) EXPECT_NE(item, "END");
  EXPECT_TRUE(run.has("\"selected\":0"));
  EXPECT_TRUE(run.has("\"title\":\"Quorvel Scripting Wizard - Expression Builder\""));
}

TEST(Builder, PromptLineAndHeadingsCannotBeInserted) {
  const int positions[] = {0, 24, 28, 32, 56};
  for (const int position : positions) {
    SCOPED_TRACE(position);
    BuilderRequest request = makeBuilderRequest("", "Keep me");
    const PageRun run =
        runBuilder(request, "dialog MSG-BUILDER\nselect 1914 " + std::to_string(position) +
                                "\nclick 1915\nanswer ok\nclick 1\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(messageEvent(kSelectValid) +
                        ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\""));
    EXPECT_FALSE(run.has("{\"event\":\"clipboard\""));
    EXPECT_EQ(request.text, "Keep me");
  }
}

TEST(Builder, InsertsMarkersAtTheCaretOrOverTheSelection) {
  struct Case {
    const char* name;
    std::string_view start;
    std::string_view caret;  // "START [END]"
    std::string_view actions;
    std::string_view result;
    std::string_view clipboard;
  };
  const Case cases[] = {
      {"list entry with its n", "Day ", "4", "select 1914 18\nclick 1915\n", "Day $$DD+n",
       "$$DD+n"},
      {"list entry over a selection", "at NOW", "3 6", "select 1914 8\nclick 1915\n",
       "at <$$TIMENOW>", "<$$TIMENOW>"},
      {"server over a selected word", "Hello WORLD now", "6 11", "click 1912\n",
       "Hello <$$SERVER> now", "<$$SERVER>"},
      {"server twice at the caret", "Hello WORLD now", "5", "click 1912\nclick 1912\n",
       "Hello<$$SERVER><$$SERVER> WORLD now", "<$$SERVER>"},
      {"error message", "", "0", "click 1911\n", "<$$ERROR>", "<$$ERROR>"},
      {"check name", "x", "0", "click 1910\n", "<$$TEST>x", "<$$TEST>"},
      {"time logged then a list entry", "x", "1", "click 1909\nselect 1914 58\nclick 1915\n",
       "x<$$TIMELOGGED><$$SQLBLOCKINGPID>", "<$$SQLBLOCKINGPID>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuilderRequest request = makeBuilderRequest("", c.start);
    const PageRun run =
        runBuilder(request, "dialog MSG-BUILDER\ncaret 1907 " + std::string(c.caret) + "\n" +
                                std::string(c.actions) + "click 1\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(request.text, c.result);
    EXPECT_EQ(run.result, ui::kIdOk);
    // The clipboard keeps the last marker inserted.
    const std::size_t last = run.transcript.rfind("{\"event\":\"clipboard\"");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(run.transcript.compare(last, clipboardEvent(c.clipboard).size(),
                                     clipboardEvent(c.clipboard)),
              0)
        << run.transcript.substr(last);
  }
}

TEST(Builder, DefaultTextAsksBeforeOverwritingAText) {
  struct Case {
    const char* name;
    std::string_view start;
    std::string_view answer;  // empty: no question expected
    std::string_view result;
  };
  const Case cases[] = {{"empty field, no question", "", "", "Default words"},
                        {"No keeps the text", "Mine", "no", "Mine"},
                        {"Yes overwrites it", "Mine", "yes", "Default words"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuilderRequest request = makeBuilderRequest("Default words", c.start);
    std::string script = "dialog MSG-BUILDER\nclick 1918\n";
    if (!c.answer.empty()) script += "answer " + std::string(c.answer) + "\n";
    const PageRun run = runBuilder(request, script + "click 1\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(1917, "edit", "Default words")));
    EXPECT_EQ(run.has(messageEvent(kOverwrite) + ",\"title\":\"Quorvel Scripting Wizard\","
                                                 "\"icon\":\"question\",\"buttons\":\"yesno\""),
              !c.answer.empty());
    EXPECT_EQ(request.text, c.result);
  }
}

TEST(Builder, UseDefaultTextIsDisabledWithoutADefault) {
  struct Case {
    std::string_view defaultText;
    bool enabled;
  };
  for (const Case& c : {Case{"", false}, Case{"D", true}}) {
    BuilderRequest request = makeBuilderRequest(c.defaultText, "");
    const PageRun run = runBuilder(request, "dialog MSG-BUILDER\nclick 1\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(kUseDefault, "button", "Use default text") +
                        ",\"enabled\":" + (c.enabled ? "true" : "false")))
        << run.transcript;
  }
}

TEST(Builder, CancelAsksAndLeavesTheRequestAsPassedIn) {
  BuilderRequest request = makeBuilderRequest("", "Passed in");
  const PageRun run = runBuilder(request,
                                 "dialog MSG-BUILDER\nset 1907 Edited\nclick 2\nanswer no\n"
                                 "click 1912\nkey escape\nanswer yes\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(countOf(run.transcript, messageEvent(kCancelBuilder)), 2);
  EXPECT_EQ(run.result, ui::kIdCancel);
  EXPECT_EQ(request.text, "Passed in");
}

TEST(Builder, EnterTakesANewLineInTheText) {
  BuilderRequest request = makeBuilderRequest("", "");
  const PageRun run = runBuilder(request, "dialog MSG-BUILDER\nset 1907 one\nkey enter\nclick 1\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(request.text, "one\r\n");
}

// Through the message page: what the builder hands back to its field.
TEST(BuilderOnThePage, OkReplacesTheFieldAndCancelOrAnEmptyTextLeavesIt) {
  struct Case {
    const char* name;
    std::string_view builderActions;
    std::string_view stored;
  };
  const Case cases[] = {
      {"OK with an edit", "set 1907 Edited\nclick 1\n", "Edited"},
      {"Cancel after edits", "set 1907 Edited\nclick 2\nanswer yes\n", "Original"},
      {"OK with an empty field", "set 1907 \nclick 1\n", "Original"},
      {"default text, then OK", "click 1918\nanswer yes\nclick 1\n",
       "The following error was detected on server <$$SERVER> at <$$TIMELOGGED>. Check: "
       "<$$TEST>, Error: <$$ERROR>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WizardState state;
    const PageRun run = runMessagePage(state,
                                       "dialog PARAM-MESSAGE\nset 1913 Original\n"
                                       "click 1914\ndialog MSG-BUILDER\n" +
                                           std::string(c.builderActions) + "click 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(kBuilderText, "edit", "Original")));
    EXPECT_EQ(state.answers.messageText, c.stored);
  }
}

TEST(BuilderOnThePage, EachFieldsBuilderOffersItsOwnDefault) {
  struct Case {
    int button;
    std::string_view path;
    std::string_view defaultText;
  };
  const Case cases[] = {
      {kTitleBuilder, "", "Error detected on server <$$SERVER> ..."},
      // The plain default text even for an SMS gateway template.
      {kTextBuilder, "/t/Clickatell SMS.vbt",
       "The following error was detected on server <$$SERVER> at <$$TIMELOGGED>. Check: "
       "<$$TEST>, Error: <$$ERROR>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WizardState state;
    state.templatePath = std::string(c.path);
    const PageRun run =
        runMessagePage(state, "dialog PARAM-MESSAGE\nclick " + std::to_string(c.button) +
                                  "\ndialog MSG-BUILDER\nclick 1\n"
                                  "click 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(1917, "edit", c.defaultText))) << run.transcript;
  }
}

TEST(BuilderOnThePage, TextBeyond4999BytesIsCutOnOkAndKeptOnCancel) {
  struct Case {
    const char* name;
    std::string_view builderActions;
    std::size_t stored;
  };
  const Case cases[] = {{"OK", "click 1\n", 4999}, {"Cancel", "click 2\nanswer yes\n", 6000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WizardState state;
    const PageRun run =
        runMessagePage(state, "dialog PARAM-MESSAGE\nset 1913 " + std::string(6000, 'm') +
                                  "\nclick 1914\ndialog MSG-BUILDER\n" +
                                  std::string(c.builderActions) + "click 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript.substr(0, 2000);
    // The builder is handed the first 4,999 bytes.
    EXPECT_TRUE(run.has(control(kBuilderText, "edit", std::string(4999, 'm')) + ","));
    EXPECT_EQ(state.answers.messageText, std::string(c.stored, 'm'));
  }
}

}  // namespace
}  // namespace qv::wizard::test
