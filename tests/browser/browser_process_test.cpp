// The built qvbrowser run as a process on the scripted backend: its command
// line from argv, its name from the executable, and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class BrowserProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qvbrowser-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs qvbrowser with `arguments` (already quoted for the shell) on `script`;
  // returns the exit status and leaves the transcript in transcript_.
  int run(const std::string& script, const std::string& arguments) {
    std::ofstream(dir_ / "actions.txt") << script;
    const std::string command = "QV_UI=script QV_UI_SCRIPT='" + (dir_ / "actions.txt").string() +
                                "' QV_UI_TRANSCRIPT='" + (dir_ / "run.jsonl").string() + "' '" +
                                QV_BINARY_DIR "/bin/qvbrowser' " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(dir_ / "run.jsonl");
    std::stringstream text;
    text << in.rdbuf();
    transcript_ = text.str();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  std::string transcript_;
};

TEST_F(BrowserProcess, ArgumentsJoinedByBlanksFormTheCommandLine) {
  // Three arguments joined by blanks: the blanks after the commas stay, so
  // the page keeps its leading blank.
  EXPECT_EQ(run("dialog 102\nkey escape\n", "server, 8080, RecConsoleStatus.qvp"), 0)
      << transcript_;
  EXPECT_NE(
      transcript_.find(
          R"({"event":"navigate","url":"http://server:8080/ RecConsoleStatus.qvp","headers":"Referer:Quorvel Console Browser"})"),
      std::string::npos)
      << transcript_;
  EXPECT_NE(transcript_.find(R"({"event":"exit","code":0})"), std::string::npos);
}

TEST_F(BrowserProcess, MessagesCarryTheExecutablesName) {
  EXPECT_EQ(run("answer ok\nanswer ok\ndialog 102\nkey escape\n", ""), 0) << transcript_;
  EXPECT_NE(transcript_.find(R"("title":"qvbrowser","icon":"warning")"), std::string::npos)
      << transcript_;
}

TEST_F(BrowserProcess, ScriptThatDoesNotMatchFails) {
  EXPECT_EQ(run("dialog 100\n", "server,8080,RecConsoleStatus.qvp"), 3);
  EXPECT_NE(transcript_.find(R"("event":"script-error")"), std::string::npos) << transcript_;
}

}  // namespace
