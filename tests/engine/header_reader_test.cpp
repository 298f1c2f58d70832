// The header reader: the header page's text, the calling texts, the remote
// notice, and the two texts of the script information page.
#include "wizard/engine/header_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/engine_support.h"

namespace qv::wizard {
namespace {

using test::fixture;
using test::readBytes;

constexpr std::string_view kRemoteTemplateStart = "This template generates a script which can";
constexpr std::string_view kRemoteScriptStart = "This script can, or will connect";

TEST(HeaderReaderTest, HeaderPageTextMatchesTheExpectedBytes) {
  WizardState state;
  state.templatePath = fixture("header_full.vbt");
  state.lineCount = 21;
  state.paramCount = 3;
  std::optional<std::string> text;
  const auto run =
      test::runWithUi("answer ok\n", [&](ui::Ui& ui) { text = readTemplateHeader(state, ui); });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  ASSERT_TRUE(text.has_value());
  std::string expected = readBytes(fixture("header_full.expected"));
  expected.replace(expected.find("@PATH@"), 6, state.templatePath);
  EXPECT_EQ(*text, expected);

  EXPECT_EQ(state.callingParams, "/s server\r\n/u user");  // an empty repeat keeps it
  EXPECT_EQ(state.callingExample, "-x 5");
  EXPECT_EQ(state.scriptResults, "0 = OK\r\n1 = Failed");  // the later line counts

  const std::string box = test::transcriptLine(run.transcript, "message");
  EXPECT_NE(box.find("\"icon\":\"information\""), std::string::npos) << box;
  EXPECT_NE(box.find(kRemoteTemplateStart), std::string::npos) << box;
}

TEST(HeaderReaderTest, RemoteWordingFollowsTheTemplatePath) {
  test::TempFolder temp;
  const std::string capitals = temp.write("HEADER.VBT", readBytes(fixture("header_full.vbt")));
  const struct {
    std::string templatePath;  // empty on the editing route
    bool templateReader;
    std::string_view wording;
  } cases[] = {
      {capitals, true, kRemoteTemplateStart},
      {"", false, kRemoteScriptStart},
      {"/t/chosen.vbt", false, kRemoteTemplateStart},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.templatePath);
    WizardState state;
    state.templatePath = c.templatePath;
    bool ok = false;
    const auto run = test::runWithUi("answer ok\n", [&](ui::Ui& ui) {
      ok = c.templateReader ? readTemplateHeader(state, ui).has_value()
                            : readScriptHeader(state, ui, fixture("header_full.vbt"));
    });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(ok);
    const std::string box = test::transcriptLine(run.transcript, "message");
    EXPECT_NE(box.find(c.wording), std::string::npos) << box;
  }
}

TEST(HeaderReaderTest, MissingOrUnclosedHeadersFailSilently) {
  const struct {
    const char* name;
    const char* params;  // callingParams afterwards
  } cases[] = {
      {"header_unclosed.vbt", "/a\r\n/b"},  // taken before the end was found
      {"header_none.vbt", "earlier"},
      {"no-such-file.vbt", "earlier"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WizardState state;
    state.templatePath = fixture(c.name);
    state.callingParams = "earlier";
    std::optional<std::string> text = "unset";
    bool scriptOk = true;
    const auto run = test::runWithUi("", [&](ui::Ui& ui) {
      text = readTemplateHeader(state, ui);
      scriptOk = readScriptHeader(state, ui, state.templatePath);
    });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;  // no box of any kind
    EXPECT_FALSE(text.has_value());
    EXPECT_FALSE(scriptOk);
    EXPECT_EQ(state.callingParams, c.params);
  }
}

TEST(HeaderReaderTest, BarsBecomeLineBreaksOnlyWhenTheFieldHasRoom) {
  // A line takes at most 1,999 characters: the key and a 1,984-character
  // value fill it, and each "|" is counted as 8 more against 2,000.
  const auto valueWithBars = [](int bars) {
    std::string value(1984 - bars, 'a');
    for (int i = 0; i < bars; ++i) value.insert(10 * (i + 1), "|");
    return value;
  };
  const struct {
    int bars;
    bool broken;
  } cases[] = {{2, true}, {3, false}};
  test::TempFolder temp;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bars);
    const std::string value = valueWithBars(c.bars);
    const std::string path = temp.write("long.vbs", "####\nWIZARD:PARAMS=" + value + "\n####\n");
    WizardState state;
    const auto run =
        test::runWithUi("", [&](ui::Ui& ui) { EXPECT_TRUE(readScriptHeader(state, ui, path)); });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    std::string expected = value;
    if (c.broken) {
      for (std::size_t at; (at = expected.find('|')) != std::string::npos;) {
        expected.replace(at, 1, "\r\n");
      }
    }
    EXPECT_EQ(state.callingParams, expected);
  }
}

TEST(ScriptInformationTest, CallingParametersText) {
  const std::string example =
      "Example of calling the script from the command line (e.g. as a response) ...\r\n\r\n"
      "            C:\\Scripts\\a.vbs -x 5\r\n\r\n"
      "Example of defining a Quorvel montoring or alert script ...\r\n\r\n"
      "            Command: C:\\Scripts\\a.vbs\r\n"
      "            Parameters: -x 5";
  const struct {
    const char* params;
    const char* example;
    std::string text;
  } cases[] = {
      {"", "", "[No details available]"},
      {"/s server", "", "/s server\r\n\r\n"},
      {"", "-x 5", example},
      {"/s server", "-x 5", "/s server\r\n\r\n" + example},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.params) + " / " + c.example);
    WizardState state;
    state.targetPath = "C:\\Scripts\\a.vbs";
    state.callingParams = c.params;
    state.callingExample = c.example;
    EXPECT_EQ(callingParametersText(state), c.text);
  }
}

TEST(ScriptInformationTest, ResultsText) {
  WizardState state;
  EXPECT_EQ(resultsText(state), "[No details available]");
  state.scriptResults = "0 = OK\r\n1 = Failed";
  EXPECT_EQ(resultsText(state), "0 = OK\r\n1 = Failed");
}

}  // namespace
}  // namespace qv::wizard
