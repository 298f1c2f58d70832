// A private folder for a fuzz target's files, made once per process and
// removed at its end; the engine reads templates from files only.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qv::fuzz {

class FuzzFiles {
 public:
  FuzzFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
  }
  ~FuzzFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  std::string write(const std::string& name, const std::uint8_t* data, std::size_t size) const {
    const std::string full = path(name);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return full;
  }

  std::size_t count() const {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) n += entry.exists();
    return n;
  }

 private:
  std::string folder_;
};

// One per process: libFuzzer calls the target many times.
inline FuzzFiles& files() {
  static FuzzFiles instance;
  return instance;
}

}  // namespace qv::fuzz
