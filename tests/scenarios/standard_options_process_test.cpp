// --help and --version of the three programs as processes: answered on
// standard output before any backend is chosen (no display, no QV_UI), while
// every other first argument keeps its meaning.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/build_info.h"
#include "platform/os/paths.h"

namespace {

namespace fs = std::filesystem;

struct Result {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class StandardOptionsProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-options-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // Runs a program of the build in the temporary folder with `settings`
  // (already quoted for the shell) before it and `arguments` after it.
  Result run(const std::string& program, const std::string& arguments,
             const std::string& settings = "") {
    const std::string command = "cd '" + dir_ + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QV_UI " +
                                settings + " '" QV_BINARY_DIR "/bin/" + program + "' " + arguments +
                                " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    Result r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = qv::os::readWholeFile(dir_ + "/out.txt").value_or("");
    r.err = qv::os::readWholeFile(dir_ + "/err.txt").value_or("");
    return r;
  }

  std::string dir_;
};

TEST_F(StandardOptionsProcess, HelpAndVersionGoToStandardOutputWithStatusZero) {
  for (const char* program : {"qvscriptwizard", "qvbrowser", "qv-console-demo"}) {
    SCOPED_TRACE(program);
    const Result version = run(program, "--version");
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out, std::string(program) + " (quorvel-tools) " + qv::build::kVersion + "\n");
    EXPECT_EQ(version.err, "");
    const Result help = run(program, "--help");
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_NE(help.out.find(std::string("sage: ") + program), std::string::npos) << help.out;
    EXPECT_NE(help.out.find(std::string(program) + "(1)"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");
  }
}

TEST_F(StandardOptionsProcess, AnAnswerThatCannotBeWrittenIsAFailure) {
  for (const char* program : {"qvscriptwizard", "qvbrowser", "qv-console-demo"}) {
    SCOPED_TRACE(program);
    const std::string command =
        "'" QV_BINARY_DIR "/bin/" + std::string(program) + "' --version >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  }
}

TEST_F(StandardOptionsProcess, AnUnknownOptionIsAUsageErrorOnStandardError) {
  for (const char* program : {"qvscriptwizard", "qvbrowser", "qv-console-demo"}) {
    for (const char* argument : {"--bogus", "--version=2"}) {
      SCOPED_TRACE(std::string(program) + " " + argument);
      const Result r = run(program, argument);
      EXPECT_EQ(r.exitCode, 2);
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
  }
}

TEST_F(StandardOptionsProcess, OtherFirstArgumentsKeepTheirMeaning) {
  // Existing files named like options: the wizard takes each as its script
  // and asks what to do with it (cancelled: status 1, the file untouched).
  std::ofstream(dir_ + "/cancel.script") << "dialog FILE_EXISTS\nclick 1\n";
  for (const char* name : {"-v", "./--help", "./--version"}) {
    SCOPED_TRACE(name);
    std::ofstream(dir_ + "/" + name) << "old\n";
    const Result r = run("qvscriptwizard", std::string("'") + name + "'",
                         "QV_UI=script QV_UI_SCRIPT=cancel.script");
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(qv::os::readWholeFile(dir_ + "/" + name), "old\n");
  }
  // Without a backend setting or a display, a plain first argument still
  // starts the program, which says how to run it.
  const Result browser = run("qvbrowser", "server,8080,RecConsoleStatus.qvp");
  EXPECT_EQ(browser.exitCode, 2);
  EXPECT_NE(browser.err.find("QV_UI=script"), std::string::npos) << browser.err;
}

}  // namespace
