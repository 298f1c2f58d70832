#include "platform/os/smtp_probe.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace qv::os {
namespace {

std::optional<sockaddr_in> firstIpv4Address(std::string_view host) {
  // A name with a NUL in it would be looked up as its first part.
  if (host.find('\0') != std::string_view::npos) return std::nullopt;
  const std::string name(host);
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
    return std::nullopt;
  }
  std::optional<sockaddr_in> address;
  if (found->ai_addr != nullptr && found->ai_addr->sa_family == AF_INET) {
    sockaddr_in first{};
    std::memcpy(&first, found->ai_addr,
                std::min<std::size_t>(sizeof first, static_cast<std::size_t>(found->ai_addrlen)));
    address = first;
  }
  ::freeaddrinfo(found);
  return address;
}

// A signal during a blocking connect leaves the connection going on in the
// background; wait for it and take its outcome.
bool finishInterruptedConnect(int fd) {
  pollfd watch{fd, POLLOUT, 0};
  int ready;
  do {
    ready = ::poll(&watch, 1, -1);
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0) return false;
  int error = 0;
  socklen_t length = sizeof error;
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool connectBlocking(int fd, const sockaddr_in& address) {
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
  return errno == EINTR && finishInterruptedConnect(fd);
}

}  // namespace

SmtpProbeResult probeSmtpServer(std::string_view host, int port) {
  std::optional<sockaddr_in> address = firstIpv4Address(host);
  if (!address) return SmtpProbeResult::NotResolved;
  // Port 0 or one beyond 16 bits names no service; htons would wrap it.
  if (port < 1 || port > 65535) return SmtpProbeResult::NotConnected;
  address->sin_family = AF_INET;
  address->sin_port = htons(static_cast<std::uint16_t>(port));

  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return SmtpProbeResult::NoSocket;
  const bool connected = connectBlocking(fd, *address);
  ::close(fd);
  return connected ? SmtpProbeResult::Connected : SmtpProbeResult::NotConnected;
}

}  // namespace qv::os
