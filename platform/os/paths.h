// Where the programs find themselves and their shared data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::os {

// The folder of the running program with a trailing "/"; empty when the
// program's own path cannot be had.
std::string programFolder();

// The folders the programs look in for data, in this order: the data
// folder of the installation the program belongs to (<program folder>/../
// share, so an installation under any prefix and the build tree find their
// own data without settings), then every entry of XDG_DATA_DIRS in order
// (/usr/local/share, /usr/share when it is unset or empty), as the XDG base
// directory rules say. Entries that are empty or not absolute paths (invalid
// by those rules) are skipped; a folder named again keeps its first place.
// No trailing "/" (the root folder stays "/").
std::vector<std::string> dataFolders();
// The same from given values: `programFolder` as programFolder() gives it
// (empty: unknown), `xdgDataDirs` the variable's value (nullptr: unset).
std::vector<std::string> dataFolders(const std::string& programFolder, const char* xdgDataDirs);

// The path of `name` (a file or folder, links followed) in the first of
// `folders` that has it; nullopt when none has.
std::optional<std::string> findInFolders(const std::vector<std::string>& folders,
                                         std::string_view name);

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
