// Whole wizard runs over templates with grouped pages: the sample templates
// end with every tag answered, and the answers that several pages share go
// to every tag of every group from the page shown last.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/grouped_pages/grouped_run.h"
#include "tests/os_odbc/odbc_config.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kHeaderAndTarget = "dialog HEADER-INFO\nclick 1010\n";
constexpr std::string_view kEnd = "dialog READY\nclick 1010\ndialog COMPLETE\nclick 1\n";

class GroupedWizardRuns : public ::testing::Test {
 protected:
  WizardRun runOn(const std::string& templatePath, std::string_view pages) {
    std::filesystem::remove(h.path("out.vbs"));  // else the save-as page asks to overwrite
    const std::string script = "dialog START-WIZARD\nclick 1010\nfile " + templatePath + "\n" +
                               std::string(kHeaderAndTarget) + "dialog SAVEAS\nset 1035 " +
                               h.path("out.vbs") + "\nclick 1010\n" + std::string(pages) +
                               std::string(kEnd);
    return h.run(script);
  }
  WizardHarness h;
  qv::test::OdbcConfig odbc{{"QuorvelDB"}};
};

TEST_F(GroupedWizardRuns, EverySampleTemplateEndsWithEveryTagAnswered) {
  struct Case {
    const char* file;
    std::string pages;
    std::vector<std::string> expected;  // pieces of the generated script
  };
  const Case cases[] = {
      {"Email Alert with SMTP Logon.vbt",
       "dialog PARAM-SMTPCONNECTION\nset 1014 mail.corp.example\nset 1017 ops@corp.example\n"
       "set 1016 quorvel@corp.example\nclick 1010\n"
       "dialog PARAM-SMTPUSER\nset 1007 mailer\nset 1018 s3cret\nclick 1010\n",
       {"= \"mail.corp.example\"", "smtpserverport\") = 25", "\"mailer\"", "\"s3cret\""}},
      {"Syslog Alert.vbt",
       "dialog PARAM-SYSLOG\nset 1006 loghost\nclick 1010\n",
       {"priority = 14 * 8 + 1", "\"loghost\"", "RemotePort = 514"}},
      {"Event Log Alert.vbt",
       "dialog PARAM-EVENTLOG\nselect 1032 1\nclick 1010\n",
       {"pc = \"\"", "LogEvent(2,"}},
      {"SMS Alert via Clickatell.vbt",
       "dialog PARAM-SMS-HTTP1\nset 1029 447700900123\nset 1007 gw\nset 1018 pw\nclick 1010\n"
       "dialog PARAM-SMS-HTTP2\nclick 1010\n"
       "dialog PARAM-SMS-API\nset 1027 3412345\nclick 1010\n",
       {"\"http://sms.clickatell.example/http/sendmsg\"", "api_id=3412345", "Status <> 200",
        "Gateway sms.clickatell.example:80"}},
      {"SMS Alert by Email.vbt",
       "dialog PARAM-SMS-SMTP1\nset 1024 mail.corp.example\nset 1017 sms@gw.example\n"
       "set 1016 quorvel@corp.example\nclick 1010\n"
       "dialog PARAM-SMS-SMTP2\nset 1029 447700900123\nset 1007 gw\nset 1018 pw\nclick 1010\n",
       {"msg.To = \"sms@gw.example\"", "to:447700900123"}},
      {"Server Ping Check.vbt",
       "dialog PARAM-SERVER\nset 1014 MAIL01\nclick 1010\n",
       {"\"MAIL01\" & \"'\""}},
      {"Domain User Count.vbt",
       "dialog PARAM-DOMAIN\nset 1064 corp.example.local\nclick 1010\n",
       {"\"DC=corp, DC=example, DC=local\"", "\"corp.example.local has \""}},
      {"ODBC Row Count Check.vbt",
       "dialog PARAM-ODBC\nselect 1054 0\nclick 1010\n",
       {"DSN=QuorvelDB;Server=;"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string source = std::string(QV_SOURCE_DIR) + "/templates/" + c.file;
    const WizardRun run = runOn(h.write(c.file, *os::readWholeFile(source)), c.pages);
    EXPECT_RUN_EXIT(run, 0);
    ASSERT_TRUE(run.target);
    EXPECT_EQ(run.target->find("<PARAM:"), std::string::npos) << *run.target;
    for (const std::string& piece : c.expected) {
      EXPECT_NE(run.target->find(piece), std::string::npos) << piece << "\n" << *run.target;
    }
  }
}

TEST_F(GroupedWizardRuns, TheUserAndPasswordOfThePageShownLastGoToEveryTag) {
  const std::string odbcLine =
      "b = \"<PARAM:Type=ODBCDSN>/<PARAM:Type=ODBCUser>/<PARAM:Type=ODBCPassword>\"\n";
  struct Case {
    const char* userTag;
    const char* passwordTag;
    bool odbcFirst;
    std::string firstPage, secondPage;
    std::string expected;
  };
  const std::string odbcPage =
      "dialog PARAM-ODBC\nset 1054 QuorvelDB\nset 1007 dbuser\nset 1018 dbpass\nclick 1010\n";
  const Case cases[] = {
      {"SMTPUser", "SMTPPassword", false,
       "dialog PARAM-SMTPUSER\nset 1007 mailer\nset 1018 mailpass\nclick 1010\n", odbcPage,
       "a = \"dbuser/dbpass\"\r\nb = \"QuorvelDB/dbuser/dbpass\""},
      {"SMSHTTPUser", "SMSHTTPPassword", true, odbcPage,
       "dialog PARAM-SMS-HTTP1\nset 1020 gw\nset 1029 1\nset 1007 smsuser\nset 1018 smspass\n"
       "click 1010\n",
       "a = \"smsuser/smspass\"\r\nb = \"QuorvelDB/smsuser/smspass\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.userTag);
    const std::string otherLine = "a = \"<PARAM:Type=" + std::string(c.userTag) +
                                  ">/<PARAM:Type=" + std::string(c.passwordTag) + ">\"\n";
    const std::string text = c.odbcFirst ? odbcLine + otherLine : otherLine + odbcLine;
    const WizardRun run = runOn(h.write("shared.vbt", text), c.firstPage + c.secondPage);
    EXPECT_RUN_EXIT(run, 0);
    ASSERT_TRUE(run.target);
    for (std::size_t at = 0; at < c.expected.size();) {
      const std::size_t end = c.expected.find("\r\n", at);
      const std::string line = c.expected.substr(at, end - at);
      EXPECT_NE(run.target->find(line), std::string::npos) << line << "\n" << *run.target;
      at = end == std::string::npos ? c.expected.size() : end + 2;
    }
  }
}

TEST_F(GroupedWizardRuns, GoingBackToTheDomainPageReplacesBothDomainTags) {
  const std::string t = h.write("d.vbt",
                                "d = \"<PARAM:Type=Domain>\"\n"
                                "dc = \"<PARAM:Type=DomainDC>\"\n"
                                "n = \"<PARAM:Type=Text;Question=Name>\"\n");
  const WizardRun run = runOn(t,
                              "dialog PARAM-DOMAIN\nset 1064 corp.example.local\nclick 1010\n"
                              "dialog PARAM-TEXT\nset 1006 x\nclick 1034\n"
                              "dialog PARAM-DOMAIN\nset 1064 sales.local\nclick 1010\n"
                              "dialog PARAM-TEXT\nclick 1010\n");
  EXPECT_RUN_EXIT(run, 0);
  ASSERT_TRUE(run.target);
  EXPECT_EQ(*run.target, "d = \"sales.local\"\r\ndc = \"DC=sales, DC=local\"\r\nn = \"x\"\r\n");
}

}  // namespace
}  // namespace qv::wizard::test
