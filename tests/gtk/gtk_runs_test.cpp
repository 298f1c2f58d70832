// Whole runs of both programs driven by the same scripts on the desktop
// backend and on the scripted backend write the same transcripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "desktop_run.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

std::string readScript(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class DesktopRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveVirtualDisplay()) GTEST_SKIP() << "xvfb-run is not installed";
    char pattern[] = "/tmp/qv-gtkruns-XXXXXX";
    dir_ = ::mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }
  fs::path dir_;
};

TEST_F(DesktopRuns, WizardRunWritesTheSameScriptAndTranscript) {
  const std::string target = (dir_ / "DiskCheck.vbs").string();
  ProgramRun run{"qvscriptwizard",
                 {target},
                 readScript(QV_SOURCE_DIR "/templates/demo/disk-check.script"),
                 "",
                 {"XDG_DATA_DIRS=" + dir_.string()}};
  const RunResult scripted = runProgram(run, "script");
  ASSERT_EQ(scripted.exitCode, 0) << scripted.transcript << scripted.errors;
  const std::string scriptedFile = readScript(target);
  fs::remove(target);

  const RunResult desktop = runProgram(run, "gtk");
  ASSERT_EQ(desktop.exitCode, 0) << desktop.transcript << desktop.errors;
  EXPECT_EQ(transcriptLines(desktop.transcript), transcriptLines(scripted.transcript));
  EXPECT_EQ(readScript(target), scriptedFile);
  EXPECT_NE(scriptedFile.find("strDrive = \"D:\""), std::string::npos);
}

TEST_F(DesktopRuns, FailedScriptEndsTheRunWithItsErrorLine) {
  ProgramRun run{"qvscriptwizard",
                 {(dir_ / "x.vbs").string()},
                 "dialog PARAM-TEXT\n",
                 "",
                 {"XDG_DATA_DIRS=" + dir_.string()}};
  const RunResult desktop = runProgram(run, "gtk");
  EXPECT_EQ(desktop.exitCode, 3) << desktop.errors;
  const auto lines = transcriptLines(desktop.transcript);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(
      lines.back().find(
          R"({"event":"script-error","line":1,"message":"the script announces dialog PARAM-TEXT but dialog START-WIZARD waits for input")"),
      std::string::npos)
      << desktop.transcript;
}

TEST_F(DesktopRuns, BrowserSessionMatchesTheScriptedRun) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  // Page buttons, a refresh and the about box from the window menu.
  const std::string script =
      "dialog 102\nwait 1500\npress Alerts\nwait 1500\nclick 1001\nwait 1500\n"
      "syscommand 16\ndialog 100\nkey enter\ndump\nkey escape\n";
  ProgramRun run{"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 script,
                 "",
                 {}};
  const RunResult scripted = runProgram(run, "script");
  ASSERT_EQ(scripted.exitCode, 0) << scripted.transcript << scripted.errors;
  const RunResult desktop = runProgram(run, "gtk");
  ASSERT_EQ(desktop.exitCode, 0) << desktop.transcript << desktop.errors;
  EXPECT_EQ(transcriptLines(desktop.transcript), transcriptLines(scripted.transcript));
}

}  // namespace
}  // namespace qv::gtktest
