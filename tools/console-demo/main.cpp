// qv-console-demo: a stand-in for the monitoring server's web console, for
// trying qvbrowser and its connection lamps on one machine.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/base/standard_options.h"
#include "tools/console-demo/console_server.h"
#include "tools/console-demo/console_state.h"
#include "tools/console-demo/control.h"
#include "tools/console-demo/options.h"
#include "tools/console-demo/request_log.h"

namespace {

using qv::console::ConsoleServer;
using qv::console::ConsoleState;
using qv::console::ControlAction;
using qv::console::ControlCommand;

void apply(const ControlCommand& command, ConsoleState& state, ConsoleServer& server) {
  switch (command.action) {
    case ControlAction::Fail:
      state.fail(command.status);
      std::fprintf(stderr, "console pages now answer %d\n", command.status);
      break;
    case ControlAction::Recover:
      state.recover();
      std::fprintf(stderr, "console pages answer normally\n");
      break;
    case ControlAction::Stop:
      server.stop();
      break;
  }
}

// Reads stdin commands as they arrive; gives up on stdin at end of file or
// when it cannot be read (for example from a background job).
class StdinCommands {
 public:
  bool open() const { return open_; }

  void readAvailable(ConsoleState& state, ConsoleServer& server) {
    char chunk[256];
    const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) return;
      open_ = false;
      return;
    }
    pending_.append(chunk, static_cast<std::size_t>(n));
    for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
      const std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
      if (const auto command = qv::console::parseControlLine(line)) {
        apply(*command, state, server);
      } else {
        std::fprintf(stderr, "commands: fail [STATUS 400-599] | recover | stop\n");
      }
    }
    // A line without an end that keeps growing is not a command.
    if (pending_.size() > 4096) pending_.clear();
  }

 private:
  bool open_ = true;
  std::string pending_;
};

void handleSignal(int fd, ConsoleState& state, ConsoleServer& server) {
  signalfd_siginfo info{};
  if (read(fd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return;
  switch (info.ssi_signo) {
    case SIGUSR1:
      apply({ControlAction::Fail, qv::console::kDefaultFailStatus}, state, server);
      break;
    case SIGUSR2:
      apply({ControlAction::Recover, 0}, state, server);
      break;
    default:
      apply({ControlAction::Stop, 0}, state, server);
      break;
  }
}

// Runs until the server stops, by a control request, a signal or "stop".
void serveCommands(int signalFd, ConsoleState& state, ConsoleServer& server) {
  StdinCommands input;
  while (server.running()) {
    pollfd fds[2] = {{signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    const nfds_t count = input.open() ? 2 : 1;
    const int ready = poll(fds, count, 200);
    if (ready <= 0) continue;
    if (fds[0].revents & POLLIN) handleSignal(signalFd, state, server);
    if (count == 2 && fds[1].revents != 0) input.readAvailable(state, server);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto parsed = qv::console::parseOptions(args);
  if (!parsed.options) {
    std::fprintf(stderr, "qv-console-demo: %s\n%s", parsed.error.c_str(),
                 std::string(qv::console::usageText()).c_str());
    return 2;
  }
  const qv::console::Options& options = *parsed.options;
  if (options.help || options.version) {
    const std::string text =
        options.help ? std::string(qv::console::usageText()) : qv::versionText("qv-console-demo");
    std::fputs(text.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }

  std::ofstream logFile;
  if (!options.logFile.empty()) {
    logFile.open(options.logFile, std::ios::app);
    if (!logFile) {
      std::fprintf(stderr, "qv-console-demo: cannot open log file %s\n", options.logFile.c_str());
      return 1;
    }
  }
  if (!qv::console::isLoopbackAddress(options.bindAddress)) {
    std::fprintf(stderr,
                 "qv-console-demo: warning: %s is not a loopback address; the control "
                 "endpoints can be reached from the network\n",
                 options.bindAddress.c_str());
  }

  // Signals are taken through a descriptor; blocked before any thread starts
  // so that no server thread receives them instead.
  sigset_t handled;
  sigemptyset(&handled);
  for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2}) sigaddset(&handled, sig);
  pthread_sigmask(SIG_BLOCK, &handled, nullptr);
  const int signalFd = signalfd(-1, &handled, SFD_CLOEXEC);
  if (signalFd < 0) {
    std::perror("qv-console-demo: signalfd");
    return 1;
  }
  // Reading stdin from a background job then fails instead of stopping us.
  signal(SIGTTIN, SIG_IGN);
  signal(SIGPIPE, SIG_IGN);

  ConsoleState state;
  qv::console::RequestLog log(logFile.is_open() ? static_cast<std::ostream*>(&logFile)
                                                : &std::cerr);
  ConsoleServer server(state, log);
  if (!server.start(options.bindAddress, options.port)) {
    std::fprintf(stderr, "qv-console-demo: cannot listen on %s port %d\n",
                 options.bindAddress.c_str(), options.port);
    close(signalFd);
    return 1;
  }
  const bool v6 = options.bindAddress.find(':') != std::string::npos;
  std::printf("qv-console-demo listening on http://%s%s%s:%d/ (start page RecConsoleStatus.qvp)\n",
              v6 ? "[" : "", options.bindAddress.c_str(), v6 ? "]" : "", server.port());
  std::fflush(stdout);

  serveCommands(signalFd, state, server);
  server.wait();
  close(signalFd);
  return 0;
}
