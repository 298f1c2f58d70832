// Loopback endpoints for the probe tests: a listening port that accepts
// connections (the kernel completes them from the backlog, so nothing need
// call accept) and a port on which nothing listens.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qv::os::test {

class LoopbackSocket {
 public:
  // Bound to an ephemeral port of 127.0.0.1; listening when `listen` is set.
  explicit LoopbackSocket(bool listen) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        (listen && ::listen(fd_, 16) != 0)) {
      return;
    }
    port_ = ntohs(address.sin_port);
  }
  ~LoopbackSocket() {
    if (fd_ >= 0) ::close(fd_);
  }
  LoopbackSocket(const LoopbackSocket&) = delete;
  LoopbackSocket& operator=(const LoopbackSocket&) = delete;

  // 0 when the socket could not be set up.
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace qv::os::test
