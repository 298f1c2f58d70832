#include "platform/os/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/os/regular_file.h"

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
  return isRegularFile(path);
}

bool folderExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes) {
  const int fd = openRegularFile(path, O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::string content;
  struct stat st;
  if (::fstat(fd, &st) == 0 && st.st_size > 0) {
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
      ::close(fd);
      errno = EFBIG;
      return std::nullopt;
    }
    content.reserve(static_cast<std::size_t>(st.st_size));
  }
  std::string chunk(64 * 1024, '\0');
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n > 0) {
      // A file that grows while it is read is held to the limit too.
      if (content.size() + static_cast<std::size_t>(n) > maxBytes) {
        ::close(fd);
        errno = EFBIG;
        return std::nullopt;
      }
      content.append(chunk.data(), static_cast<std::size_t>(n));
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      const int error = errno;
      ::close(fd);
      errno = error;
      return std::nullopt;
    }
  }
  ::close(fd);
  return content;
}

}  // namespace qv::os
