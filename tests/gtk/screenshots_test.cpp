// A picture of every dialog the sample runs open, written into the build
// tree's screenshots/ folder for the documentation and for a look.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "desktop_run.h"

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;

const fs::path kShots = QV_BINARY_DIR "/screenshots";

// After every `dialog NAME` line: a short wait for the page to draw, then a
// screenshot named after the program and the dialog.
std::string withScreenshots(const std::string& script, const std::string& program,
                            std::vector<fs::path>& files) {
  std::istringstream in(script);
  std::ostringstream out;
  std::map<std::string, int> seen;
  std::string line;
  while (std::getline(in, line)) {
    out << line << '\n';
    if (line.rfind("dialog ", 0) != 0) continue;
    const std::string name = line.substr(7);
    const int n = ++seen[name];
    const fs::path file =
        kShots / (program + "-" + name + (n > 1 ? "-" + std::to_string(n) : "") + ".png");
    files.push_back(file);
    out << "wait 700\nscreenshot " << file.string() << '\n';
  }
  return out.str();
}

bool isPng(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  char magic[8] = {};
  in.read(magic, sizeof magic);
  return in && std::string(magic, 8) == "\x89PNG\r\n\x1a\n" && fs::file_size(file) > 1000;
}

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveVirtualDisplay()) GTEST_SKIP() << "xvfb-run is not installed";
    fs::create_directories(kShots);
  }
};

TEST_F(Screenshots, EveryDialogOfTheWizardRun) {
  std::ifstream in(QV_SOURCE_DIR "/templates/demo/disk-check.script");
  std::stringstream script;
  script << in.rdbuf();
  std::vector<fs::path> files;
  char pattern[] = "/tmp/qv-gtkshots-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  ProgramRun run{"qvscriptwizard",
                 {(dir / "DiskCheck.vbs").string()},
                 withScreenshots(script.str(), "wizard", files),
                 "",
                 {"XDG_DATA_DIRS=" + dir.string()}};
  for (const fs::path& file : files) fs::remove(file);
  const RunResult result = runProgram(run, "gtk");
  fs::remove_all(dir);
  ASSERT_EQ(result.exitCode, 0) << result.transcript << result.errors;
  for (const fs::path& file : files) EXPECT_TRUE(isPng(file)) << file;
}

TEST_F(Screenshots, BrowserAndItsAboutBox) {
  ConsoleDemo console;
  ASSERT_GT(console.port(), 0);
  std::vector<fs::path> files;
  const std::string script =
      withScreenshots("dialog 102\nwait 1500\nsyscommand 16\ndialog 100\nkey enter\nkey escape\n",
                      "browser", files);
  for (const fs::path& file : files) fs::remove(file);
  ProgramRun run{"qvbrowser",
                 {"127.0.0.1," + std::to_string(console.port()) + ",RecConsoleStatus.qvp"},
                 script,
                 "",
                 {}};
  const RunResult result = runProgram(run, "gtk");
  ASSERT_EQ(result.exitCode, 0) << result.transcript << result.errors;
  for (const fs::path& file : files) EXPECT_TRUE(isPng(file)) << file;
}

}  // namespace
}  // namespace qv::gtktest
