#include "platform/os/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/base/build_info.h"
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

std::vector<std::string> dataFolders(const std::string& programFolder, const char* xdgDataDirs) {
  std::vector<std::string> folders;
  auto add = [&folders](std::filesystem::path folder) {
    std::string text = folder.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    if (std::find(folders.begin(), folders.end(), text) == folders.end()) {
      folders.push_back(std::move(text));
    }
  };
  if (!programFolder.empty())
    add(std::filesystem::path(programFolder) / build::kDataFolderFromPrograms);
  std::string_view dirs = xdgDataDirs ? xdgDataDirs : "";
  if (dirs.empty()) dirs = "/usr/local/share/:/usr/share/";
  while (!dirs.empty()) {
    const std::size_t colon = dirs.find(':');
    const std::string_view entry = dirs.substr(0, colon);
    if (!entry.empty() && entry.front() == '/') add(std::string(entry));
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
  }
  return folders;
}

std::vector<std::string> dataFolders() {
  return dataFolders(programFolder(), std::getenv("XDG_DATA_DIRS"));
}

std::optional<std::string> findInFolders(const std::vector<std::string>& folders,
                                         std::string_view name) {
  for (const std::string& folder : folders) {
    const std::string path = (std::filesystem::path(folder) / name).string();
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return path;
  }
  return std::nullopt;
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
