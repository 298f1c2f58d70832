#include "platform/os/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace qv::os {

std::string programFolder() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < path.size()) {
      path.resize(static_cast<std::size_t>(n));
      break;
    }
    path.resize(path.size() * 2);  // possibly cut: try again with more room
  }
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  path.resize(slash + 1);
  return path;
}

std::optional<std::string> sharedDataFolder() {
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  std::string_view first = dirs ? std::string_view(dirs) : std::string_view();
  first = first.substr(0, first.find(':'));
  if (first.empty()) return std::string("/usr/local/share");
  if (first.front() != '/') return std::nullopt;
  while (first.size() > 1 && first.back() == '/') first.remove_suffix(1);
  return std::string(first);
}

bool fileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool folderExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> readWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string content;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    content.reserve(static_cast<std::size_t>(st.st_size));
  }
  char chunk[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0) {
      content.append(chunk, static_cast<std::size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      ::close(fd);
      return std::nullopt;  // also a folder: read fails with EISDIR
    }
  }
  ::close(fd);
  return content;
}

}  // namespace qv::os
