// Refresh, automatic refresh, navigation errors and the connection display.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/browser/browser_run.h"
#include "tests/browser/transcript_summary.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kFullLine = "server,8080,RecConsoleStatus.qvp";
const std::string kStatusPage = "http://server:8080/RecConsoleStatus.qvp";
const std::string kHeader = " [Referer:Quorvel Console Browser]";

// ShowConnected: text, then both lamps.
const std::vector<std::string> kConnected = {"repaint 1012 Connected to server",
                                             "repaint 1013 hidden", "repaint 1014 shown"};
const std::vector<std::string> kNotConnected = {
    "repaint 1012 Not connected ...", "repaint 1013 shown", "repaint 1014 hidden", "repaint 1005 "};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A refresh that reloads, or one that requests `url` anew.
std::vector<std::string> refreshing(
    const std::string& request,
    const std::string& message = "Refreshing information from Quorvel ...") {
  return join({kConnected, {"repaint 1002 " + message, request, "sleep 1000", "repaint 1002 "}});
}

struct RefreshCase {
  const char* name;
  std::string commandLine;
  std::string before;  // script lines after the dialog opens and before the refresh
  std::string refresh;
  std::string request;  // what the refresh asks of the web view
};

void PrintTo(const RefreshCase& c, std::ostream* os) {
  *os << c.name;
}

class RefreshTest : public ::testing::TestWithParam<RefreshCase> {};

TEST_P(RefreshTest, ReloadsOrRequestsAnewWithButtonsDisabledMeanwhile) {
  const RefreshCase& c = GetParam();
  const std::string answers = c.commandLine == kFullLine ? "" : "answer ok\n";
  const BrowserRun run = runBrowser(
      c.commandLine, answers + "dialog 102\n" + c.before + c.refresh + "\ndump\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAreArray(join({refreshing(c.request), {"dump", "close 102 2", "exit 0"}})));

  ASSERT_EQ(run.sleeps.size(), 2u);  // the splash's, then the refresh's
  EXPECT_TRUE(run.sleeps[0].pageButtonsEnabled);
  EXPECT_EQ(run.sleeps[1].ms, 1000);
  EXPECT_TRUE(run.sleeps[1].pageButtonsDisabled);
  const std::string dump = eventLines(run.result.transcript, "dump").at(0);
  for (int id : {1006, 1007, 1008}) EXPECT_EQ(controlMember(dump, id, "enabled"), "true") << id;
}

INSTANTIATE_TEST_SUITE_P(
    Refresh, RefreshTest,
    ::testing::Values(RefreshCase{"PageShownReloads", kFullLine, "", "click 1001", "reload"},
                      RefreshCase{"EnterIsRefresh", kFullLine, "", "key enter", "reload"},
                      RefreshCase{"LinkNamingThePageReloads", kFullLine,
                                  "navigated http://server:8080/RecConsoleStatus.qvp?detail=cpu\n",
                                  "click 1001", "reload"},
                      RefreshCase{"LinkElsewhereRequestsThePage", kFullLine,
                                  "navigated http://server:8080/Other.qvp\n", "click 1001",
                                  "navigate " + kStatusPage + kHeader},
                      // The page name is compared with case.
                      RefreshCase{"LinkWithOtherCaseRequestsThePage", kFullLine,
                                  "navigated http://server:8080/recconsolestatus.qvp\n",
                                  "click 1001", "navigate " + kStatusPage + kHeader},
                      // An empty page name is found in every address.
                      RefreshCase{"EmptyPageReloads", "server,8080", "", "click 1001", "reload"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AutoRefresh, OnRefreshesAtOnceAndEveryTenSecondsOffStops) {
  const BrowserRun run = runBrowser(kFullLine,
                                    "dialog 102\n"
                                    "click 1003\n"
                                    "wait 10000\n"
                                    "click 1003\n"
                                    "wait 30000\n"
                                    "key escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(
      after(summarise(run.result.transcript), "open 102"),
      ElementsAreArray(join({
          {"timer 1 10000", "repaint 1002 Auto-refesh enabled ...", "sleep 1000", "repaint 1002 "},
          refreshing("reload"),
          refreshing("reload"),  // the timer's
          {"kill-timer 1", "repaint 1002 Auto-refesh disabled ...", "sleep 1000", "repaint 1002 ",
           "close 102 2", "exit 0"},
      })));
}

TEST(AutoRefresh, TimerRefreshesWhateverItsId) {
  const BrowserRun run = runBrowser(kFullLine, "dialog 102\ntimer 7\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAreArray(join({refreshing("reload"), {"close 102 2", "exit 0"}})));
}

TEST(NavigationError, DuringAutoRefreshReleasesTheToggleButKeepsTheTimer) {
  const BrowserRun run = runBrowser(kFullLine,
                                    "dialog 102\n"
                                    "click 1003\n"
                                    "navigate-error\n"
                                    "dump\n"
                                    "wait 10000\n"
                                    "navigate-error\n"
                                    "wait 10000\n"
                                    "click 1003\n"
                                    "key escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  const auto reconnecting =
      refreshing("navigate " + kStatusPage + kHeader, "Reconnecting to Quorvel ...");
  EXPECT_THAT(
      after(summarise(run.result.transcript), "open 102"),
      ElementsAreArray(join({
          {"timer 1 10000", "repaint 1002 Auto-refesh enabled ...", "sleep 1000", "repaint 1002 "},
          refreshing("reload"),
          kNotConnected,  // no kill-timer: the toggle was released, not clicked
          {"dump"},
          reconnecting,  // the timer's refresh
          kNotConnected,
          reconnecting,  // and again while the server stays away
          // Clicking the released toggle restarts the timer; the error was dealt with.
          {"timer 1 10000", "repaint 1002 Auto-refesh enabled ...", "sleep 1000", "repaint 1002 "},
          refreshing("reload"),
          {"close 102 2", "exit 0"},
      })));
  const std::string dump = eventLines(run.result.transcript, "dump").at(0);
  EXPECT_EQ(controlMember(dump, 1003, "checked"), "false");
  EXPECT_EQ(controlMember(dump, 1012, "text"), "Not connected ...");
  EXPECT_EQ(controlMember(dump, 1013, "visible"), "true");
  EXPECT_EQ(controlMember(dump, 1014, "visible"), "false");
  EXPECT_EQ(controlMember(dump, 1005, "text"), "");
}

TEST(NavigationError, PageButtonLeavesTheDisplayNotConnected) {
  const BrowserRun run = runBrowser(kFullLine,
                                    "dialog 102\n"
                                    "navigate-error\n"
                                    "click 1007\n"
                                    "dump\n"
                                    "click 1001\n"
                                    "key escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAreArray(join({
                  kNotConnected,
                  {"stop", "repaint 1002 Redirecting - please wait ...",
                   "navigate http://server:8080/RecConsoleErrors.qvp" + kHeader,
                   "repaint 1005 Recently Triggered Alerts", "sleep 1000", "repaint 1002 ", "dump"},
                  // The next refresh still reconnects, to the page chosen since.
                  refreshing("navigate http://server:8080/RecConsoleErrors.qvp" + kHeader,
                             "Reconnecting to Quorvel ..."),
                  {"close 102 2", "exit 0"},
              })));
  const std::string dump = eventLines(run.result.transcript, "dump").at(0);
  EXPECT_EQ(controlMember(dump, 1012, "text"), "Not connected ...");
  EXPECT_EQ(controlMember(dump, 1013, "visible"), "true");
}

TEST(NavigationError, WithoutAutoRefreshNoTimerRuns) {
  const BrowserRun run =
      runBrowser(kFullLine, "dialog 102\nnavigate-error\nwait 30000\nkey escape\n");
  ASSERT_EQ(run.result.exitCode, 0) << run.result.transcript;
  EXPECT_THAT(after(summarise(run.result.transcript), "open 102"),
              ElementsAreArray(join({kNotConnected, {"close 102 2", "exit 0"}})));
}

}  // namespace
}  // namespace qv::test
