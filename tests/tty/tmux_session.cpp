#include "tmux_session.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace qv::ttytest {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

std::string output(const std::string& command) {
  std::string out;
  if (std::FILE* p = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    ::pclose(p);
  }
  return out;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

template <typename Ready>
bool poll(double seconds, Ready ready) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return ready();
}

}  // namespace

bool haveTmux() {
  return std::system("command -v tmux >/dev/null 2>&1") == 0;
}

TmuxSession::TmuxSession(const std::string& command, const std::string& workDir, int cols,
                         int rows) {
  static std::atomic<int> count{0};
  socket_ = "qv-ttytest-" + std::to_string(::getpid()) + "-" + std::to_string(count++);
  char pattern[] = "/tmp/qv-tmux-XXXXXX";
  dir_ = ::mkdtemp(pattern);
  // Programs may set tmux's paste buffer with OSC 52.
  std::ofstream(fs::path(dir_) / "tmux.conf") << "set -s set-clipboard on\n";
  // The pane's shell notes the program's id and, at its end, its status
  // and the terminal's modes; the pane stays so that the terminal's state
  // can be read afterwards.
  const std::string run = "echo $$ > " + quoted(dir_ + "/pid") + " && exec " + command;
  const std::string script = "cd " + quoted(workDir) + " && sh -c " + quoted(run) + "; echo $? > " +
                             quoted(dir_ + "/status.tmp") + "; stty -a > " +
                             quoted(dir_ + "/modes") + " && mv " + quoted(dir_ + "/status.tmp") +
                             " " + quoted(dir_ + "/status") + "; sleep 600";
  tmux("new-session -d -x " + std::to_string(cols) + " -y " + std::to_string(rows) + " -s run " +
       quoted("exec sh -c " + quoted(script)));
}

TmuxSession::~TmuxSession() {
  tmux("kill-server");
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string TmuxSession::tmux(const std::string& arguments) const {
  return output("tmux -L " + socket_ + " -f " + quoted(dir_ + "/tmux.conf") + " " + arguments +
                " 2>/dev/null");
}

void TmuxSession::keys(const std::vector<std::string>& names) {
  std::string args;
  for (const std::string& n : names) args += " " + quoted(n);
  tmux("send-keys -t run" + args);
}

void TmuxSession::type(const std::string& text) {
  tmux("send-keys -t run -l " + quoted(text));
}

std::string TmuxSession::screen() const {
  return tmux("capture-pane -p -t run");
}

bool TmuxSession::waitFor(const std::string& text, double seconds) const {
  return poll(seconds, [&] { return screen().find(text) != std::string::npos; });
}

int TmuxSession::waitForExit(double seconds) const {
  const fs::path status = fs::path(dir_) / "status";
  if (!poll(seconds, [&] { return fs::exists(status); })) return -1;
  return std::atoi(readFile(status).c_str());
}

int TmuxSession::pid() const {
  const fs::path file = fs::path(dir_) / "pid";
  poll(5, [&] { return fs::exists(file) && !readFile(file).empty(); });
  return std::atoi(readFile(file).c_str());
}

std::string TmuxSession::paneFormat(const std::string& format) const {
  std::string value = tmux("display-message -p -t run " + quoted(format));
  while (!value.empty() && value.back() == '\n') value.pop_back();
  return value;
}

std::string TmuxSession::pasteBuffer() const {
  return tmux("show-buffer");
}

std::string TmuxSession::modesAfterExit() const {
  return readFile(fs::path(dir_) / "modes");
}

void TmuxSession::resize(int cols, int rows) {
  tmux("resize-window -t run -x " + std::to_string(cols) + " -y " + std::to_string(rows));
}

}  // namespace qv::ttytest
