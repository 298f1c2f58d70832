// The page buttons, "Other Web Reports ..." and the system menu.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/browser/browser_run.h"
#include "tests/browser/transcript_summary.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;

const std::string kFullLine = "server,8080,RecConsoleStatus.qvp";
const std::string kHeader = " [Referer:Quorvel Console Browser]";

struct PageCase {
  const char* name;
  std::string commandLine;
  std::string answers;  // for the start-up messages
  int button;
  std::string url;
  std::string label;
};

void PrintTo(const PageCase& c, std::ostream* os) {
  *os << c.name;
}

class PageButtonTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageButtonTest, StopsAndRequestsThePageWithTheHeader) {
  const PageCase& c = GetParam();
  const BrowserRun run =
      runBrowser(c.commandLine, c.answers + "dialog 102\nclick " + std::to_string(c.button) +
                                    "\ndump\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAre("stop", "repaint 1002 Redirecting - please wait ...",
                          "navigate " + c.url + kHeader, "repaint 1005 " + c.label, "sleep 1000",
                          "repaint 1002 ", "dump", "close 102 2", "exit 0"));
  // Only the clicked button stays selected; the connection display is untouched.
  const std::string dump = eventLines(run.result.transcript, "dump").at(0);
  const std::string opened = eventLines(run.result.transcript, "open").at(1);
  for (int id : {1006, 1007, 1008}) {
    EXPECT_EQ(controlMember(dump, id, "checked"), id == c.button ? "true" : "false") << id;
    EXPECT_EQ(controlMember(dump, id, "enabled"), "true") << id;
  }
  EXPECT_EQ(controlMember(dump, 1012, "text"), controlMember(opened, 1012, "text"));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageButtonTest,
    ::testing::Values(
        // Status is the start page: pressing it again requests it anew.
        PageCase{"StatusAgain", kFullLine, "", 1006, "http://server:8080/RecConsoleStatus.qvp",
                 "Current Monitoring Status"},
        PageCase{"Alerts", kFullLine, "", 1007, "http://server:8080/RecConsoleErrors.qvp",
                 "Recently Triggered Alerts"},
        PageCase{"SummaryRequestsConsoleControl", kFullLine, "", 1008,
                 "http://server:8080/ConsoleControl.qvp", "Quorvel Monitor System Summary"},
        PageCase{"DetailsMissing", "server,8080", "answer ok\n", 1007, "/RecConsoleErrors.qvp",
                 "Recently Triggered Alerts"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageButtons, RefreshAfterAPageButtonWorksOnTheNewPage) {
  const BrowserRun run = runBrowser(
      kFullLine,
      "dialog 102\nclick 1008\nnavigated http://server:8080/Other.qvp\nclick 1001\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(only(after(summarise(run.result.transcript), "open 102"), {"navigate", "reload"}),
              ElementsAre("navigate http://server:8080/ConsoleControl.qvp" + kHeader,
                          "navigate http://server:8080/ConsoleControl.qvp" + kHeader));
}

struct ReportsCase {
  const char* name;
  std::string commandLine;
  std::string answers;
  bool launchFails;
  std::string opened;
};

void PrintTo(const ReportsCase& c, std::ostream* os) {
  *os << c.name;
}

class OtherReportsTest : public ::testing::TestWithParam<ReportsCase> {};

TEST_P(OtherReportsTest, OpensTheBaseAddressInTheUsersBrowser) {
  const ReportsCase& c = GetParam();
  ui::script::ScriptSettings settings;
  settings.launchFails = c.launchFails;
  const BrowserRun run = runBrowser(
      c.commandLine, c.answers + "dialog 102\npress Other Web Reports ...\nkey escape\n", settings);
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAre("repaint 1002 Connecting to Quorvel ...", "open-url " + c.opened,
                          "sleep 1000", "repaint 1002 ", "close 102 2", "exit 0"));
}

INSTANTIATE_TEST_SUITE_P(
    Reports, OtherReportsTest,
    ::testing::Values(ReportsCase{"Connected", kFullLine, "", false, "http://server:8080"},
                      // Nothing tells the user when no browser opens.
                      ReportsCase{"LaunchFails", kFullLine, "", true, "http://server:8080"},
                      ReportsCase{"DetailsMissing", "server,abc,RecConsoleStatus.qvp",
                                  "answer ok\n", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemMenu, AboutItemOpensTheAboutBox) {
  const BrowserRun run =
      runBrowser(kFullLine, "dialog 102\nsyscommand 16\ndialog 100\nkey enter\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAre("open 100 About the Quorvel Console Browser", "close 100 1",
                          "close 102 2", "exit 0"));
  const std::string about = eventLines(run.result.transcript, "open").at(2);
  EXPECT_EQ(controlMember(about, 1020, "text"), "133");
  EXPECT_EQ(controlMember(about, 1021, "text"), "Quorvel Console Browser");
  EXPECT_EQ(controlMember(about, 1022, "text"), "Part of the Quorvel Console Suite");
  EXPECT_EQ(controlMember(about, 1023, "text"), "Version 1.0");
  EXPECT_EQ(controlMember(about, 1024, "text"), "Copyright (C) Quorvel Monitoring");
}

struct SysCommandCase {
  int command;
  std::string script;  // after the command
  std::vector<std::string> events;
};

TEST(SystemMenu, OtherCommandsKeepTheirUsualEffect) {
  const SysCommandCase cases[] = {
      // The four low bits do not count.
      {0x0013,
       "dialog 100\nkey enter\nkey escape\n",
       {"open 100 About the Quorvel Console Browser", "close 100 1", "close 102 2", "exit 0"}},
      {0xF020, "key escape\n", {"close 102 2", "exit 0"}},  // minimise
      {0xF010, "key escape\n", {"close 102 2", "exit 0"}},  // move
      {0xF060, "", {"close 102 2", "exit 0"}},              // close: the cancel path
  };
  for (const SysCommandCase& c : cases) {
    const BrowserRun run = runBrowser(
        kFullLine, "dialog 102\nsyscommand " + std::to_string(c.command) + "\n" + c.script);
    ASSERT_EQ(run.result.exitCode, 0) << c.command << "\n" << run.result.transcript;
    EXPECT_EQ(after(summarise(run.result.transcript), "open 102"), c.events) << c.command;
  }
}

TEST(Closing, CloseButtonAndEscapeEndTheProgram) {
  for (const char* action : {"click 2", "press Close", "key escape"}) {
    const BrowserRun run = runBrowser(kFullLine, std::string("dialog 102\n") + action + "\n");
    EXPECT_EQ(run.result.exitCode, 0) << action;
    EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
                ElementsAre("close 102 2", "exit 0"))
        << action;
  }
}

}  // namespace
}  // namespace qv::test
