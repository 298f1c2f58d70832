// The scripted backend driving the kit's sample program: every action of the
// script format and what it writes to the transcript.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/script/script_run.h"
#include "tests/ui/transcript_lines.h"
#include "tools/kit-demo/demo_dialogs.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ui::script::runScriptText;

ui::script::ScriptedResult runDemo(const std::string& script) {
  return runScriptText(script, [](ui::Platform& p) { return demo::runDemo(p); });
}

// Opens the sample, does `body`, then leaves with Cancel.
ui::script::ScriptedResult inSample(const std::string& body) {
  return runDemo("dialog DEMO-MAIN\n" + body + "\ndump\nclick 2\n");
}

std::string lastDump(const ui::script::ScriptedResult& r) {
  auto dumps = test::events(r.transcript, "dump");
  return dumps.empty() ? std::string() : dumps.back();
}

TEST(ScriptBackend, OpenListsEveryControlWithItsState) {
  const auto r = runDemo("dialog DEMO-MAIN\nclick 2\n");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  const auto open = test::events(r.transcript, "open");
  ASSERT_EQ(open.size(), 1u);
  EXPECT_THAT(
      open[0],
      HasSubstr(
          R"({"event":"open","dialog":"DEMO-MAIN","title":"Dialog Kit Sample","modal":true,"visible":true,"controls":[)"));
  EXPECT_THAT(
      open[0],
      HasSubstr(
          R"({"id":100,"kind":"static","text":"Name && address :","enabled":true,"visible":true})"));
  EXPECT_THAT(
      open[0],
      HasSubstr(
          R"({"id":111,"kind":"radio","text":"Small","enabled":true,"visible":true,"checked":true})"));
  // A sorted combo orders by bytes with letters compared without case; equal
  // entries keep the order in which they were added.
  EXPECT_THAT(open[0], HasSubstr(R"("items":["blue","Green","green","red"],"selected":-1)"));
  EXPECT_THAT(
      open[0],
      HasSubstr(
          R"({"id":122,"kind":"combo","text":"Square","enabled":true,"visible":true,"items":["Square","Circle","Triangle"],"selected":0})"));
  EXPECT_THAT(
      open[0],
      HasSubstr(
          R"({"id":130,"kind":"progress","text":"","enabled":true,"visible":true,"position":0})"));
  EXPECT_THAT(open[0], HasSubstr(R"({"id":150,"kind":"webview")"));
  EXPECT_THAT(test::events(r.transcript, "close"),
              ElementsAre(R"({"event":"close","dialog":"DEMO-MAIN","result":2})"));
  EXPECT_THAT(test::lines(r.transcript).back(), R"({"event":"exit","code":0})");
}

struct ActionCase {
  const char* name;
  const char* body;
  const char* expected;  // a fragment of the last dump
};

TEST(ScriptBackend, UserActionsChangeTheControls) {
  const ActionCase cases[] = {
      {"set replaces the text", "set 101 Ada Lovelace",
       R"({"id":101,"kind":"edit","text":"Ada Lovelace")"},
      {"set resolves escapes", "set 102 a\\tb\\\\c", R"({"id":102,"kind":"edit","text":"a\tb\\c")"},
      {"set takes no filtering by style", "set 104 12abc",
       R"({"id":104,"kind":"edit","text":"12abc")"},
      {"select shows the entry in an editable combo", "select 121 2",
       R"({"id":121,"kind":"combo","text":"green","enabled":true,"visible":true,"items":["blue","Green","green","red"],"selected":2})"},
      {"select -1 selects none", "select 122 -1",
       R"("items":["Square","Circle","Triangle"],"selected":-1})"},
      {"check sets without a click", "check 110",
       R"({"id":110,"kind":"check","text":"Remember","enabled":true,"visible":true,"checked":true})"},
      {"uncheck leaves the group alone", "uncheck 111",
       R"({"id":111,"kind":"radio","text":"Small","enabled":true,"visible":true,"checked":false})"},
      {"click on a radio releases its group", "click 112",
       R"("text":"Small","enabled":true,"visible":true,"checked":false},{"id":112,"kind":"radio","text":"Large","enabled":true,"visible":true,"checked":true})"},
      {"click toggles a check box", "click 110\nclick 110\nclick 110",
       R"("text":"Remember","enabled":true,"visible":true,"checked":true})"},
      {"enter in a field that takes it starts a line", "set 102 ab\ncaret 102 1\nkey enter",
       R"({"id":102,"kind":"edit","text":"a\r\nb")"},
      {"paste replaces the selection", "set 102 one two three\ncaret 102 4 7\nclick 143",
       R"({"id":102,"kind":"edit","text":"one <pasted> three")"},
      {"paste twice at the caret", "set 102 ab\ncaret 102 1\nclick 143\ncaret 102 9\nclick 143",
       R"("text":"a<pasted><pasted>b")"},
      {"press finds a button by its text", "press Step",
       R"({"id":130,"kind":"progress","text":"","enabled":true,"visible":true,"position":10})"},
      {"timer delivers at once", "timer 7", R"("position":1})"},
  };
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = inSample(c.body);
    ASSERT_EQ(r.exitCode, 0) << r.transcript;
    EXPECT_THAT(lastDump(r), HasSubstr(c.expected));
  }
}

TEST(ScriptBackend, EnterPressesTheDefaultButtonAndEscapeCancels) {
  const auto r = runDemo("dialog DEMO-MAIN\nkey enter\nanswer no\nkey escape\n");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(
      test::events(r.transcript, "message"),
      ElementsAre(
          R"({"event":"message","text":"Keep these settings ?","title":"Dialog Kit Sample","icon":"question","buttons":"yesno","answer":"no"})"));
  EXPECT_THAT(test::events(r.transcript, "close"),
              ElementsAre(R"({"event":"close","dialog":"DEMO-MAIN","result":2})"));
}

TEST(ScriptBackend, CommonDialogsAreAnsweredFromTheScript) {
  const auto r =
      inSample("click 141\nfile /tmp/notes.txt\nclick 142\nfolder cancel\nclick 141\nfile cancel");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(
      test::events(r.transcript, "file"),
      ElementsAre(
          R"J({"event":"file","title":"Choose a file","filters":[["Text Files (*.txt)","*.txt"],["All Files (*.*)","*.*"]],"name":"","folder":null,"pathMustExist":true,"answer":"/tmp/notes.txt"})J",
          HasSubstr(R"("answer":null})")));
  EXPECT_THAT(test::events(r.transcript, "folder"),
              ElementsAre(R"({"event":"folder","title":"Choose a folder ...","answer":null})"));
  EXPECT_THAT(lastDump(r), HasSubstr(R"({"id":101,"kind":"edit","text":"/tmp/notes.txt")"));
}

TEST(ScriptBackend, APathLongerThanTheFileBufferComesBackCancelled) {
  const auto r = inSample("click 141\nfile /" + std::string(259, 'x'));
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(test::events(r.transcript, "file")[0], HasSubstr(R"("answer":null})"));
}

TEST(ScriptBackend, NestedModalDialogsTakeTheirLinesInOrder) {
  const auto r = runDemo(
      "dialog DEMO-MAIN\nclick 140\n"
      "dialog DEMO-DETAILS\nclick 202\n"
      "dialog DEMO-DETAILS\nset 201 inner\nclick 1\n"
      "click 1\nanswer ok\nset 201 outer\nkey enter\n"
      "dump\nclick 2\n");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(test::events(r.transcript, "close"),
              ElementsAre(R"({"event":"close","dialog":"DEMO-DETAILS","result":1})",
                          R"({"event":"close","dialog":"DEMO-DETAILS","result":1})",
                          R"({"event":"close","dialog":"DEMO-MAIN","result":2})"));
  EXPECT_THAT(lastDump(r), HasSubstr(R"("text":"details given")"));
}

TEST(ScriptBackend, APostedQuitEndsNestedModalLoopsInnermostFirst) {
  const auto r = runDemo(
      "dialog DEMO-MAIN\nclick 140\ndialog DEMO-DETAILS\nclick 202\n"
      "dialog DEMO-DETAILS\nclick 203\n");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(test::events(r.transcript, "close"),
              ElementsAre(R"({"event":"close","dialog":"DEMO-DETAILS","result":0})",
                          R"({"event":"close","dialog":"DEMO-DETAILS","result":0})",
                          R"({"event":"close","dialog":"DEMO-MAIN","result":0})"));
}

TEST(ScriptBackend, WebViewRecordsNavigationAndReportsEvents) {
  const auto r = inSample("click 145\nnavigated http://127.0.0.1:8080/other");
  ASSERT_EQ(r.exitCode, 0) << r.transcript;
  EXPECT_THAT(
      test::events(r.transcript, "navigate"),
      ElementsAre(
          R"({"event":"navigate","url":"http://127.0.0.1:8080/RecConsoleStatus.qvp","headers":"Referer:Kit Sample"})"));
}

TEST(ScriptBackend, MalformedScriptsAreRefusedBeforeTheProgramStarts) {
  const char* scripts[] = {
      "dialog DEMO-MAIN\nfrobnicate 1\n",
      "set\n",
      "select 121\n",
      "caret 101 5 2\n",
      "answer maybe\n",
      "key tab\n",
      "click one\n",
      "wait\n",
      "dialog\n",
  };
  for (const char* script : scripts) {
    SCOPED_TRACE(script);
    bool ran = false;
    const auto r = runScriptText(script, [&](ui::Platform&) {
      ran = true;
      return 0;
    });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(ran);
  }
}

TEST(ScriptBackend, CommentsAndBlankLinesAreSkipped) {
  const auto r = runDemo("# the sample\n\ndialog DEMO-MAIN\n   \n# leave\nclick 2\n");
  // A line of blanks is not blank: it is an unknown action.
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(runDemo("# the sample\n\ndialog DEMO-MAIN\n\n# leave\nclick 2\n").exitCode, 0);
}

}  // namespace
}  // namespace qv
