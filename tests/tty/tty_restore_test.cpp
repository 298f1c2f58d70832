// The terminal is given back on every way out: the normal end, a failed
// script, SIGTERM, SIGHUP (the SSH session dropped) and a crash. Afterwards
// the pane has left the alternate screen, shows its cursor, and the line
// discipline echoes and edits lines again.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "tmux_session.h"

namespace qv::ttytest {
namespace {

namespace fs = std::filesystem;

struct WayOut {
  const char* what;
  int signal;      // 0: the program ends by itself
  int exitStatus;  // as the shell reports it
};

void PrintTo(const WayOut& way, std::ostream* out) {
  *out << way.what;
}

class TtyRestore : public ::testing::TestWithParam<WayOut> {
 protected:
  void SetUp() override {
    if (!haveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
};

TEST_P(TtyRestore, TerminalIsGivenBack) {
  const WayOut& way = GetParam();
  char pattern[] = "/tmp/qv-ttyrestore-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  // The normal end is Escape and Yes; a failed script announces the wrong
  // dialog once the welcome page waits.
  const bool failing = std::string(way.what) == "failed script";
  std::ofstream(dir / "bad.script") << "dialog PARAM-TEXT\n";
  const std::string command =
      std::string(
          "env -u DISPLAY -u WAYLAND_DISPLAY LANG=C.UTF-8 TERM=xterm-256color "
          "QV_UI=tty ") +
      (failing ? "QV_UI_SCRIPT=" + (dir / "bad.script").string() + " " : "") +
      QV_BINARY_DIR "/bin/qvscriptwizard " + (dir / "x.vbs").string();
  TmuxSession session(command, QV_SOURCE_DIR);
  if (!failing) {
    ASSERT_TRUE(session.waitFor("Welcome to the Quorvel Scripting Wizard")) << session.screen();
    EXPECT_EQ(session.paneFormat("#{alternate_on}"), "1");
  }
  if (way.signal) {
    ::kill(session.pid(), way.signal);
  } else if (!failing) {
    session.keys({"Escape"});
    ASSERT_TRUE(session.waitFor("Are you sure")) << session.screen();
    session.type("y");
  }
  EXPECT_EQ(session.waitForExit(), way.exitStatus) << session.screen();
  EXPECT_EQ(session.paneFormat("#{alternate_on}"), "0") << way.what;
  EXPECT_EQ(session.paneFormat("#{cursor_flag}"), "1") << way.what;
  // `stty -a` writes a mode that is off with a "-" before it.
  std::istringstream modes(session.modesAfterExit());
  std::set<std::string> on{std::istream_iterator<std::string>(modes), {}};
  for (const char* mode : {"icanon", "echo", "isig", "icrnl"}) {
    EXPECT_TRUE(on.contains(mode)) << way.what << ": " << mode << "\n" << session.modesAfterExit();
  }
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

INSTANTIATE_TEST_SUITE_P(WaysOut, TtyRestore,
                         ::testing::Values(WayOut{"normal end", 0, 0},
                                           WayOut{"failed script", 0, 3},
                                           WayOut{"SIGTERM", SIGTERM, 128 + SIGTERM},
                                           WayOut{"SIGHUP", SIGHUP, 128 + SIGHUP},
                                           WayOut{"crash", SIGSEGV, 128 + SIGSEGV}),
                         [](const auto& info) {
                           std::string name = info.param.what;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

}  // namespace
}  // namespace qv::ttytest
