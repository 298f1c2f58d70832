// The wizard's saved answers rendered again from the command line give the
// same script, byte for byte; the answers file is private to its owner.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/os/paths.h"
#include "tests/os/temp_folder.h"

namespace {

int runShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs a demo script of the wizard with --save-answers, then qvscript render
// on the same template; both scripts must be identical.
void expectRoundTrip(const std::string& demo, const std::string& templateName) {
  qv::os::test::TempFolder dir;
  const std::string answers = dir.file("answers.txt");
  const std::string wizardScript = dir.file("wizard.vbs");
  const std::string rendered = dir.file("rendered.vbs");
  const std::string wizard =
      "cd '" QV_SOURCE_DIR "' && QV_UI=script QV_UI_SCRIPT='templates/demo/" + demo +
      ".script' QV_UI_TRANSCRIPT='" + dir.file("run.jsonl") + "' XDG_DATA_DIRS='" + dir.path() +
      "' '" QV_BINARY_DIR "/bin/qvscriptwizard' --save-answers '" + answers + "' '" + wizardScript +
      "' 2>/dev/null";
  ASSERT_EQ(runShell(wizard), 0) << demo << ": "
                                 << qv::os::readWholeFile(dir.file("run.jsonl")).value_or("");
  struct stat st {};
  ASSERT_EQ(::stat(answers.c_str(), &st), 0) << demo;
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  const std::string render =
      "'" QV_BINARY_DIR "/bin/qvscript' render '" QV_SOURCE_DIR "/templates/" + templateName +
      "' --answers '" + answers + "' -o '" + rendered + "' 2>'" + dir.file("render.err") + "'";
  ASSERT_EQ(runShell(render), 0) << demo << ": "
                                 << qv::os::readWholeFile(dir.file("render.err")).value_or("")
                                 << qv::os::readWholeFile(answers).value_or("");
  const auto expected = qv::os::readWholeFile(wizardScript);
  ASSERT_TRUE(expected);
  EXPECT_EQ(qv::os::readWholeFile(rendered), expected) << demo;
}

// Answers that cannot be saved are no success, though the script is written.
TEST(SaveAnswers, AnswersThatCannotBeWrittenEndTheRunWithOne) {
  qv::os::test::TempFolder dir;
  const std::string script = dir.file("out.vbs");
  // The demo, with the warning about the answers answered before the
  // completion page.
  std::string demo = *qv::os::readWholeFile(QV_SOURCE_DIR "/templates/demo/disk-check.script");
  demo.insert(demo.find("answer ok\ndialog COMPLETE"), "answer ok\n");
  const std::string demoFile = dir.write("demo.script", demo);
  auto wizard = [&](const std::string& options) {
    return runShell("cd '" QV_SOURCE_DIR "' && QV_UI=script QV_UI_SCRIPT='" + demoFile +
                    "' QV_UI_TRANSCRIPT='" + dir.file("run.jsonl") + "' XDG_DATA_DIRS='" +
                    dir.path() + "' '" QV_BINARY_DIR "/bin/qvscriptwizard' " + options +
                    " 2>/dev/null");
  };
  // A folder is no answers file: the wizard warns.
  std::filesystem::create_directory(dir.file("folder"));
  EXPECT_EQ(wizard("--save-answers '" + dir.file("folder") + "' '" + script + "'"), 1);
  EXPECT_TRUE(std::filesystem::exists(script));
  // The option without its file is a mistake of the command line.
  EXPECT_EQ(wizard("--save-answers"), 2);
}

TEST(SaveAnswers, EveryDemoRunRendersAgainByteForByte) {
  expectRoundTrip("disk-check", "Disk Space Check.vbt");
  expectRoundTrip("alert-notification", "Alert Notification.vbt");
  expectRoundTrip("folder-cleanup", "Folder Cleanup.vbt");
  expectRoundTrip("service-recovery", "Service Recovery Action.vbt");
}

}  // namespace
