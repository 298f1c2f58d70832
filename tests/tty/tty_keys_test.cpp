// Real key presses in a real terminal (tmux): the wizard finished with the
// keyboard alone writes the same script as the scripted run; a refused value
// and the cancel question (Ctrl+C) are answered with keys; the console
// browser is used with keys; a terminal too small says so.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "desktop_run.h"
#include "tmux_session.h"
#include "tty_scripts.h"

namespace qv::ttytest {
namespace {

namespace fs = std::filesystem;
using gtktest::ConsoleDemo;
using gtktest::ProgramRun;
using gtktest::runProgram;
using gtktest::RunResult;

// What the user waits for on screen, then presses or types.
struct Step {
  std::string waitFor;
  std::vector<std::string> keys;
  std::string text;  // typed before the keys
};

// A program on the terminal backend, chosen by the default rule: no display,
// and standard input and output are the terminal.
std::string terminalCommand(const std::string& program, const std::vector<std::string>& args) {
  std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QV_UI -u QV_UI_SCRIPT -u http_proxy -u HTTP_PROXY "
      "LANG=C.UTF-8 TERM=xterm-256color " QV_BINARY_DIR "/bin/" +
      program;
  for (const std::string& a : args) command += " '" + a + "'";
  return command;
}

void perform(TmuxSession& session, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    ASSERT_TRUE(session.waitFor(step.waitFor)) << "waiting for \"" << step.waitFor << "\"\n"
                                               << session.screen();
    if (!step.text.empty()) session.type(step.text);
    if (!step.keys.empty()) session.keys(step.keys);
  }
}

class TtyKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveTmux()) GTEST_SKIP() << "tmux is not installed";
    char pattern[] = "/tmp/qv-ttykeys-XXXXXX";
    dir_ = ::mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  // The script the scripted backend generates from `script`.
  std::string scriptedResult(const std::string& script) {
    const std::string target = (dir_ / "scripted.vbs").string();
    const RunResult run = runProgram({"qvscriptwizard", {target}, script, "", {}}, "script");
    EXPECT_EQ(run.exitCode, 0) << run.transcript << run.errors;
    return readText(target);
  }
  // The script the wizard generates from key presses.
  std::string keyedResult(const std::vector<Step>& steps) {
    const std::string target = (dir_ / "keyed.vbs").string();
    TmuxSession session(terminalCommand("qvscriptwizard", {target}), QV_SOURCE_DIR);
    perform(session, steps);
    EXPECT_EQ(session.waitForExit(), 0) << session.screen();
    return readText(target);
  }
  fs::path dir_;
};

// The welcome page to the threshold question, with the template chosen by
// typing the start of its name and completing it with Tab.
std::vector<Step> toTheDrive() {
  return {
      // The library button has the focus; Shift+Tab goes round to "Next ->".
      {"Welcome to the Quorvel Scripting Wizard", {"BTab", "Enter"}, ""},
      {"Files of type", {"Tab", "Enter"}, QV_SOURCE_DIR "/templates/Disk"},
      {"Script Information", {"Enter"}, ""},
  };
}

std::vector<Step> fromTheUnit() {
  return {
      {"In which unit is the threshold", {"Home", "Down", "Enter"}, ""},
      {"Should the result be written to the event log", {"Down", "Enter"}, ""},
      {"Ready to Generate Script", {"Enter"}, ""},
      {"The script contains comments", {"Enter"}, ""},
      {"Edit Script", {"Enter"}, ""},
  };
}

std::string withAbsoluteTemplate(std::string script) {
  const std::string relative = "file templates/";
  script.replace(script.find(relative), relative.size(), "file " QV_SOURCE_DIR "/templates/");
  return script;
}

TEST_F(TtyKeys, WholeWizardRunByKeysWritesTheScriptedRunsScript) {
  std::vector<Step> steps = toTheDrive();
  steps.push_back({"Which drive should be checked", {"Enter"}, "D:"});
  steps.push_back({"Below how much free space", {"Enter"}, "15"});
  const std::vector<Step> rest = fromTheUnit();
  steps.insert(steps.end(), rest.begin(), rest.end());
  const std::string expected = scriptedResult(withAbsoluteTemplate(wholeRunScript()));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(keyedResult(steps), expected);
}

TEST_F(TtyKeys, RefusedValueAndCancelQuestionByKeys) {
  std::vector<Step> steps = toTheDrive();
  steps.push_back({"Which drive should be checked", {"Enter"}, "ABCD"});
  steps.push_back({"too long", {"Enter"}, ""});
  // Back on the page: Ctrl+A selects the refused value, typing replaces it.
  steps.push_back({"Which drive should be checked", {"C-a"}, ""});
  steps.push_back({"Which drive should be checked", {"Enter"}, "D:"});
  // Ctrl+C asks the cancel question; "n" is the mnemonic of No.
  steps.push_back({"Below how much free space", {"C-c"}, ""});
  steps.push_back({"Are you sure you want to cancel", {}, "n"});
  steps.push_back({"Below how much free space", {"C-a"}, ""});
  steps.push_back({"Below how much free space", {"Enter"}, "15"});
  const std::vector<Step> rest = fromTheUnit();
  steps.insert(steps.end(), rest.begin(), rest.end());
  const std::string expected = scriptedResult(withAbsoluteTemplate(kRefusalAndCancelScript));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(keyedResult(steps), expected);
}

TEST_F(TtyKeys, FolderChosenInTheFolderBrowserByKeys) {
  const fs::path folder = dir_ / "Exports";
  fs::create_directory(folder);
  std::string script =
      withAbsoluteTemplate(readText(QV_SOURCE_DIR "/templates/demo/folder-cleanup.script"));
  const std::string demoFolder = "folder D:\\Exports\\Daily";
  script.replace(script.find(demoFolder), demoFolder.size(), "folder " + folder.string());
  const std::string expected = scriptedResult(script);
  ASSERT_NE(expected.find(folder.string()), std::string::npos) << expected;
  const std::vector<Step> steps = {
      {"Welcome to the Quorvel Scripting Wizard", {"BTab", "Enter"}, ""},
      {"Files of type", {"Tab", "Enter"}, QV_SOURCE_DIR "/templates/Fold"},
      {"Script Information", {"Enter"}, ""},
      // Tab reaches "...", Space presses it; the folder browser takes the
      // folder typed.
      {"Which folder should be cleaned up", {"Tab", "Space"}, ""},
      {"Folder: ", {"Enter"}, folder.string()},
      {folder.string() + "_", {"Enter"}, ""},
      {"After how many days", {"Enter"}, "14"},
      {"Which file extension", {"Enter"}, "csv"},
      {"Should the sub-folders be cleaned up", {"Down", "Enter"}, ""},
      {"Ready to Generate Script", {"Enter"}, ""},
      {"Edit Script", {"Enter"}, ""},
  };
  EXPECT_EQ(keyedResult(steps), expected);
}

TEST_F(TtyKeys, BrowserByKeysAsksTheConsoleWhatTheScriptedRunAsks) {
  const auto pages = [&](const std::function<void(int port)>& run) {
    ConsoleDemo console;
    EXPECT_GT(console.port(), 0);
    run(console.port());
    return console.get("/_control/log").value_or("");
  };
  const std::string scripted = pages([&](int port) {
    const RunResult run =
        runProgram({"qvbrowser",
                    {"127.0.0.1," + std::to_string(port) + ",RecConsoleStatus.qvp"},
                    "dialog 102\nwait 1500\npress Alerts\nwait 1500\nclick 1001\nwait 1500\n"
                    "syscommand 16\ndialog 100\nkey enter\nkey escape\n",
                    "",
                    {}},
                   "tty");
    EXPECT_EQ(run.exitCode, 0) << run.transcript << run.errors;
  });
  const std::string keyed = pages([&](int port) {
    TmuxSession session(terminalCommand("qvbrowser", {"127.0.0.1," + std::to_string(port) +
                                                      ",RecConsoleStatus.qvp"}),
                        QV_SOURCE_DIR);
    perform(session, {
                         // Shift+Tab reaches the page buttons; Right clicks the next.
                         {"HTTP 200", {"BTab", "Right"}, ""},
                         {"RecConsoleErrors.qvp", {}, ""},
                         {"HTTP 200", {"Enter"}, ""},
                         {"Refreshing information", {}, ""},
                         // Alt+Space opens the window menu; its first item is the about box.
                         {"Connected to", {"M-Space"}, ""},
                         {"About Quorvel Console Browser", {"Enter"}, ""},
                         {"Version 1.0", {"Enter"}, ""},
                     });
    ASSERT_TRUE(session.waitFor("[Other Web]")) << session.screen();
    session.keys({"Escape"});
    EXPECT_EQ(session.waitForExit(), 0) << session.screen();
  });
  EXPECT_NE(scripted.find("RecConsoleErrors.qvp"), std::string::npos) << scripted;
  EXPECT_EQ(keyed, scripted);
}

TEST_F(TtyKeys, ClipboardReachesTheTerminalWithOsc52) {
  // A scripted run in a terminal draws there too; the expression builder's
  // place-marker buttons go through the clipboard.
  std::ofstream(dir_ / "builder.script") << "dialog START-WIZARD\nclick 1010\n"
                                            "file templates/Alert Notification.vbt\n"
                                            "dialog HEADER-INFO\nclick 1010\n"
                                            "dialog PARAM-MESSAGE\nclick 1914\n"
                                            "dialog MSG-BUILDER\nclick 1912\nwait 60000\n";
  TmuxSession session(
      "env -u DISPLAY LANG=C.UTF-8 TERM=xterm-256color QV_UI=tty "
      "QV_UI_SCRIPT=" +
          (dir_ / "builder.script").string() + " " QV_BINARY_DIR "/bin/qvscriptwizard " +
          (dir_ / "x.vbs").string(),
      QV_SOURCE_DIR);
  ASSERT_TRUE(session.waitFor("Expression Builder")) << session.screen();
  for (int i = 0; i < 100 && session.pasteBuffer().empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(session.pasteBuffer(), "<$$SERVER>");
}

TEST_F(TtyKeys, SmallTerminalSaysSoAndRedrawsWhenResized) {
  TmuxSession session(terminalCommand("qvscriptwizard", {(dir_ / "x.vbs").string()}),
                      QV_SOURCE_DIR);
  ASSERT_TRUE(session.waitFor("Welcome to the Quorvel Scripting Wizard")) << session.screen();
  session.resize(50, 12);
  EXPECT_TRUE(session.waitFor("The terminal is too small (50 x 12).")) << session.screen();
  session.resize(80, 24);
  EXPECT_TRUE(session.waitFor("┌─ Welcome to the Quorvel Scripting Wizard")) << session.screen();
  session.keys({"Escape"});
  ASSERT_TRUE(session.waitFor("Are you sure")) << session.screen();
  session.type("y");
  EXPECT_EQ(session.waitForExit(), 0) << session.screen();
}

}  // namespace
}  // namespace qv::ttytest
