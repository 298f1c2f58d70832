// The built program as a process on the scripted backend: the shipped demo
// script against the shipped sample template, and the exit code of a
// cancelled start.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/paths.h"

namespace {

class WizardProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-wizproc-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Runs the program from the source folder; returns its exit status.
  int run(const std::string& scriptPath, const std::string& target) {
    const std::string command =
        "cd '" QV_SOURCE_DIR "' && QV_UI=script QV_UI_SCRIPT='" + scriptPath +
        "' QV_UI_TRANSCRIPT='" + dir_ + "/run.jsonl' XDG_DATA_DIRS='" + dir_ +
        "' '" QV_BINARY_DIR "/bin/qvscriptwizard' '" + target + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string dir_;
};

TEST_F(WizardProcess, DemoScriptWritesTheDiskCheck) {
  const std::string target = dir_ + "/DiskCheck.vbs";
  ASSERT_EQ(run(QV_SOURCE_DIR "/templates/demo/disk-check.script", target), 0)
      << qv::os::readWholeFile(dir_ + "/run.jsonl").value_or("");
  const auto script = qv::os::readWholeFile(target);
  ASSERT_TRUE(script);
  EXPECT_NE(script->find("strDrive = \"D:\"\r\nlngThreshold = 15\r\nstrUnit = \"MB\"\r\n"
                         "blnLogResult = False\r\n"),
            std::string::npos)
      << *script;
  EXPECT_EQ(script->find("<PARAM:"), std::string::npos);
}

TEST_F(WizardProcess, CancelAtTheExistingFileQuestionExitsWithOne) {
  const std::string target = dir_ + "/old.vbs";
  std::ofstream(target) << "old\n";
  std::ofstream(dir_ + "/cancel.script") << "dialog FILE_EXISTS\nclick 1\n";
  EXPECT_EQ(run(dir_ + "/cancel.script", target), 1);
  EXPECT_EQ(qv::os::readWholeFile(target), "old\n");
}

}  // namespace
