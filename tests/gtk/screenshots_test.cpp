// A picture of every dialog of both programs, written into the build tree's
// screenshots/ folder for the documentation and for a look. The wizard runs
// over templates of our own that reach every page between them.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "desktop_run.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

const fs::path kShots = QV_BINARY_DIR "/screenshots";

fs::path shotFile(const std::string& program, const std::string& dialog) {
  return kShots / (program + "-" + dialog + ".png");
}

// A `dialog NAME` line is followed by a picture of NAME the first time a run
// reaches it (`taken` holds the dialogs pictured so far). A script that
// wants the picture later, e.g. after filling the page, writes
// `screenshot NAME` there instead.
std::string withScreenshots(const std::string& script, const std::string& program,
                            std::set<std::string>& taken) {
  const std::string shot = "screenshot ";
  std::set<std::string> placed;
  std::istringstream scan(script);
  std::string line;
  while (std::getline(scan, line)) {
    if (line.rfind(shot, 0) == 0) placed.insert(line.substr(shot.size()));
  }
  std::istringstream in(script);
  std::ostringstream out;
  const auto picture = [&](const std::string& name) {
    taken.insert(name);
    out << "wait 300\nscreenshot " << shotFile(program, name).string() << '\n';
  };
  while (std::getline(in, line)) {
    if (line.rfind(shot, 0) == 0) {
      picture(line.substr(shot.size()));
      continue;
    }
    out << line << '\n';
    if (line.rfind("dialog ", 0) != 0) continue;
    const std::string name = line.substr(7);
    if (!taken.contains(name) && !placed.contains(name)) picture(name);
  }
  return out.str();
}

bool isPng(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  char magic[8] = {};
  in.read(magic, sizeof magic);
  return in && std::string(magic, 8) == "\x89PNG\r\n\x1a\n" && fs::file_size(file) > 1000;
}

// A loopback port that accepts connections (into its backlog) for the life
// of the object: an SMTP server as far as the server search can tell.
class Listener {
 public:
  Listener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(fd_, 8) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
  }
  ~Listener() {
    if (fd_ >= 0) ::close(fd_);
  }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

// The pages that answer one tag each, a header for the information page and
// a TODO: marker for the completion notice.
constexpr std::string_view kOwnPages =
    "'**********\n"
    "' Watches a service, restarts it when it stops and reports what it found.\n"
    "' WIZARD:PARAMS=/server:<name> /quiet\n"
    "' WIZARD:PARAMEXAMPLE=/server:MAIL01\n"
    "' WIZARD:RESULTS=0 - the service runs|1 - the service was restarted|2 - the restart "
    "failed\n"
    "'**********\n"
    "strService = \"<PARAM:Type=Text;Question=Which service should be watched;Default=Spooler;"
    "Help=Enter the service name as the Services console shows it under Service name.>\"\n"
    "strReport = \"<PARAM:Type=List;Question=What should be reported when the service is "
    "stopped;Data=Service stopped,Service down,Service not running;Help=Choose a text or type "
    "your own.>\"\n"
    "strUnit = \"<PARAM:Type=List;Question=In which unit is the wait given;Data=Seconds=s,"
    "Minutes=m;NoEdit;Help=The restart is given this long.>\"\n"
    "blnLog = <PARAM:Type=Option;Question=Should the result be written to the event log;"
    "Data=Yes=True,No=False;Help=The entry carries the state of the service.>\n"
    "strLog = \"<PARAM:Type=File;Question=Which file should the check write its log to;"
    "Default=C:\\Logs\\ServiceWatch.log;Help=Each check adds a line to this file.>\"\n"
    "strDumps = \"<PARAM:Type=Directory;Question=Where should crash dumps be collected;"
    "Default=C:\\Dumps;Help=The folder must exist on the monitored server.>\"\n"
    "strAction = \"<PARAM:Type=RunCommand;Default=CMD /c \"C:\\Scripts\\Recover.cmd\";"
    "Help=This command runs whenever the service is found down.>\"\n"
    "strSound = \"<PARAM:Type=WAVFile;Default=C:\\Windows\\Media\\Windows Critical Stop.wav;"
    "Help=Played once for every alert.>\"\n"
    "strServer = \"<PARAM:Type=Server;Question=Which server runs the service;Help=Enter the "
    "name or IP address of the server, or click '...' to look for it.>\"\n"
    "' TODO: add the service's dependencies\n";

// One tag of every grouped page; "Clickatell" in the file name fills in the
// SMS gateway.
constexpr std::string_view kGroupedPages =
    "strTitle = \"<PARAM:Type=MessageTitle>\"\n"
    "strText = \"<PARAM:Type=MessageText>\"\n"
    "strSmtp = \"<PARAM:Type=SMTPServer>:<PARAM:Type=SMTPPort>\"\n"
    "strTo = \"<PARAM:Type=SMTPToEmail>\"\n"
    "strFrom = \"<PARAM:Type=SMTPFromEmail>\"\n"
    "strUser = \"<PARAM:Type=SMTPUser>\"\n"
    "strPass = \"<PARAM:Type=SMTPPassword>\"\n"
    "strSyslog = \"<PARAM:Type=SysLogServer>:<PARAM:Type=SysLogPort>\"\n"
    "intPri = <PARAM:Type=SysLogFacility> * 8 + <PARAM:Type=SysLogSeverity>\n"
    "strPc = \"<PARAM:Type=EventLogPC>\"\n"
    "intType = <PARAM:Type=EventType>\n"
    "strGateway = \"<PARAM:Type=SMSHTTPServer>:<PARAM:Type=SMSHTTPPort>\"\n"
    "strMethod = \"<PARAM:Type=SMSHTTPConnectionMethod>\"\n"
    "strPhone = \"<PARAM:Type=SMSHTTPPhoneNo>\"\n"
    "strUrl = \"<PARAM:Type=SMSHTTPURL>\"\n"
    "intSent = <PARAM:Type=SMSHTTPResult>\n"
    "strSent = \"<PARAM:Type=SMSHTTPSuccessText>\"\n"
    "strFailed = \"<PARAM:Type=SMSHTTPFailureText>\"\n"
    "strApi = \"<PARAM:Type=SMSAPIID>\"\n"
    "strSmsMail = \"<PARAM:Type=SMSSMTPServer>:<PARAM:Type=SMSSMTPPort>\"\n"
    "strSmsTo = \"<PARAM:Type=SMSSMTPToEmail>\"\n"
    "strSmsFrom = \"<PARAM:Type=SMSSMTPFromEmail>\"\n"
    "strSmsPhone = \"<PARAM:Type=SMSSMTPPhoneNo>\"\n"
    "strDomain = \"<PARAM:Type=Domain;Question=Which domain should be searched>\"\n"
    "strDc = \"<PARAM:Type=DomainDC>\"\n"
    "strDsn = \"<PARAM:Type=ODBCDSN>;<PARAM:Type=ODBCServer>;<PARAM:Type=ODBCDatabase>\"\n";

constexpr std::string_view kFaulty =
    "' Counts the rows of a table.\n"
    "strTable = \"<PARAM:Type=Text;Question=Which table should be counted>\"\n"
    "lngLimit = <PARAM:Type=Number;Question=How many rows are too many>\n";

// Every dialog resource of the wizard that waits for the user. WORKING is
// modeless and only shows while the wizard compiles or writes, so no script
// line can picture it.
const char* const kWizardDialogs[] = {
    "FILE_EXISTS",     "START-WIZARD",    "HEADER-INFO",       "SAVEAS",
    "READY",           "COMPLETE",        "PARAM-INFO",        "COMPILE_ERROR",
    "PARAM-TEXT",      "PARAM-LIST",      "PARAM-LIST-NOEDIT", "PARAM-2OPTION",
    "PARAM-FILE",      "PARAM-DIRECTORY", "PARAM-RUN",         "PARAM-WAVFILE",
    "PARAM-MESSAGE",   "MSG-BUILDER",     "PARAM-SMTPUSER",    "PARAM-SMTPCONNECTION",
    "PARAM-SYSLOG",    "PARAM-EVENTLOG",  "PARAM-SMS-API",     "PARAM-SMS-HTTP1",
    "PARAM-SMS-HTTP2", "PARAM-SMS-SMTP1", "PARAM-SMS-SMTP2",   "PARAM-SERVER",
    "PARAM-DOMAIN",    "PARAM-ODBC",      "FIND_SERVER",       "FIND_EMAILSERVER",
};

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveVirtualDisplay()) GTEST_SKIP() << "xvfb-run is not installed";
    fs::create_directories(kShots);
    char pattern[] = "/tmp/qv-gtkshots-XXXXXX";
    dir_ = ::mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }
  fs::path dir_;
};

TEST_F(Screenshots, EveryDialogOfTheWizard) {
  std::ofstream(dir_ / "Service Watch.vbt") << kOwnPages;
  std::ofstream(dir_ / "Alert via Clickatell.vbt") << kGroupedPages;
  std::ofstream(dir_ / "Row Count.vbt") << kFaulty;
  // Two data sources for the ODBC page, in a configuration of the run's own.
  fs::create_directories(dir_ / "odbc");
  std::ofstream(dir_ / "odbc/odbcinst.ini")
      << "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n";
  std::ofstream(dir_ / "odbc/odbc.ini")
      << "[ODBC Data Sources]\nQuorvelDB=SQLite3\nInventory=SQLite3\n\n"
         "[QuorvelDB]\nDriver=SQLite3\nDatabase=/nonexistent/q.db\n\n"
         "[Inventory]\nDriver=SQLite3\nDatabase=/nonexistent/i.db\n";
  std::ofstream(dir_ / "odbc/user-odbc.ini");
  Listener smtp;
  ASSERT_GT(smtp.port(), 0);

  struct Case {
    const char* what;
    std::string target;  // the program's argument, in the run's folder
    std::string script;
    std::string servers;  // what the server enumeration finds
    int exitCode;
    std::string written;  // the script the run writes, or empty
  };
  const Case cases[] = {
      {"the pages of one tag each, the server search and the information page", "",
       "dialog START-WIZARD\nclick 1010\nfile Service Watch.vbt\n"
       "dialog HEADER-INFO\nclick 1010\n"
       "dialog SAVEAS\nset 1035 ServiceWatch.vbs\nscreenshot SAVEAS\nclick 1010\n"
       "dialog PARAM-TEXT\nclick 1010\n"
       "dialog PARAM-LIST\nselect 1013 1\nscreenshot PARAM-LIST\nclick 1010\n"
       "dialog PARAM-LIST-NOEDIT\nselect 1013 1\nscreenshot PARAM-LIST-NOEDIT\nclick 1010\n"
       "dialog PARAM-2OPTION\nclick 1010\n"
       "dialog PARAM-FILE\nclick 1010\n"
       "dialog PARAM-DIRECTORY\nclick 1010\n"
       "dialog PARAM-RUN\nclick 1010\n"
       "dialog PARAM-WAVFILE\nclick 1010\n"
       "dialog PARAM-SERVER\nclick 3\n"
       "dialog FIND_SERVER\nclick 1905\nselect 1904 1\nscreenshot FIND_SERVER\nclick 1\n"
       "screenshot PARAM-SERVER\nclick 1010\n"
       "dialog READY\nclick 1010\nanswer ok\n"
       "dialog COMPLETE\nclick 1041\ndialog PARAM-INFO\nclick 1\npress Finish\n",
       "MAIL01,FILES01,SQL01,WEB01", 0, "ServiceWatch.vbs"},
      {"the grouped pages, the expression builder and the e-mail server search", "Alert.vbs",
       "dialog START-WIZARD\nclick 1010\nfile Alert via Clickatell.vbt\n"
       "dialog HEADER-INFO\nclick 1010\n"
       // The builder fills the gaps of the typed text with "The server name"
       // and the time the alert was generated (list entry 5).
       "dialog PARAM-MESSAGE\nclick 1914\n"
       "dialog MSG-BUILDER\nset 1907 Check <$$TEST> failed on  at : <$$ERROR>\n"
       "caret 1907 25\nclick 1912\ncaret 1907 39\nselect 1914 5\nclick 1915\n"
       "screenshot MSG-BUILDER\nclick 1\nscreenshot PARAM-MESSAGE\nclick 1010\n"
       "dialog PARAM-SMTPCONNECTION\nclick 3\n"
       "dialog FIND_EMAILSERVER\nclick 1905\nselect 1904 1\nscreenshot FIND_EMAILSERVER\n"
       "click 1\nset 1017 ops@corp.example\nset 1016 quorvel@corp.example\n"
       "screenshot PARAM-SMTPCONNECTION\nclick 1010\n"
       "dialog PARAM-SMTPUSER\nset 1007 mailer\nset 1018 s3cret\nscreenshot PARAM-SMTPUSER\n"
       "click 1010\n"
       "dialog PARAM-SYSLOG\nset 1006 loghost\nscreenshot PARAM-SYSLOG\nclick 1010\n"
       "dialog PARAM-EVENTLOG\nselect 1032 1\nscreenshot PARAM-EVENTLOG\nclick 1010\n"
       "dialog PARAM-SMS-HTTP1\nset 1029 447700900123\nset 1007 gateway\nset 1018 s3cret\n"
       "screenshot PARAM-SMS-HTTP1\nclick 1010\n"
       "dialog PARAM-SMS-HTTP2\nclick 1010\n"
       "dialog PARAM-SMS-API\nset 1027 3412345\nscreenshot PARAM-SMS-API\nclick 1010\n"
       "dialog PARAM-SMS-SMTP1\nset 1024 mail.corp.example\nscreenshot PARAM-SMS-SMTP1\n"
       "click 1010\n"
       "dialog PARAM-SMS-SMTP2\nclick 1010\n"
       "dialog PARAM-DOMAIN\nset 1064 corp.example.local\nscreenshot PARAM-DOMAIN\nclick 1010\n"
       "dialog PARAM-ODBC\nselect 1054 1\nscreenshot PARAM-ODBC\nclick 1010\n"
       "dialog READY\nclick 1010\ndialog COMPLETE\nclick 1\n",
       "localhost,127.0.0.1", 0, "Alert.vbs"},
      {"a template that does not compile", "",
       "dialog START-WIZARD\nclick 1010\nfile Row Count.vbt\n"
       "dialog COMPILE_ERROR\nclick 1\ndialog START-WIZARD\nkey escape\nanswer yes\n",
       "", 0, ""},
      {"an existing target, the wizard cancelled", "Service Watch.vbt",
       "dialog FILE_EXISTS\nclick 1\n", "", 1, ""},
  };
  std::set<std::string> taken;
  for (const char* dialog : kWizardDialogs) fs::remove(shotFile("wizard", dialog));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramRun run{"qvscriptwizard",
                   {},
                   withScreenshots(c.script, "wizard", taken),
                   dir_.string(),
                   {"XDG_DATA_DIRS=" + dir_.string(), "ODBCSYSINI=" + (dir_ / "odbc").string(),
                    "ODBCINI=" + (dir_ / "odbc/user-odbc.ini").string(),
                    "QV_UI_SMTP_PORT=" + std::to_string(smtp.port())}};
    if (!c.target.empty()) run.args.push_back(c.target);
    if (!c.servers.empty()) run.env.push_back("QV_UI_SERVERS=" + c.servers);
    const RunResult result = runProgram(run, "gtk");
    EXPECT_EQ(result.exitCode, c.exitCode) << result.transcript << result.errors;
    if (c.written.empty()) continue;
    std::ifstream in(dir_ / c.written);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_FALSE(written.str().empty()) << c.written;
    EXPECT_EQ(written.str().find("<PARAM:"), std::string::npos) << written.str();
  }
  for (const char* dialog : kWizardDialogs) {
    EXPECT_TRUE(isPng(shotFile("wizard", dialog))) << dialog;
  }
}

// The splash window (138) shows only while the main dialog initialises and
// never waits for the user, so no script line can picture it.
TEST_F(Screenshots, BrowserAndItsAboutBox) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  std::set<std::string> taken;
  for (const char* dialog : {"102", "100"}) fs::remove(shotFile("browser", dialog));
  const std::string script = withScreenshots(
      "dialog 102\nwait 1500\nscreenshot 102\nsyscommand 16\ndialog 100\nkey enter\nkey escape\n",
      "browser", taken);
  ProgramRun run{"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 script,
                 "",
                 {}};
  const RunResult result = runProgram(run, "gtk");
  ASSERT_EQ(result.exitCode, 0) << result.transcript << result.errors;
  for (const char* dialog : {"102", "100"}) {
    EXPECT_TRUE(isPng(shotFile("browser", dialog))) << dialog;
  }
}

}  // namespace
}  // namespace qv::gtktest
