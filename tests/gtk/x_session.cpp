#include "x_session.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace qv::gtktest {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void pause(std::chrono::milliseconds ms) {
  std::this_thread::sleep_for(ms);
}

void stop(int& pid, int signal) {
  if (pid <= 0) return;
  ::kill(-pid, signal);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
}

// Runs `argv` in a process group of its own with DISPLAY set; -1 when fork
// fails.
int spawn(const std::vector<std::string>& argv, const std::string& display) {
  const int pid = ::fork();
  if (pid != 0) return pid;
  ::setpgid(0, 0);
  if (!display.empty()) ::setenv("DISPLAY", display.c_str(), 1);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::freopen("/dev/null", "r", stdin);
  ::execvp(args[0], args.data());
  ::_exit(127);
}

// An extended regular expression that matches exactly `text`.
std::string exactly(const std::string& text) {
  std::string out = "^";
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out + "$";
}

}  // namespace

bool haveXTools() {
  return std::system(
             "{ command -v Xvfb && command -v xdotool && command -v import; } >/dev/null") == 0;
}

Rgb Picture::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return {};
  const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
  return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

int Picture::countOtherThan(Rgb colour, int x, int y, int w, int h) const {
  int n = 0;
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) n += at(i, j) == colour ? 0 : 1;
  }
  return n;
}

int Picture::countNear(Rgb colour, int x, int y, int w, int h, int slack) const {
  int n = 0;
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      const Rgb p = at(i, j);
      n += std::abs(p.r - colour.r) <= slack && std::abs(p.g - colour.g) <= slack &&
                   std::abs(p.b - colour.b) <= slack
               ? 1
               : 0;
    }
  }
  return n;
}

DialogArea::DialogArea(const Box& window, int unitsWide, int unitsHigh) {
  client.width = (unitsWide * kUnitX + 2) / 4;
  client.height = (unitsHigh * kUnitY + 4) / 8;
  const int frame = (window.width - client.width) / 2;
  client.x = window.x + frame;
  client.y = window.y + window.height - frame - client.height;
  fits = frame >= 0 && window.width - client.width == 2 * frame && client.y >= window.y;
}

Box DialogArea::control(int x, int y, int w, int h) const {
  Box box;
  box.x = client.x + (x * kUnitX + 2) / 4;
  box.y = client.y + (y * kUnitY + 4) / 8;
  box.width = (w * kUnitX + 2) / 4;
  box.height = (h * kUnitY + 4) / 8;
  return box;
}

bool savePng(const Picture& picture, const Box& part, const std::string& file) {
  const std::string command =
      "convert -size " + std::to_string(picture.width) + "x" + std::to_string(picture.height) +
      " -depth 8 rgb:- -crop " + std::to_string(part.width) + "x" + std::to_string(part.height) +
      "+" + std::to_string(part.x) + "+" + std::to_string(part.y) + " +repage " + shellWord(file);
  std::FILE* in = ::popen(command.c_str(), "w");
  if (!in) return false;
  std::fwrite(picture.rgb.data(), 1, picture.rgb.size(), in);
  return ::pclose(in) == 0 && fs::exists(file);
}

XSession::XSession(bool windowManager) {
  char pattern[] = "/tmp/qv-xsession-XXXXXX";
  dir_ = ::mkdtemp(pattern);
  // The server picks a free display itself and writes its number.
  int number[2];
  if (::pipe(number) != 0) return;
  server_ = ::fork();
  if (server_ == 0) {
    ::setpgid(0, 0);
    ::close(number[0]);
    std::freopen("/dev/null", "w", stderr);
    const std::string fd = std::to_string(number[1]);
    const std::string size =
        std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", size.c_str(), "-nolisten",
             "tcp", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(number[1]);
  std::string digits;
  char c;
  while (::read(number[0], &c, 1) == 1 && c != '\n') digits += c;
  ::close(number[0]);
  if (digits.empty()) return;
  display_ = ":" + digits;
  // The manager has taken over once it names its check window; one that
  // gave up early (the display not yet accepting it) is started again.
  for (int attempt = 0; windowManager && attempt < 3; ++attempt) {
    manager_ = spawn({"openbox", "--sm-disable"}, display_);
    for (int i = 0; i < 100 && windowManager; ++i) {
      if (x("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos) {
        windowManager = false;
      } else if (::waitpid(manager_, nullptr, WNOHANG) == manager_) {
        manager_ = -1;
        break;
      } else {
        pause(std::chrono::milliseconds(50));
      }
    }
  }
}

XSession::~XSession() {
  stop(program_, SIGKILL);
  stop(manager_, SIGTERM);
  stop(server_, SIGTERM);
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string XSession::x(const std::string& command) const {
  const std::string line = "DISPLAY=" + display_ + " " + command + " 2>/dev/null";
  std::FILE* out = ::popen(line.c_str(), "r");
  if (!out) return {};
  std::string text;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, out)) > 0) text.append(buffer, n);
  ::pclose(out);
  return text;
}

void XSession::start(const ProgramRun& run) {
  program_ = spawn({"sh", "-c", programCommand(run, "gtk", dir_)}, display_);
}

bool XSession::waitForTranscript(const std::string& text, int timeoutMs) const {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (transcript().find(text) != std::string::npos) return true;
    if (Clock::now() >= end) return false;
    pause(std::chrono::milliseconds(20));
  }
}

std::string XSession::transcript() const {
  return readFile(dir_ + "/run.jsonl");
}

std::string XSession::errors() const {
  return readFile(dir_ + "/stderr.txt");
}

int XSession::finish(int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (program_ > 0 && Clock::now() < end) {
    int status = 0;
    if (::waitpid(program_, &status, WNOHANG) == program_) {
      program_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    pause(std::chrono::milliseconds(20));
  }
  stop(program_, SIGKILL);
  return -1;
}

std::optional<Box> XSession::dialog(const std::string& name, int occurrence) const {
  const std::string open = R"({"event":"open","dialog":")" + name + R"(","title":")";
  std::string title;
  const auto end = Clock::now() + std::chrono::milliseconds(30000);
  while (title.empty() && Clock::now() < end) {
    const std::string text = transcript();
    std::size_t at = std::string::npos;
    for (int n = 0, from = 0; n < occurrence; ++n, from = int(at) + 1) {
      at = text.find(open, std::size_t(from));
      if (at == std::string::npos) break;
    }
    if (at == std::string::npos && (text.find(R"({"event":"script-error")") != std::string::npos ||
                                    text.find(R"({"event":"exit")") != std::string::npos)) {
      return std::nullopt;  // the run is over
    }
    if (at != std::string::npos) {
      const std::size_t start = at + open.size();
      title = text.substr(start, text.find('"', start) - start);
    } else {
      pause(std::chrono::milliseconds(20));
    }
  }
  if (title.empty()) return std::nullopt;
  std::optional<Box> box = window(title);
  // The script driver takes the dialog's line when the window is idle.
  pause(std::chrono::milliseconds(300));
  return box;
}

std::optional<Box> XSession::window(const std::string& title, int timeoutMs) const {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    std::istringstream ids(x("xdotool search --onlyvisible --name " + shellWord(exactly(title))));
    unsigned long id = 0;
    unsigned long last = 0;
    while (ids >> id) last = id;
    if (last) {
      Box box;
      box.id = last;
      std::istringstream shape(x("xdotool getwindowgeometry --shell " + std::to_string(last)));
      std::string line;
      while (std::getline(shape, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const int value = std::atoi(line.c_str() + eq + 1);
        const std::string name = line.substr(0, eq);
        if (name == "X") box.x = value;
        if (name == "Y") box.y = value;
        if (name == "WIDTH") box.width = value;
        if (name == "HEIGHT") box.height = value;
      }
      if (box.width > 0) return box;
    }
    pause(std::chrono::milliseconds(50));
  } while (Clock::now() < end);
  return std::nullopt;
}

void XSession::keys(const std::string& keys, int reactionMs) const {
  x("xdotool key --delay 80 " + keys);
  pause(std::chrono::milliseconds(reactionMs));
}

void XSession::type(const std::string& text) const {
  x("xdotool type --delay 80 " + shellWord(text));
  pause(std::chrono::milliseconds(400));
}

void XSession::click(int x0, int y0, int reactionMs) const {
  x("xdotool mousemove " + std::to_string(x0) + " " + std::to_string(y0) + " click 1");
  pause(std::chrono::milliseconds(reactionMs));
}

Picture XSession::grab() const {
  Picture p;
  const std::string raw = x("import -window root -depth 8 rgb:-");
  if (raw.size() != std::size_t(kScreenWidth) * kScreenHeight * 3) return p;
  p.width = kScreenWidth;
  p.height = kScreenHeight;
  p.rgb.assign(raw.begin(), raw.end());
  return p;
}

bool XSession::savePicture(const Box& window, const std::string& file) const {
  x("import -window root -crop " + std::to_string(window.width) + "x" +
    std::to_string(window.height) + "+" + std::to_string(window.x) + "+" +
    std::to_string(window.y) + " +repage " + shellWord(file));
  return fs::exists(file);
}

}  // namespace qv::gtktest
