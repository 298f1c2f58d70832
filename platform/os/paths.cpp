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
