// Where the programs find themselves and their shared data.
#pragma once

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

// A file (not a folder) of that name exists: anything that is not a folder
// counts (regular files, devices such as /dev/null, pipes), as Windows counts
// every entry without the directory attribute. Symbolic links are followed,
// so a dangling link is no file.
bool fileExists(const std::string& path);
// A folder of that name exists (a link to a folder counts).
bool folderExists(const std::string& path);

// The whole content of a file, read without translation; nullopt when the
// file cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace qv::os
