// Where the programs find themselves and their shared data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace qv::os {

// The folder of the running program with a trailing "/"; empty when the
// program's own path cannot be had.
std::string programFolder();

// The folder shared by all users that stands for the Windows common
// application data folder: the first entry of XDG_DATA_DIRS, or
// /usr/local/share when that is unset or empty. No trailing "/" (except for
// the root folder itself, which stays "/"). nullopt, as when Windows cannot
// give its known folder, when the first entry is not an absolute path: the
// XDG base directory rules call such an entry invalid.
std::optional<std::string> sharedDataFolder();

// A regular file of that name exists, links followed (a dangling link is no
// file). Devices and pipes do not count: no document is read from or written
// to them (platform/os/regular_file.h).
bool fileExists(const std::string& path);
// A folder of that name exists (a link to a folder counts).
bool folderExists(const std::string& path);

// The whole content of a regular file, read without translation; nullopt
// (errno set) when the file cannot be opened or read, is no regular file, or
// holds more than `maxBytes` (EFBIG).
std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes = SIZE_MAX);

}  // namespace qv::os
