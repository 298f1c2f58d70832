// The CSV reader's quoting rules, and qvscript batch: one script per row,
// refused rows told and skipped, clashing targets stopped before any write.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/csv_reader.h"
#include "platform/os/paths.h"
#include "tests/cli/qvscript_run.h"
#include "tests/os/temp_folder.h"

namespace qv::cli::test {
namespace {

struct CsvCase {
  const char* text;
  std::vector<CsvRecord> records;
};

TEST(CsvReader, ReadsFieldsAsRfc4180QuotesThem) {
  const CsvCase cases[] = {
      {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
      {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},  // LF alone; no last line break
      {" a , b ", {{" a ", " b "}}},           // nothing trimmed
      {"a,,\n", {{"a", "", ""}}},              // empty fields
      {"\"a,b\",\"say \"\"hi\"\"\"", {{"a,b", "say \"hi\""}}},
      {"\"two\r\nlines\",x\n", {{"two\r\nlines", "x"}}},
      {"\"\",x", {{"", "x"}}},
      {"a\n\nb\n", {{"a"}, {"b"}}},  // a blank line is no record
      {"a\rb,c", {{"a\rb", "c"}}},   // a lone CR is data
      {"", {}},
  };
  for (const CsvCase& c : cases) {
    CsvError error;
    const auto records = parseCsv(c.text, error);
    ASSERT_TRUE(records) << c.text << ": " << error.message;
    EXPECT_EQ(*records, c.records) << c.text;
  }
}

TEST(CsvReader, RefusesQuotesWhereNoneMayBe) {
  struct Bad {
    const char* text;
    std::size_t line;
  };
  const Bad cases[] = {
      {"a,b\nc\"d\",e\n", 2},   // a quote inside an unquoted field
      {"a\n\"open,b\nc\n", 2},  // never closed: told where it opened
      {"\"a\"b,c\n", 1},        // text after the closing quote
  };
  for (const Bad& c : cases) {
    CsvError error;
    EXPECT_FALSE(parseCsv(c.text, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_FALSE(error.message.empty());
  }
}

class Batch : public ::testing::Test {
 protected:
  Batch() {
    template_ = dir_.write("t.vbt",
                           "' ****\n' WIZARD:PARAMS=x\n' WIZARD:RESULTS=y\n' ****\n"
                           "host = \"<PARAM:Type=Text;Question=Host>\"\n"
                           "port = <PARAM:Type=SMTPPort>\n"
                           "s = \"<PARAM:Type=SMTPServer>\"\n");
    answers_ = dir_.write(
        "a.txt",
        "SMTPServer = mail\nSMTPToEmail = ops@example.com\nSMTPFromEmail = qv@example.com\n");
  }
  CliRun batch(const std::string& csv, const std::string& pattern) {
    const std::string rows = dir_.write("rows.csv", csv);
    return runCli({"batch", template_, "--answers", answers_, "--rows", rows, "--output",
                   dir_.path() + "/" + pattern});
  }
  os::test::TempFolder dir_;
  std::string template_;
  std::string answers_;
};

TEST_F(Batch, WritesOneScriptPerRowIntoTheFoldersThePatternNames) {
  const CliRun run = batch("1,SMTPPort\nalpha,2525\n\"be,ta\",\n", "out/{1}/s-{row}.vbs");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto first = os::readWholeFile(dir_.path() + "/out/alpha/s-1.vbs");
  ASSERT_TRUE(first);
  EXPECT_NE(first->find("host = \"alpha\"\r\nport = 2525\r\ns = \"mail\"\r\n"), std::string::npos);
  // The empty cell leaves the port to the page's default.
  const auto second = os::readWholeFile(dir_.path() + "/out/be,ta/s-2.vbs");
  ASSERT_TRUE(second);
  EXPECT_NE(second->find("host = \"be,ta\"\r\nport = 25\r\n"), std::string::npos) << *second;
}

TEST_F(Batch, RefusedRowIsToldAndTheOthersAreWritten) {
  const CliRun run = batch("1,SMTPPort\nok,25\nbad,none\n", "s-{row}.vbs");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("rows.csv:2: error: SMTPPort: Please enter the port number for your "
                         "SMTP Server ..."),
            std::string::npos)
      << run.err;
  EXPECT_TRUE(std::filesystem::exists(dir_.path() + "/s-1.vbs"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/s-2.vbs"));
}

TEST_F(Batch, RowsThatWouldWriteOneFileStopEverything) {
  const CliRun run = batch("1\nsame\nother\nsame\n", "{1}.vbs");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("rows.csv:3: error: writes"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/other.vbs"));
  // A pattern key without a value, and a CSV fault, stop it too.
  EXPECT_EQ(batch("1\nx\n", "{Nope}.vbs").status, 1);
  EXPECT_EQ(batch("1\n\"x\n", "{row}.vbs").status, 1);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/x.vbs"));
}

}  // namespace
}  // namespace qv::cli::test
