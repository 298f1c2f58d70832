// The application object: its name and command line from the process, and
// how InitInstance decides whether a message loop runs.
#include <gtest/gtest.h>

#include "platform/afx/app_base.h"
#include "platform/ui/script/script_run.h"

namespace qv::afx {
namespace {

TEST(AppBase, NameIsTheExecutableWithoutFolderAndExtension) {
  const struct {
    const char* path;
    const char* name;
  } cases[] = {
      {"/usr/local/bin/qvbrowser", "qvbrowser"},
      {"qvbrowser", "qvbrowser"},
      {"C.dir/qvbrowser.exe", "qvbrowser"},
      {"./qv.browser.bin", "qv.browser"},
      {"/opt/.hidden", ".hidden"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(appNameFromPath(c.path), c.name) << c.path;
}

TEST(AppBase, CommandLineIsTheArgumentsJoinedByBlanks) {
  const struct {
    std::vector<std::string> argv;
    const char* name;
    const char* commandLine;
  } cases[] = {
      {{"/bin/qvbrowser"}, "qvbrowser", ""},
      {{"/bin/qvbrowser", "server,8080,Page.qvp"}, "qvbrowser", "server,8080,Page.qvp"},
      {{"qvbrowser", "server,", "8080,", "Page.qvp"}, "qvbrowser", "server, 8080, Page.qvp"},
      {{"qvbrowser", "", "x"}, "qvbrowser", " x"},
      {{}, "", ""},
  };
  for (const auto& c : cases) {
    std::vector<char*> argv;
    for (const std::string& a : c.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const ProgramArguments args = programArguments(static_cast<int>(c.argv.size()), argv.data());
    EXPECT_EQ(args.appName, c.name);
    EXPECT_EQ(args.commandLine, c.commandLine);
  }
}

class TestApp : public AppBase {
 public:
  TestApp(ui::Platform& p, bool keepRunning)
      : AppBase(p, {"test", ""}), keepRunning_(keepRunning) {}

 protected:
  bool InitInstance() override {
    if (keepRunning_) ui().postQuit(5);
    return keepRunning_;
  }

 private:
  bool keepRunning_;
};

TEST(AppBase, FalseFromInitInstanceEndsWithoutAMessageLoop) {
  int code = -1;
  const auto run = ui::script::runScriptText("", [&](ui::Platform& p) {
    TestApp app(p, false);
    code = app.run();
    return code;
  });
  EXPECT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(code, 0);
}

TEST(AppBase, TrueFromInitInstanceRunsTheMessageLoopToTheQuit) {
  int code = -1;
  const auto run = ui::script::runScriptText("", [&](ui::Platform& p) {
    TestApp app(p, true);
    code = app.run();
    return 0;
  });
  EXPECT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(code, 5);
}

}  // namespace
}  // namespace qv::afx
