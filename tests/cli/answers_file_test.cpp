// The answers file: what a line means, and that every value written reads
// back unchanged.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/os/paths.h"
#include "tests/os/temp_folder.h"
#include "wizard/answers/answers_file.h"

namespace qv::wizard {
namespace {

struct LineCase {
  const char* text;
  const char* key;  // nullptr: an error
  const char* value;
};

TEST(AnswersFile, ReadsEachKindOfLine) {
  const LineCase cases[] = {
      {"1 = C:", "1", "C:"},
      {"  SMTPServer\t=\t mail.example.com  ", "SMTPServer", "mail.example.com"},
      {"2 = C:\\new\\temp.log", "2", "C:\\new\\temp.log"},  // literal: no escapes
      {"3 = a = b", "3", "a = b"},                          // the first "=" ends the key
      {"4 =", "4", ""},
      {"5 = \"  kept  \"", "5", "  kept  "},
      {"6 = \"a\\nb\\r\\tc\\\"d\\\\e\"", "6", "a\nb\r\tc\"d\\e"},
      {"7 = \"\"", "7", ""},
      {"8 = \"", "8", "\""},          // one quote is no quoted value
      {"9 = x\"y\"", "9", "x\"y\""},  // nor is one that does not begin with it
      {"no equals sign", nullptr, nullptr},
      {" = value", nullptr, nullptr},
      {"10 = \"bad \\q escape\"", nullptr, nullptr},
      {"11 = \"ends in a backslash\\\"", nullptr, nullptr},
  };
  for (const LineCase& c : cases) {
    const ParsedAnswers parsed = parseAnswers(c.text);
    if (c.key == nullptr) {
      EXPECT_TRUE(parsed.answers.empty()) << c.text;
      ASSERT_EQ(parsed.errors.size(), 1u) << c.text;
      EXPECT_EQ(parsed.errors[0].line, 1);
      continue;
    }
    ASSERT_EQ(parsed.answers.size(), 1u) << c.text;
    EXPECT_TRUE(parsed.errors.empty()) << c.text;
    EXPECT_EQ(parsed.answers[0].key, c.key) << c.text;
    EXPECT_EQ(parsed.answers[0].value, c.value) << c.text;
  }
}

TEST(AnswersFile, SkipsCommentsAndBlankLinesAndCountsLines) {
  const ParsedAnswers parsed =
      parseAnswers("# a comment\r\n\r\n   # indented comment\n1 = one\r\n\t\nbad line\n2=two");
  ASSERT_EQ(parsed.answers.size(), 2u);
  EXPECT_EQ(parsed.answers[0].line, 4);
  EXPECT_EQ(parsed.answers[0].value, "one");  // CR LF ends the line, CR not kept
  EXPECT_EQ(parsed.answers[1].line, 7);
  ASSERT_EQ(parsed.errors.size(), 1u);
  EXPECT_EQ(parsed.errors[0].line, 6);
}

TEST(AnswersFile, WritesEveryValueSoThatItReadsBackUnchanged) {
  const std::string values[] = {
      "",
      "plain",
      " leading",
      "trailing\t",
      "two\r\nlines",
      "lf\n",
      "\"quoted\"",
      "C:\\new\\temp.log",
      "a \"b\" c",
      "\\n literal",
      "\"",
      "tab\tinside",
      "x = y",
      "# not a comment",
  };
  for (const std::string& value : values) {
    const ParsedAnswers parsed = parseAnswers(answerLineText("1", value));
    ASSERT_EQ(parsed.answers.size(), 1u) << value;
    EXPECT_EQ(parsed.answers[0].value, value);
  }
  // Quoted only when it must be: a Windows path stays readable.
  EXPECT_EQ(writtenAnswerValue("C:\\new\\temp.log"), "C:\\new\\temp.log");
  EXPECT_EQ(writtenAnswerValue(" x"), "\" x\"");
}

TEST(AnswersFile, PrivateFileIsMadeOwnerOnlyAlsoWhenItExisted) {
  os::test::TempFolder dir;
  const std::string path = dir.write("answers.txt", "old and longer content\n");
  ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
  ASSERT_TRUE(writePrivateFile(path, "1 = new\n"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(os::readWholeFile(path), "1 = new\n");
  EXPECT_FALSE(writePrivateFile(dir.path(), "x"));  // a folder is no file
}

}  // namespace
}  // namespace qv::wizard
