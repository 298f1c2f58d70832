// qvscript check: every fault with the line an editor shows, the warnings,
// and the exit statuses; the shipped templates pass.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/qvscript_run.h"
#include "tests/os/temp_folder.h"

namespace qv::cli::test {
namespace {

const std::string kHeader =
    "' ****\n' A check\n' WIZARD:PARAMS=none\n' WIZARD:RESULTS=0 - fine\n' ****\n";

TEST(QvscriptCheck, ReportsEveryFaultWithItsEditorLine) {
  os::test::TempFolder dir;
  const std::string longLine(2500, 'x');
  const std::string file =
      dir.write("faults.vbt", kHeader +                                    // lines 1-5
                                  "a = <PARAM:Question=No type>\n" +       // 6
                                  longLine + "\n" +                        // 7: read as two pieces
                                  "b = <PARAM:Type=Nonsense>\n" +          // 8
                                  "c = <PARAM:Type=Text;Question=Fine>\n"  // 9
                                  "d = <PARAM:Type=Option;Question=Q;Data=One>\n"  // 10
                                  "e = <PARAM:Type=Text;Question=Unclosed\n");     // 11
  const CliRun run = runCli({"check", file});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            file + ":6: error: No parameter type was specified ...: <PARAM:Question=No type>\n" +
                file +
                ":8: error: The parameter type is not recognised by the Wizard. Please check the "
                "tag name specified or for newer tags, please upgrade the Wizard to the latest "
                "version ...: <PARAM:Type=Nonsense>\n" +
                file +
                ":10: error: One or both tags are missing. Two options are required for this tag "
                "...: <PARAM:Type=Option;Question=Q;Data=One>\n" +
                file +
                ":11: error: Missing end tag ('>') or tag exceeds the maximum length ...: "
                "<PARAM:Type=Text;Question=Unclosed\n" +
                file +
                ":7: warning: line longer than 1998 characters: the wizard reads it as several "
                "lines\n");
}

TEST(QvscriptCheck, WarnsOfWhatTheWizardWouldNotCompileAsMeant) {
  os::test::TempFolder dir;
  const std::string tags =
      "a = <PARAM:Type=Text;Question=A> & <PARAM:Type=Text;Question=B>\n"  // second tag
      "b = <PARAM:Question=C;Type=Text>\n"                                 // Type= not first
      "c = <PARAM:Type=SMTPServer>:<PARAM:Type=SMTPPort>\n"                // one group: fine
      "d = <PARAM:Type=Text;Question=D> <PARAM:>\n";                       // bare: ignored
  const std::string noHeader = dir.write("none.vbt", tags);
  const std::string noKeys = dir.write("nokeys.vbt", "x\n' ****\n' About\n' ****\n" + tags);
  const CliRun run = runCli({"check", noHeader, noKeys});
  EXPECT_EQ(run.status, 0);
  const std::string secondTag =
      ": warning: second tag on a line: the wizard compiles only the first: "
      "<PARAM:Type=Text;Question=B>\n";
  const std::string typeNotFirst =
      ": warning: Type= is not the tag's first attribute: the generator will not recognise the "
      "type: <PARAM:Question=C;Type=Text>\n";
  EXPECT_EQ(run.out, noHeader + ":1" + secondTag + noHeader + ":2" + typeNotFirst + noHeader +
                         ":1: warning: no header block\n" + noKeys + ":5" + secondTag + noKeys +
                         ":6" + typeNotFirst + noKeys +
                         ":2: warning: the header block has no WIZARD:PARAMS= key\n" + noKeys +
                         ":2: warning: the header block has no WIZARD:RESULTS= key\n");

  // --werror, before or after the files, makes them errors.
  for (const auto& args : {std::vector<std::string>{"check", "--werror", noHeader},
                           std::vector<std::string>{"check", noHeader, "--werror"}}) {
    const CliRun strict = runCli(args);
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.out.find(noHeader + ":1: error: no header block"), std::string::npos);
    EXPECT_EQ(strict.out.find("warning"), std::string::npos);
  }
}

TEST(QvscriptCheck, ExitStatusTellsCleanFaultyAndUnreadable) {
  os::test::TempFolder dir;
  const std::string clean = dir.write("clean.vbt", kHeader + "a = <PARAM:Type=Text;Question=A>\n");
  const std::string faulty = dir.write("faulty.vbt", kHeader + "a = <PARAM:Type=Text>\n");
  const std::string missing = dir.file("missing.vbt");
  struct Case {
    std::vector<std::string> files;
    int status;
  };
  const Case cases[] = {
      {{clean}, 0},      {{faulty}, 1},
      {{missing}, 2},    {{faulty, missing, clean}, 2},  // 2 wins over 1
      {{dir.path()}, 2},                                 // a folder is no template
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"check"};
    args.insert(args.end(), c.files.begin(), c.files.end());
    EXPECT_EQ(runCli(args).status, c.status) << c.files.front();
  }
  EXPECT_NE(runCli({"check", missing}).out.find(missing + ": error: cannot be read"),
            std::string::npos);
}

TEST(QvscriptCheck, ShippedTemplatesHaveNoError) {
  for (const auto& entry : std::filesystem::directory_iterator(QV_SOURCE_DIR "/templates")) {
    if (entry.path().extension() != ".vbt") continue;
    const CliRun run = runCli({"check", entry.path().string()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find(": error:"), std::string::npos) << run.out;
  }
}

TEST(QvscriptCommandLine, HelpVersionAndMistakes) {
  EXPECT_EQ(runCli({"--help"}).status, 0);
  EXPECT_NE(runCli({"--help"}).out.find("Usage: qvscript COMMAND"), std::string::npos);
  EXPECT_NE(runCli({"render", "--help"}).out.find("Usage: qvscript render"), std::string::npos);
  EXPECT_EQ(runCli({"--version"}).out.rfind("qvscript (", 0), 0u);
  EXPECT_EQ(runCli({}).status, 2);
  EXPECT_EQ(runCli({"frobnicate"}).status, 2);
  EXPECT_EQ(runCli({"check", "--no-such-option", "x.vbt"}).status, 2);
  EXPECT_EQ(runCli({"render", "x.vbt", "-o"}).status, 2);  // an option without its value
}

}  // namespace
}  // namespace qv::cli::test
