// Running the built programs as processes on the desktop (gtk) backend under
// a virtual X server, and on the scripted backend for comparison; and the
// stand-in web console as a process on loopback.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qv::gtktest {

// False when there is no xvfb-run to give the desktop backend a display.
bool haveVirtualDisplay();

struct ProgramRun {
  std::string program;  // file name in the build's bin/ folder
  std::vector<std::string> args;
  std::string script;   // the script's text
  std::string workDir;  // where the program runs; empty: the source folder
  // Extra NAME=VALUE settings; XDG_DATA_DIRS names the program's data
  // folder, and the system's data folders are put after it.
  std::vector<std::string> env;
};

struct RunResult {
  int exitCode = -1;
  std::string transcript;
  std::string errors;  // standard error
};

// The shell command that runs `run` on `backend` ("gtk" on the display in
// DISPLAY, or "script") with its script, transcript (run.jsonl) and
// standard error (stderr.txt) in `folder`; writes the script there.
std::string programCommand(const ProgramRun& run, const std::string& backend,
                           const std::string& folder);

// A shell word that stands for `text`.
std::string shellWord(const std::string& text);
// The file's text, empty when it cannot be read.
std::string readFile(const std::string& path);

// `backend` is "gtk" (under xvfb-run) or "script".
RunResult runProgram(const ProgramRun& run, const std::string& backend);

// The transcript's lines without the events named in `drop`.
std::vector<std::string> transcriptLines(const std::string& transcript,
                                         const std::set<std::string>& drop = {});

// qv-console-demo on a free loopback port for the life of the object.
class ConsoleDemo {
 public:
  ConsoleDemo();
  ~ConsoleDemo();
  ConsoleDemo(const ConsoleDemo&) = delete;
  ConsoleDemo& operator=(const ConsoleDemo&) = delete;
  int port() const { return port_; }
  // The body of a GET of `path`, or nullopt when the server does not answer.
  std::optional<std::string> get(const std::string& path) const;

 private:
  int pid_ = -1;
  int port_ = 0;
};

// A port on loopback where nothing listens.
int refusedPort();

}  // namespace qv::gtktest
