// qvscript render and answers: every answer through its page's own checks
// and messages, nothing written while any is refused, the script's bytes the
// wizard's own.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os/paths.h"
#include "tests/cli/qvscript_run.h"
#include "tests/os/temp_folder.h"

namespace qv::cli::test {
namespace {

const std::string kHeader =
    "' ****\n' A check\n' WIZARD:PARAMS=none\n' WIZARD:RESULTS=0 - fine\n' ****\n";

class Render : public ::testing::Test {
 protected:
  std::string templateWith(const std::string& tags) { return dir_.write("t.vbt", kHeader + tags); }
  CliRun render(const std::string& file, std::vector<std::string> sets,
                const std::string& target = "-") {
    std::vector<std::string> args{"render", file, "-o", target};
    for (std::string& set : sets) {
      args.push_back("--set");
      args.push_back(std::move(set));
    }
    return runCli(args);
  }
  os::test::TempFolder dir_;
};

struct PageCase {
  const char* tags;
  std::vector<std::string> sets;
  const char* expected;  // how the first line printed begins
};

// One case per check, each reached through the page that makes it.
TEST_F(Render, EveryPageCheckRefusesWithThePagesMessage) {
  const PageCase cases[] = {
      {"<PARAM:Type=Text;Question=Q>\n",
       {"1="},
       "--set:1: error: The script cannot be generated without the information requested ..."},
      {"<PARAM:Type=Text;Question=Q;NumericOnly>\n",
       {"1=abc"},
       "--set:1: error: The entered value must be numeric ..."},
      {"<PARAM:Type=Text;Question=Q;MaxLength=3>\n", {"1=abcd"}, "--set:1: error: "},
      {"<PARAM:Type=List;Question=Q;Data=A,B>\n",
       {"1="},
       "--set:1: error: The script cannot be generated"},
      {"<PARAM:Type=List;Question=Q;Data=A,B;NoEdit>\n",
       {"1=C"},
       "--set:1: error: not one of the choices: A, B"},
      {"<PARAM:Type=Option;Question=Q;Data=Yes,No>\n",
       {"1=Maybe"},
       "--set:1: error: not one of the choices: Yes, No"},
      {"<PARAM:Type=File;GenerateName>\n",
       {},
       "t.vbt:1: error: Please specify the full path & name of the file you wish to use ..."},
      {"<PARAM:Type=Directory>\n",
       {},
       "t.vbt:1: error: Please enter the full path of the directory you wish to use ..."},
      {"<PARAM:Type=RunCommand>\n",
       {},
       "t.vbt:1: error: Please enter the full path & name of the application you wish to run "
       "..."},
      {"<PARAM:Type=WAVFile>\n",
       {"1="},
       "--set:1: error: Please enter the full path & name of the WAV file you wish to play ..."},
      {"<PARAM:Type=Server>\n",
       {},
       "t.vbt:1: error: Please enter the name or IP-address of the server the script should use "
       "..."},
      {"<PARAM:Type=SMTPServer>\n",
       {},
       "t.vbt:SMTPServer: error: Please enter the name or IP-address of your SMTP Server ..."},
      {"<PARAM:Type=SMTPPort>\n",
       {"SMTPServer=m", "SMTPPort=x"},
       "--set:SMTPPort: error: Please enter the port number for your SMTP Server ..."},
      {"<PARAM:Type=SMTPToEmail>\n",
       {"SMTPServer=m", "smtptoemail=a@YourDomain"},
       "--set:smtptoemail: error: Please enter the recipient's e-mail address ..."},
      {"<PARAM:Type=SMTPFromEmail>\n",
       {"SMTPServer=m", "SMTPToEmail=a@b", "SMTPFromEmail="},
       "--set:SMTPFromEmail: error: Please enter the e-mail address that will send the message - "
       "e.g. Quorvel@<YourDomain> ..."},
      {"<PARAM:Type=SMTPUser>\n",
       {"SMTPUser=u"},
       "t.vbt:SMTPPassword: error: Please enter the password for the user who can logon to your "
       "SMTP server ..."},
      {"<PARAM:Type=SysLogServer>\n",
       {"SysLogServer=s", "SysLogFacility=0"},
       "--set:SysLogFacility: error: Please check/enter the facility code for the logged "
       "information. It must be a numeric value ..."},
      {"<PARAM:Type=SMSHTTPServer>\n",
       {"SMSHTTPServer=s", "SMSHTTPPhoneNo=1"},
       "t.vbt:SMSHTTPUser: error: Please enter your gateway User ID. if you do not have an ID, "
       "please contact your gateway provider  ..."},
      {"<PARAM:Type=SMSHTTPURL>\n",
       {"SMSHTTPResult=0"},
       "--set:SMSHTTPResult: error: Please enter the HTTP result code that indicates success "
       "when the web page is submitted ..."},
      {"<PARAM:Type=SMSSMTPServer>\n",
       {"SMSSMTPServer=s"},
       "t.vbt:SMSSMTPFromEmail: error: Please enter the sender's e-mail address ..."},
      {"<PARAM:Type=SMSSMTPUser>\n",
       {},
       "t.vbt:SMSSMTPPhoneNo: error: Please enter the number of the phone that is to receive the "
       "message ..."},
      {"<PARAM:Type=SMSAPIID>\n", {}, "t.vbt:SMSAPIID: error: Please enter the API ID"},
      {"<PARAM:Type=ODBCDSN>\n",
       {},
       "t.vbt:ODBCDSN: error: Please enter the name of the ODBC data source (DSN) you wish to use "
       "..."},
      {"<PARAM:Type=Domain>\n",
       {},
       "t.vbt:Domain: error: Please enter the name of your domain the script should use"},
      {"<PARAM:Type=MessageTitle>\n",
       {"MessageText="},
       "--set:MessageText: error: Please enter the text of the message that is to be sent or "
       "logged ..."},
      {"<PARAM:Type=EventType>\n",
       {"EventType=3"},
       "--set:EventType: error: not one of the choices: 1 (Error), 2 (Warning), 4 (Information)"},
  };
  for (const PageCase& c : cases) {
    const std::string file = templateWith(c.tags);
    const CliRun run = render(file, c.sets);
    EXPECT_EQ(run.status, 1) << c.tags << run.err;
    EXPECT_TRUE(run.out.empty()) << c.tags;
    // The template's own name stands for the answers that were left out.
    std::string err = run.err;
    for (std::size_t at; (at = err.find(file)) != std::string::npos;) {
      err.replace(at, file.size(), "t.vbt");
    }
    EXPECT_EQ(err.rfind(c.expected, 0), 0u) << c.tags << "\n" << err;
  }
}

TEST_F(Render, QuestionsAreWarningsAnsweredYes) {
  const std::string file =
      templateWith("d = \"<PARAM:Type=Domain>\" & \"<PARAM:Type=DomainDC>\"\n");
  const CliRun run = render(file, {"Domain=corp"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.rfind("--set:Domain: warning: The domain name entered should normally be", 0),
            0u)
      << run.err;
  EXPECT_NE(run.out.find("d = \"corp\" & \"DC=corp\"\r\n"), std::string::npos) << run.out;
}

TEST_F(Render, EveryPagesProblemIsToldAndNothingIsWritten) {
  const std::string file =
      templateWith("<PARAM:Type=Text;Question=A>\n<PARAM:Type=SMTPServer>\n<PARAM:Type=Server>\n");
  const std::string target = dir_.file("out.vbs");
  const CliRun run = render(file, {"1=", "3=srv", "Nonsense=1", "9=x"}, target);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("--set:Nonsense: error: unknown answer\n"), std::string::npos);
  EXPECT_NE(run.err.find("--set:9: error: unknown answer\n"), std::string::npos);
  EXPECT_NE(run.err.find("--set:1: error:"), std::string::npos);
  EXPECT_NE(run.err.find(":SMTPServer: error:"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(Render, SharedAnswerNamesOneFieldAndConflictsAreErrors) {
  const std::string file = templateWith(
      "u = <PARAM:Type=SMTPUser> : p = <PARAM:Type=SMTPPassword>\n"
      "o = <PARAM:Type=ODBCDSN> <PARAM:Type=ODBCUser>\n");
  // ODBCUser fills the SMTP page's user too: they are one answer.
  const CliRun same = render(file, {"ODBCUser=sam", "SMTPPassword=pw", "ODBCDSN=dsn"});
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_NE(same.out.find("u = sam : p = pw\r\n"), std::string::npos) << same.out;
  const CliRun conflict =
      render(file, {"SMTPUser=sam", "odbcuser=max", "SMTPPassword=pw", "ODBCDSN=dsn"});
  EXPECT_EQ(conflict.status, 1);
  EXPECT_NE(conflict.err.find(
                "--set:odbcuser: error: another value for the answer already given as SMTPUser"),
            std::string::npos)
      << conflict.err;
}

TEST_F(Render, AnswersFileIsReadAndSetOverridesIt) {
  const std::string file = templateWith(
      "a = \"<PARAM:Type=Text;Question=A>\"\n"
      "b = \"<PARAM:Type=File>\"\n");
  const std::string answers =
      dir_.write("a.txt", "# mine\n1 = \" first \"\n2 = C:\\new\\temp.log\nbroken\n");
  const CliRun broken = runCli({"render", "--answers", answers, file, "-o", "-"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.err, answers + ":4: error: no \"=\" between key and value\n");

  dir_.write("a.txt", "# mine\n1 = \" first \"\n2 = C:\\new\\temp.log\n");
  const CliRun run = runCli({"render", file, "-o", "-", "--answers", answers, "--set", "1=second"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("a = \"second\"\r\nb = \"C:\\new\\temp.log\"\r\n"), std::string::npos)
      << run.out;
  const CliRun fileOnly = runCli({"render", file, "-o", "-", "--answers", answers});
  EXPECT_NE(fileOnly.out.find("a = \" first \"\r\n"), std::string::npos) << fileOnly.out;

  EXPECT_EQ(runCli({"render", file, "-o", "-", "--answers", dir_.file("none.txt")}).status, 2);
}

TEST_F(Render, StandardOutputAndTargetGetTheSameBytes) {
  const std::string file = templateWith("a = \"<PARAM:Type=Text;Question=A;Default=x>\"\n");
  const std::string target = dir_.file("out.vbs");
  const CliRun toTarget = render(file, {}, target);
  ASSERT_EQ(toTarget.status, 0) << toTarget.err;
  const CliRun preview = render(file, {});
  EXPECT_EQ(os::readWholeFile(target), preview.out);
  EXPECT_NE(preview.out.find("a = \"x\"\r\n"), std::string::npos);
  // The template is never its own target, and an unwritable target is status 2.
  EXPECT_EQ(render(file, {}, file).status, 2);
  EXPECT_EQ(render(file, {}, dir_.file("no/such/folder/out.vbs")).status, 2);
}

TEST_F(Render, TemplateThatDoesNotCompileIsReportedAsCheckReportsIt) {
  const std::string file = templateWith("a = <PARAM:Type=Text>\n");
  const CliRun run = render(file, {});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            file + ":6: error: No question text type was specified ...: <PARAM:Type=Text>\n");
}

TEST_F(Render, AnswersFileOfDefaultsRendersAsThePagesDefaults) {
  const std::string file = dir_.write(
      "all.vbt", *os::readWholeFile(QV_SOURCE_DIR "/tests/fixtures/engine/all_kinds.vbt"));
  const CliRun answers = runCli({"answers", file});
  ASSERT_EQ(answers.status, 0) << answers.err;
  // Every grouped page lists all of its fields, also those without a tag.
  for (const char* key :
       {"\nSMTPServer = ", "\nSMTPPort = 25\n", "\nSysLogPort = 514\n",
        "\nSMSHTTPConnectionMethod = GET\n", "\nSMSHTTPResult = 200\n",
        "\nSMSSMTPFromEmail = Quorvel@<YourDomain>\n", "\nEventType = 1\n",
        "\nODBCPassword = ", "\n2 = Yes\n", "# Choices: Yes | No\n", "# Choices: Fast | Slow\n"}) {
    EXPECT_NE(answers.out.find(key), std::string::npos) << key << "\n" << answers.out;
  }
  // The defaults alone leave required fields empty: the pages refuse them.
  const std::string path = dir_.write("answers.txt", answers.out);
  const CliRun run = runCli({"render", file, "--answers", path, "-o", "-"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(path + ":SMTPServer: error:"), std::string::npos) << run.err;
}

TEST(QvscriptInfo, ShowsTheHeaderPlainAndAsJson) {
  const std::string file = QV_SOURCE_DIR "/templates/Disk Space Check.vbt";
  const CliRun plain = runCli({"info", file});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out.rfind("Description\nDisk Space Check\n", 0), 0u) << plain.out;
  EXPECT_NE(plain.out.find("Compile summary\nCompilation successful\nLines read: 44\n"),
            std::string::npos);
  EXPECT_NE(plain.out.find("Results\n0 - enough free space\n"), std::string::npos);
  const CliRun json = runCli({"info", "--json", file});
  EXPECT_EQ(json.out.rfind("{\"file\":", 0), 0u) << json.out;
  EXPECT_NE(json.out.find("\"compile\":{\"compiled\":true,\"lines\":44,\"parameters\":4}"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"remote\":null"), std::string::npos);
  EXPECT_EQ(runCli({"info", "/no/such/file.vbt"}).status, 2);
}

TEST(QvscriptInfo, ShowsTheRemoteNoticeOfAScript) {
  os::test::TempFolder dir;
  const std::string script = dir.write(
      "remote.vbs", "'****\n' Checks a remote PC\n' WIZARD:REMOTE\n' WIZARD:PARAMS=/a|/b\n'****\n");
  const CliRun plain = runCli({"info", script});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out.find("Compile summary"), std::string::npos);  // a script, no template
  EXPECT_NE(plain.out.find("Calling parameters\n/a\n/b\n"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("Remote connection\nThis script can, or will connect to a remote "
                           "machine"),
            std::string::npos)
      << plain.out;
  const CliRun json = runCli({"info", script, "--json"});
  EXPECT_NE(json.out.find("\"remote\":\"This script can"), std::string::npos) << json.out;
  EXPECT_EQ(json.out.find("\"compile\""), std::string::npos);
}

}  // namespace
}  // namespace qv::cli::test
