// The built programs as processes against hostile files: a real full disk
// and a read-only disk (a small tmpfs in a private mount namespace), and
// automation settings that would block or never end. Each run is bounded by
// `timeout`, so a hang fails the test instead of stalling it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/os/paths.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string stderrText;
  double seconds = 0;
};

class HostileProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qv-hostile-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << text;
    return dir_ + "/" + name;
  }

  // `program` run on the scripted backend with `script`, its transcript in
  // the test's folder unless `transcript` names another file.
  std::string command(const std::string& program, const std::string& script,
                      const std::string& args, const std::string& transcript = "") {
    return "QV_UI=script QV_UI_SCRIPT='" + script + "' QV_UI_TRANSCRIPT='" +
           (transcript.empty() ? dir_ + "/run.jsonl" : transcript) + "' XDG_DATA_DIRS='" + dir_ +
           "' '" QV_BINARY_DIR "/bin/" + program + "' " + args;
  }

  // Runs a shell command line, at most 20 seconds.
  Outcome run(const std::string& line) {
    const std::string wrapped = "cd '" QV_SOURCE_DIR "' && timeout 20 sh -c '" + quoteInner(line) +
                                "' 2>'" + dir_ + "/stderr.txt'";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(wrapped.c_str());
    Outcome o;
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    o.stderrText = qv::os::readWholeFile(dir_ + "/stderr.txt").value_or("");
    return o;
  }

  // A private mount namespace where a small tmpfs can be mounted; skipped
  // where this system allows none.
  std::string privateMounts() {
    const char* unshare = ::geteuid() == 0 ? "unshare -m" : "unshare -rm";
    if (std::system((std::string(unshare) + " true 2>/dev/null").c_str()) != 0) return {};
    return unshare;
  }

  static std::string quoteInner(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out;
  }

  std::string dir_;
};

int lines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

TEST_F(HostileProcess, ScriptThatWouldBlockOrNeverEndIsRefusedAtOnce) {
  const std::string fifo = dir_ + "/fifo.script";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = dir_ + "/huge.script";
  fs::resize_file(write("huge.script", ""), 16 * 1024 * 1024 + 1);
  const std::string longWait = write("wait.script", "dialog 102\nwait 86400001\nkey escape\n");
  for (const std::string& script : {std::string("/dev/zero"), fifo, huge, longWait}) {
    SCOPED_TRACE(script);
    const Outcome o = run(command("qvbrowser", script, "server,8080,RecConsoleStatus.qvp"));
    EXPECT_EQ(o.exitCode, 2) << o.stderrText;
    EXPECT_EQ(lines(o.stderrText), 1) << o.stderrText;
    EXPECT_LT(o.seconds, 5);
  }
}

TEST_F(HostileProcess, TranscriptThatCannotBeWrittenEndsTheRunWithTwo) {
  const std::string script = write("a.script", "dialog 102\nclick 1003\nwait 60000\nkey escape\n");
  const std::string browser = command("qvbrowser", script, "server,8080,RecConsoleStatus.qvp");
  // At once, and in the middle of the run (a file limit of 512 bytes).
  const Outcome full =
      run(command("qvbrowser", script, "server,8080,RecConsoleStatus.qvp", "/dev/full"));
  const Outcome cut = run("trap \"\" XFSZ; ulimit -f 1; " + browser);
  for (const Outcome& o : {full, cut}) {
    EXPECT_EQ(o.exitCode, 2) << o.stderrText;
    EXPECT_EQ(lines(o.stderrText), 1) << o.stderrText;
    EXPECT_NE(o.stderrText.find("cannot write the transcript"), std::string::npos);
  }
  EXPECT_EQ(fs::file_size(dir_ + "/run.jsonl"), 512u) << "the limit cut it mid-run";
}

TEST_F(HostileProcess, DayLongWaitCostsTheMessagesNotThePeriods) {
  const std::string script =
      write("day.script", "dialog 102\nclick 1003\nwait 86400000\nkey escape\n");
  const Outcome o = run(command("qvbrowser", script, "server,8080,RecConsoleStatus.qvp"));
  EXPECT_EQ(o.exitCode, 0) << o.stderrText;
  EXPECT_LT(o.seconds, 5) << "8,640 auto-refreshes in virtual time";
}

// One Text page; the script is about 300 KB, more than the small disk holds.
std::string bigTemplate() {
  std::string text = "x = \"<PARAM:Type=Text;Question=Name>\"\n";
  for (int i = 0; i < 6000; ++i) text += "WScript.Echo \"line of the generated script\"\n";
  return text;
}

constexpr const char* kUntilReady =
    "dialog FILE_EXISTS\nkey escape\n"
    "dialog START-WIZARD\nclick 1010\nfile TEMPLATE\n"
    "dialog HEADER-INFO\nclick 1010\n"
    "dialog PARAM-TEXT\nset 1006 Alice\nclick 1010\n"
    "dialog READY\nclick 1010\n"
    "answer ok\n"
    "dialog READY\nkey escape\nanswer yes\n";

TEST_F(HostileProcess, FullOrReadOnlyDiskKeepsTheOldScriptAndExitsWithOne) {
  const std::string unshare = privateMounts();
  if (unshare.empty()) GTEST_SKIP() << "no private mount namespace here";
  const std::string templ = write("big.vbt", bigTemplate());
  std::string script = kUntilReady;
  script.replace(script.find("TEMPLATE"), 8, templ);
  const std::string scriptPath = write("ready.script", script);
  fs::create_directory(dir_ + "/disk");
  const std::string disk = dir_ + "/disk";
  const struct {
    const char* name;
    std::string prepare;  // after the mount, before the run
    const char* warning;
  } cases[] = {
      {"full", "head -c 40000 /dev/zero > " + disk + "/filler",
       "Cannot generate the script - the target file could not be written"},
      {"read-only", "mount -o remount,ro " + disk,
       "Cannot generate the script - the target file could not be opened"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = run(unshare + " sh -c \"mount -t tmpfs -o size=64k tmpfs " + disk +
                          " && printf old > " + disk + "/out.vbs && " + c.prepare + " && " +
                          command("qvscriptwizard", scriptPath, disk + "/out.vbs") +
                          "; echo \\$? > " + dir_ + "/rc; ls -A " + disk + " > " + dir_ +
                          "/listing; cat " + disk + "/out.vbs > " + dir_ + "/after\"");
    ASSERT_EQ(o.exitCode, 0) << o.stderrText;
    EXPECT_EQ(qv::os::readWholeFile(dir_ + "/rc"), "1\n") << o.stderrText;
    EXPECT_EQ(qv::os::readWholeFile(dir_ + "/after"), "old") << "the old script is kept";
    const std::string listing = qv::os::readWholeFile(dir_ + "/listing").value_or("");
    EXPECT_EQ(listing, std::string(c.name) == "full" ? "filler\nout.vbs\n" : "out.vbs\n")
        << "no temporary file is left";
    const std::string transcript = qv::os::readWholeFile(dir_ + "/run.jsonl").value_or("");
    EXPECT_NE(transcript.find(c.warning), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("completed successfully"), std::string::npos);
  }
}

}  // namespace
