#include "platform/ui/tty/terminal_launcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace qv::ui::tty {
namespace {

// Points standard input, output and error at /dev/null for its lifetime;
// what is started meanwhile inherits that.
class StreamsAway {
 public:
  StreamsAway() {
    std::fflush(nullptr);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0) return;
    for (int fd = 0; fd < 3; ++fd) {
      saved_[fd] = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
      if (saved_[fd] >= 0) ::dup2(null, fd);
    }
    ::close(null);
  }
  ~StreamsAway() {
    std::fflush(nullptr);
    for (int fd = 0; fd < 3; ++fd) {
      if (saved_[fd] < 0) continue;
      ::dup2(saved_[fd], fd);
      ::close(saved_[fd]);
    }
  }
  StreamsAway(const StreamsAway&) = delete;
  StreamsAway& operator=(const StreamsAway&) = delete;

 private:
  int saved_[3] = {-1, -1, -1};
};

}  // namespace

bool TerminalLauncher::startProgram(std::string_view commandLine, os::WindowState state) {
  StreamsAway away;
  return inner_->startProgram(commandLine, state);
}

bool TerminalLauncher::openAddress(std::string_view address) {
  StreamsAway away;
  return inner_->openAddress(address);
}

}  // namespace qv::ui::tty
