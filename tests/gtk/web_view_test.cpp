// The web view against the stand-in console on loopback: the request header
// as the server receives it, and the navigation errors that turn the red
// lamp on.
#include <gtest/gtest.h>

#include "desktop_run.h"

namespace qv::gtktest {
namespace {

constexpr const char* kRedLampShown =
    R"({"id":1013,"kind":"icon","text":"145","enabled":true,"visible":true})";

std::string pageArgument(int port) {
  return "127.0.0.1," + std::to_string(port) + ",RecConsoleStatus.qvp";
}

// The dump of the browser dialog after the script's actions and a wait.
std::string dumpAfter(int port, const std::string& actions) {
  ProgramRun run{"qvbrowser",
                 {pageArgument(port)},
                 "dialog 102\n" + actions + "wait 2500\ndump\nkey escape\n",
                 "",
                 {}};
  const RunResult result = runProgram(run, "gtk");
  EXPECT_EQ(result.exitCode, 0) << result.transcript << result.errors;
  for (const std::string& line : transcriptLines(result.transcript)) {
    if (line.rfind(R"({"event":"dump")", 0) == 0) return line;
  }
  ADD_FAILURE() << "no dump in " << result.transcript;
  return {};
}

class WebView : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveVirtualDisplay()) GTEST_SKIP() << "xvfb-run is not installed";
  }
};

TEST_F(WebView, HeaderGoesWithNavigationsAndNotWithReloads) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  ProgramRun run{"qvbrowser",
                 {pageArgument(console.port())},
                 "dialog 102\nwait 1500\npress Alerts\nwait 1500\nclick 1001\nwait 1500\n"
                 "key escape\n",
                 "",
                 {}};
  const RunResult result = runProgram(run, "gtk");
  ASSERT_EQ(result.exitCode, 0) << result.transcript << result.errors;
  const auto log = console.get("/_control/log");
  ASSERT_TRUE(log);
  const auto lines = transcriptLines(*log);
  const std::vector<std::string> expected = {
      R"(GET /RecConsoleStatus.qvp 200 "Quorvel Console Browser")",
      R"(GET /RecConsoleErrors.qvp 200 "Quorvel Console Browser")",
      R"(GET /RecConsoleErrors.qvp 200 -)",
  };
  std::vector<std::string> pages;
  for (const std::string& line : lines) {
    if (line.find(".qvp") != std::string::npos) pages.push_back(line);
  }
  EXPECT_EQ(pages, expected) << *log;
}

struct FailingServer {
  const char* name;
  bool refused;  // else the pages answer HTTP 500
};

class FailedNavigation : public WebView, public ::testing::WithParamInterface<FailingServer> {};

TEST_P(FailedNavigation, TurnsTheRedLampOn) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  int port = console.port();
  if (GetParam().refused) {
    port = refusedPort();
  } else {
    ASSERT_TRUE(console.get("/_control/fail?status=500"));
  }
  EXPECT_NE(dumpAfter(port, "").find(kRedLampShown), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Servers, FailedNavigation,
                         ::testing::Values(FailingServer{"RefusedPort", true},
                                           FailingServer{"Http500", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebView, PageButtonDuringALoadIsNoFailure) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  const std::string dump =
      dumpAfter(console.port(), "press Alerts\npress Summary\npress Status\npress Alerts\n");
  EXPECT_EQ(dump.find(kRedLampShown), std::string::npos) << dump;
  EXPECT_NE(dump.find(R"({"id":1014,"kind":"icon","text":"146","enabled":true,"visible":true})"),
            std::string::npos)
      << dump;
}

}  // namespace
}  // namespace qv::gtktest
