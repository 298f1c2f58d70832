// The compiler and the generator read every tag alike, so each answer lands
// in the tag that was answered; and a line break typed into a text is one
// CR LF in the script.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "tests/engine/engine_support.h"
#include "wizard/engine/compile_report.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/param_list.h"

namespace qv::wizard {
namespace {

struct AgreementCase {
  const char* name;
  std::string templateText;
  std::map<int, std::string> answers;  // by ordinal
  std::string messageText;             // the Message group's text
  int records;                         // what the compiler made
  std::string script;                  // what the generator writes
};

void PrintTo(const AgreementCase& c, std::ostream* out) {
  *out << c.name;
}

// `before` characters of filler, then a Text tag, then " end".
std::string longLine(std::size_t before) {
  return std::string(before, 'x') + "<PARAM:Type=Text;Question=Q> end\n";
}

const AgreementCase kCases[] = {
    {"BareTagIsCopiedAsTheCompilerIgnoredIt",
     "a <PARAM:>\nb = <PARAM:Type=Text;Question=Q>\n",
     {{1, "X"}},
     "",
     1,
     "a <PARAM:>\r\nb = X\r\n"},
    {"LaterTypeCountsForAGroupNamedFirst",
     "t = <PARAM:Type=MessageTitle;Type=Text;Question=Q>\nf = <PARAM:Type=File>\n",
     {{1, "typed"}, {2, "C:\\f.txt"}},
     "",
     2,
     "t = typed\r\nf = C:\\f.txt\r\n"},
    {"LaterTypeCountsForAGroupNamedLast",
     "m = <PARAM:Type=Text;Type=MessageText>\nq = <PARAM:Type=Text;Question=Q>\n",
     {{2, "answer"}},
     "the text",
     2,
     "m = the text\r\nq = answer\r\n"},
    // The line's first 1,999 characters hold the whole tag, its ">" last.
    {"TagEndingAtTheLineLimitIsWhole",
     longLine(1999 - 29),
     {{1, "A"}},
     "",
     1,
     std::string(1999 - 29, 'x') + "A end\r\n"},
    {"TagBeyondTheLineLimitIsInTheNextPiece",
     longLine(2100),
     {{1, "A"}},
     "",
     1,
     std::string(2100, 'x') + "A end\r\n"},
    {"TypedLineBreakIsOneCrLf",
     "msg = \"<PARAM:Type=MessageText>\"\n",
     {},
     "line1\r\nline2\nline3\rline4",
     1,
     "msg = \"line1\r\nline2\r\nline3\rline4\"\r\n"},
};

class Agreement : public ::testing::TestWithParam<AgreementCase> {};

TEST_P(Agreement, AnswersLandInTheTagsThatWereAnswered) {
  const AgreementCase& c = GetParam();
  test::TempFolder temp;
  WizardState state;
  state.templatePath = temp.write("t.vbt", c.templateText);
  state.targetPath = temp.file("out.vbs");
  const auto run = test::runWithUi("", [&](ui::Ui& ui) {
    ASSERT_TRUE(compileTemplate(state, ui));
    ASSERT_EQ(state.paramCount, c.records);
    for (const auto& [ordinal, answer] : c.answers)
      recordAt(state.paramList, ordinal)->answer = answer;
    state.answers.messageText = c.messageText;
    ASSERT_TRUE(generateScript(state, ui));
  });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(test::readBytes(state.targetPath), c.script);
}

INSTANTIATE_TEST_SUITE_P(Cases, Agreement, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A tag that the line limit cuts is the compiler's "not closed" fault, not a
// tag that the generator alone would half see.
TEST(Agreement, TagCutByTheLineLimitIsACompileError) {
  test::TempFolder temp;
  WizardState state;
  state.templatePath = temp.write("t.vbt", longLine(1999 - 20));
  const auto run = test::runWithUi("dialog COMPILE_ERROR\ndump\nclick 1\n",
                                   [&](ui::Ui& ui) { EXPECT_FALSE(compileTemplate(state, ui)); });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  const std::string dump = test::transcriptLine(run.transcript, "dump");
  EXPECT_NE(dump.find(test::jsonString(msg::kMissingEndTag)), std::string::npos) << dump;
  EXPECT_NE(dump.find(test::controlJson(compile_error_id::kLine, "edit", "1")), std::string::npos)
      << dump;
}

}  // namespace
}  // namespace qv::wizard
