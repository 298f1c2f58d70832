// Start-up: the command line, the missing-details messages, the title, the
// start page and the splash window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/browser/browser_run.h"
#include "tests/browser/transcript_summary.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kHeader = " [Referer:Quorvel Console Browser]";
const std::string kNoDetails =
    "message No Quorvel monitoring server connection details specified. Please access this "
    "utility from the Quorvel Console application ... / qvbrowser / warning";
const std::string kMissing =
    "message No (or missing) Quorvel monitoring server connection details specified. Please "
    "access this utility from the Quorvel Console application ... / qvbrowser / warning";
const std::string kLabelMissing = "repaint 1005 [Connection Details Missing]";
const std::string kConnected = "repaint 1012 Connected to server";
const std::string kSplashGone = "close 138 0";
const std::string kTemplateTitle = "Quorvel Console Browser";

struct StartCase {
  const char* name;
  std::string commandLine;
  // Messages, requests, page label, connection text and the splash's end, in order.
  std::vector<std::string> events;
  std::string title;
  int selected;  // the page button selected at start; 0 for none
};

std::vector<StartCase> startCases() {
  const std::string longPage(600, 'p');
  const std::string longServer(478, 's');
  return {
      {"FullLine",
       "server,8080,RecConsoleStatus.qvp",
       {kConnected, "navigate http://server:8080/RecConsoleStatus.qvp" + kHeader,
        "repaint 1005 Current Monitoring Status", kSplashGone},
       "Quorvel Console Browser [server]",
       1006},
      {"EmptyLine",
       "",
       {kSplashGone, kNoDetails, kLabelMissing, kMissing, kLabelMissing},
       kTemplateTitle,
       0},
      {"NoPage", "server,8080", {kSplashGone, kMissing, kLabelMissing}, kTemplateTitle, 0},
      {"EmptyFieldVanishes",
       "server,,RecConsoleStatus.qvp",
       {kSplashGone, kMissing, kLabelMissing},
       kTemplateTitle,
       0},
      {"PortNotANumber",
       "server,abc,RecConsoleStatus.qvp",
       {kSplashGone, kMissing, kLabelMissing, kConnected,
        "navigate /RecConsoleStatus.qvp" + kHeader, "repaint 1005 Current Monitoring Status"},
       kTemplateTitle,
       1006},
      {"BlanksAfterCommas",
       "server, 8080, RecConsoleStatus.qvp",
       {kConnected, "navigate http://server:8080/ RecConsoleStatus.qvp" + kHeader, kSplashGone},
       "Quorvel Console Browser [server]",
       0},
      {"UnknownPage",
       "server,8080,ConsoleControl.qvp",
       {kConnected, "navigate http://server:8080/ConsoleControl.qvp" + kHeader, kSplashGone},
       "Quorvel Console Browser [server]",
       0},
      {"PortWithTrailingLetters",
       "server,8080x,RecConsoleErrors.qvp",
       {kConnected, "navigate http://server:8080/RecConsoleErrors.qvp" + kHeader,
        "repaint 1005 Recently Triggered Alerts", kSplashGone},
       "Quorvel Console Browser [server]",
       1007},
      {"NegativePort",
       "server,-1,RecConsoleStatus.qvp",
       {kConnected, "navigate http://server:-1/RecConsoleStatus.qvp" + kHeader,
        "repaint 1005 Current Monitoring Status", kSplashGone},
       "Quorvel Console Browser [server]",
       1006},
      {"FourthFieldIgnored",
       "server,8080,RecConsoleStatus.qvp,extra",
       {kConnected, "navigate http://server:8080/RecConsoleStatus.qvp" + kHeader,
        "repaint 1005 Current Monitoring Status", kSplashGone},
       "Quorvel Console Browser [server]",
       1006},
      {"LineFeedSeparates",
       "server\n8080\nRecConsoleSummary.qvp",
       {kConnected, "navigate http://server:8080/RecConsoleSummary.qvp" + kHeader,
        "repaint 1005 Quorvel Monitor System Summary", kSplashGone},
       "Quorvel Console Browser [server]",
       1008},
      // The tail is cut to 499 bytes, and the address formed from it again.
      {"TailOver499Bytes",
       "s,8080," + longPage,
       {"repaint 1012 Connected to s",
        "navigate " + ("http://s:8080/" + longPage.substr(0, 492)).substr(0, 499) + kHeader,
        kSplashGone},
       "Quorvel Console Browser [s]",
       0},
      // The line and the address fit their buffers, the title does not.
      {"TitleOver499Bytes",
       longServer + ",8080,R.qvp",
       {"repaint 1012 Connected to " + longServer,
        "navigate http://" + longServer + ":8080/R.qvp" + kHeader, kSplashGone},
       ("Quorvel Console Browser [" + longServer + "]").substr(0, 499),
       0},
  };
}

void PrintTo(const StartCase& c, std::ostream* os) {
  *os << c.name;
}

class StartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartTest, ReadsTheCommandLine) {
  const StartCase& c = GetParam();
  std::string script;
  for (const std::string& e : c.events) {
    if (e.starts_with("message")) script += "answer ok\n";
  }
  script += "dialog 102\nkey escape\n";
  const BrowserRun run = runBrowser(c.commandLine, script);
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;

  const auto lines = summarise(run.result.transcript);
  EXPECT_THAT(only(lines, {"message", "navigate", "repaint 1005", "repaint 1012", "close 138"}),
              ElementsAreArray(c.events));

  const auto opened = eventLines(run.result.transcript, "open");
  ASSERT_EQ(opened.size(), 2u);  // the splash window, then the main dialog
  const std::string& main = opened[1];
  EXPECT_EQ(member(main, "title"), c.title);
  for (int button : {1006, 1007, 1008}) {
    EXPECT_EQ(controlMember(main, button, "checked"), button == c.selected ? "true" : "false")
        << "button " << button;
  }
}

INSTANTIATE_TEST_SUITE_P(CommandLines, StartTest, ::testing::ValuesIn(startCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartOrder, SplashShowsWhileTheStartPageIsRequested) {
  const BrowserRun run = runBrowser("server,8080,RecConsoleStatus.qvp", "dialog 102\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(summarise(run.result.transcript),
              ElementsAre("open 138 ", "show 138", "repaint 138", kConnected, "repaint 1013 hidden",
                          "repaint 1014 shown",
                          "navigate http://server:8080/RecConsoleStatus.qvp" + kHeader,
                          "repaint 1005 Current Monitoring Status", "sleep 500", kSplashGone,
                          "open 102 Quorvel Console Browser [server]", "close 102 2", "exit 0"));
  const auto main = eventLines(run.result.transcript, "open")[1];
  EXPECT_EQ(controlMember(main, 1012, "text"), "Connected to server");
  EXPECT_EQ(controlMember(main, 1014, "visible"), "true");
  EXPECT_EQ(controlMember(main, 1013, "visible"), "false");
}

TEST(StartOrder, MissingDetailsLeaveTheDisplayBlank) {
  const BrowserRun run = runBrowser("", "answer ok\nanswer ok\ndialog 102\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  const auto main = eventLines(run.result.transcript, "open")[1];
  EXPECT_EQ(controlMember(main, 1012, "text"), "");
  EXPECT_EQ(controlMember(main, 1013, "visible"), "false");
  EXPECT_EQ(controlMember(main, 1014, "visible"), "false");
  EXPECT_EQ(controlMember(main, 1005, "text"), "[Connection Details Missing]");
}

TEST(StartOrder, SystemMenuAndIconAreSetBeforeTheDialogShows) {
  const BrowserRun run = runBrowser("server,8080,RecConsoleStatus.qvp", "dialog 102\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  ASSERT_FALSE(run.sleeps.empty());
  const SleepSnapshot& atStart = run.sleeps.front();
  EXPECT_EQ(atStart.ms, 500);
  EXPECT_EQ(atStart.icon, "133");
  ASSERT_EQ(atStart.systemMenu.size(), 2u);
  EXPECT_EQ(atStart.systemMenu[0].text, "");  // the separator
  EXPECT_EQ(atStart.systemMenu[1].text, "&About Quorvel Console Browser...");
  EXPECT_EQ(atStart.systemMenu[1].command, 16);
}

}  // namespace
}  // namespace qv::test
