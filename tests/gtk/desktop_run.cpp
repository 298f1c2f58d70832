#include "desktop_run.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace qv::gtktest {

namespace fs = std::filesystem;

std::string shellWord(const std::string& text) {
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

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool haveVirtualDisplay() {
  return std::system("command -v xvfb-run >/dev/null 2>&1") == 0;
}

std::string programCommand(const ProgramRun& run, const std::string& backend,
                           const std::string& folder) {
  const fs::path dir = folder;
  std::string command =
      "cd " + shellWord(run.workDir.empty() ? QV_SOURCE_DIR : run.workDir) + " && ";
  // WebKit renders without compositing under Xvfb and, as root, without its
  // sandbox; loopback is reached without a proxy. The scripted backend must
  // not see a display.
  command += "env -u http_proxy -u https_proxy -u HTTP_PROXY -u HTTPS_PROXY ";
  if (backend != "gtk") command += "-u DISPLAY ";
  command +=
      "WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 "
      "no_proxy=127.0.0.1,localhost NO_AT_BRIDGE=1 QV_UI=" +
      backend + " QV_UI_SCRIPT=" + shellWord((dir / "actions.script").string()) +
      " QV_UI_TRANSCRIPT=" + shellWord((dir / "run.jsonl").string());
  for (const std::string& setting : run.env) {
    // The first data folder is the program's own; the system's follow it,
    // as GTK finds the MIME database and the icon theme there (without them
    // it cannot load its own icons and aborts, e.g. in the file chooser).
    const bool dataDirs = setting.rfind("XDG_DATA_DIRS=", 0) == 0;
    command += " " + shellWord(dataDirs ? setting + ":/usr/local/share:/usr/share" : setting);
  }
  command += " " + shellWord(QV_BINARY_DIR "/bin/" + run.program);
  for (const std::string& arg : run.args) command += " " + shellWord(arg);
  command += " 2>" + shellWord((dir / "stderr.txt").string());
  std::ofstream(dir / "actions.script") << run.script;
  return command;
}

RunResult runProgram(const ProgramRun& run, const std::string& backend) {
  char pattern[] = "/tmp/qv-gtktest-XXXXXX";
  const fs::path dir = ::mkdtemp(pattern);
  std::string command = programCommand(run, backend, dir.string());
  if (backend == "gtk")
    command = "xvfb-run -a -s '-screen 0 1280x1024x24' sh -c " + shellWord(command);
  const int status = std::system(command.c_str());
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.transcript = readFile(dir / "run.jsonl");
  result.errors = readFile(dir / "stderr.txt");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return result;
}

std::vector<std::string> transcriptLines(const std::string& transcript,
                                         const std::set<std::string>& drop) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  std::string line;
  while (std::getline(in, line)) {
    bool dropped = false;
    for (const std::string& event : drop) {
      if (line.rfind("{\"event\":\"" + event + "\"", 0) == 0) dropped = true;
    }
    if (!dropped) lines.push_back(line);
  }
  return lines;
}

ConsoleDemo::ConsoleDemo() {
  int out[2];
  if (::pipe(out) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::close(out[0]);
    ::close(out[1]);
    std::freopen("/dev/null", "r", stdin);
    std::freopen("/dev/null", "w", stderr);
    ::execl(QV_BINARY_DIR "/bin/qv-console-demo", "qv-console-demo", "--port", "0",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(out[1]);
  // "qv-console-demo listening on http://127.0.0.1:PORT/ ..."
  std::string line;
  char c;
  while (::read(out[0], &c, 1) == 1 && c != '\n') line += c;
  ::close(out[0]);
  const std::string marker = "127.0.0.1:";
  if (const std::size_t at = line.find(marker); at != std::string::npos) {
    port_ = std::atoi(line.c_str() + at + marker.size());
  }
}

ConsoleDemo::~ConsoleDemo() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

std::optional<std::string> ConsoleDemo::get(const std::string& path) const {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return std::nullopt;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port_));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return std::nullopt;
  }
  const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
  if (::write(fd, request.data(), request.size()) < 0) {
    ::close(fd);
    return std::nullopt;
  }
  std::string response;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) response.append(buffer, std::size_t(n));
  ::close(fd);
  const std::size_t body = response.find("\r\n\r\n");
  return body == std::string::npos ? response : response.substr(body + 4);
}

int refusedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  ::close(fd);  // bound, never listened on, now free: connections are refused
  return ntohs(address.sin_port);
}

}  // namespace qv::gtktest
