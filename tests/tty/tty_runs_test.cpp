// Whole runs of both programs driven by the same scripts on the terminal
// backend and on the scripted backend write the same transcripts and the
// same generated script; `screen` writes what the terminal shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "desktop_run.h"
#include "tty_scripts.h"

namespace qv::ttytest {
namespace {

namespace fs = std::filesystem;
using gtktest::ConsoleDemo;
using gtktest::ProgramRun;
using gtktest::runProgram;
using gtktest::RunResult;
using gtktest::transcriptLines;

class TtyRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/qv-ttyruns-XXXXXX";
    dir_ = ::mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  // Runs the wizard on both backends; returns the generated script.
  std::string bothBackends(const std::string& script) {
    const std::string target = (dir_ / "Check.vbs").string();
    ProgramRun run{"qvscriptwizard", {target}, script, "", {}};
    const RunResult scripted = runProgram(run, "script");
    EXPECT_EQ(scripted.exitCode, 0) << scripted.transcript << scripted.errors;
    const std::string generated = readText(target);
    fs::remove(target);
    const RunResult tty = runProgram(run, "tty");
    EXPECT_EQ(tty.exitCode, 0) << tty.transcript << tty.errors;
    EXPECT_EQ(transcriptLines(tty.transcript), transcriptLines(scripted.transcript));
    EXPECT_EQ(readText(target), generated);
    return generated;
  }
  fs::path dir_;
};

TEST_F(TtyRuns, WholeWizardRunWritesTheSameScriptAndTranscript) {
  const std::string generated = bothBackends(wholeRunScript());
  EXPECT_NE(generated.find("strDrive = \"D:\""), std::string::npos) << generated;
}

TEST_F(TtyRuns, RefusedValueAndCancelQuestionMatchTheScriptedRun) {
  const std::string generated = bothBackends(kRefusalAndCancelScript);
  EXPECT_NE(generated.find("strDrive = \"D:\""), std::string::npos) << generated;
}

TEST_F(TtyRuns, BrowserSessionMatchesTheScriptedRun) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  const std::string screen = (dir_ / "browser.txt").string();
  const std::string script =
      "dialog 102\nwait 1500\npress Alerts\nwait 1500\nclick 1001\nwait 1500\nscreen " + screen +
      "\nsyscommand 16\ndialog 100\nkey enter\ndump\nkey escape\n";
  ProgramRun run{"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 script,
                 "",
                 {}};
  const RunResult scripted = runProgram(run, "script");
  ASSERT_EQ(scripted.exitCode, 0) << scripted.transcript << scripted.errors;
  const RunResult tty = runProgram(run, "tty");
  ASSERT_EQ(tty.exitCode, 0) << tty.transcript << tty.errors;
  EXPECT_EQ(transcriptLines(tty.transcript), transcriptLines(scripted.transcript));
  // The web view shows the address, the server's answer and the page's
  // title and text; the green lamp is on.
  const std::string text = readText(screen);
  EXPECT_NE(text.find("RecConsoleErrors.qvp"), std::string::npos) << text;
  EXPECT_NE(text.find("HTTP 200  Recently Triggered Alerts"), std::string::npos) << text;
  // The page's text, a line per table row.
  EXPECT_NE(text.find("Alert  Triggered  Server  Check  Severity  Message"), std::string::npos)
      << text;
  EXPECT_NE(text.find("(●)Connected to 127.0.0.1"), std::string::npos) << text;
}

TEST_F(TtyRuns, RefusedConnectionTurnsTheRedLampOn) {
  const std::string screen = (dir_ / "refused.txt").string();
  ProgramRun run{"qvbrowser",
                 {"127.0.0.1," + std::to_string(gtktest::refusedPort()) + ",RecConsoleStatus.qvp"},
                 "dialog 102\nwait 1500\nscreen " + screen + "\ndump\nkey escape\n",
                 "",
                 {}};
  const RunResult tty = runProgram(run, "tty");
  ASSERT_EQ(tty.exitCode, 0) << tty.transcript << tty.errors;
  EXPECT_NE(tty.transcript.find(
                R"({"id":1013,"kind":"icon","text":"145","enabled":true,"visible":true})"),
            std::string::npos)
      << tty.transcript;
  const std::string text = readText(screen);
  EXPECT_NE(text.find("Not connected ..."), std::string::npos) << text;
  EXPECT_NE(text.find("cannot connect"), std::string::npos) << text;
}

TEST_F(TtyRuns, ScreenLineWritesTheTerminalText) {
  const std::string screen = (dir_ / "welcome.txt").string();
  ProgramRun run{"qvscriptwizard",
                 {(dir_ / "x.vbs").string()},
                 "dialog START-WIZARD\nscreen " + screen + "\nkey escape\nanswer yes\n",
                 "",
                 {}};
  const RunResult tty = runProgram(run, "tty");
  ASSERT_EQ(tty.exitCode, 0) << tty.transcript << tty.errors;
  const std::string text = readText(screen);
  // 24 lines, the caption on the frame, the default button marked.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 24) << text;
  EXPECT_NE(text.find("┌─ Welcome to the Quorvel Scripting Wizard ─"), std::string::npos) << text;
  EXPECT_NE(text.find("< Next -> >"), std::string::npos) << text;
  EXPECT_NE(text.find("[ <- Back ]"), std::string::npos) << text;

  // The scripted backend takes the line and ignores it.
  fs::remove(screen);
  const RunResult scripted = runProgram(run, "script");
  EXPECT_EQ(scripted.exitCode, 0) << scripted.transcript << scripted.errors;
  EXPECT_FALSE(fs::exists(screen));
}

TEST_F(TtyRuns, WithoutDisplayOrTerminalTheProgramSaysSoAndEnds) {
  // QV_UI empty is QV_UI unset; standard output is the test's pipe.
  const RunResult run = runProgram({"qvscriptwizard", {}, "", "", {}}, "");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.errors.find("qvscriptwizard: no display to open windows on and no terminal"),
            std::string::npos)
      << run.errors;
}

TEST_F(TtyRuns, FailedScriptEndsTheRunWithItsErrorLine) {
  ProgramRun run{"qvscriptwizard", {(dir_ / "x.vbs").string()}, "dialog PARAM-TEXT\n", "", {}};
  const RunResult tty = runProgram(run, "tty");
  EXPECT_EQ(tty.exitCode, 3) << tty.errors;
  const auto lines = transcriptLines(tty.transcript);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(
      lines.back().find(
          R"({"event":"script-error","line":1,"message":"the script announces dialog PARAM-TEXT but dialog START-WIZARD waits for input")"),
      std::string::npos)
      << tty.transcript;
}

}  // namespace
}  // namespace qv::ttytest
