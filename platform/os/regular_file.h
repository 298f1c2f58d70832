// Documents (templates, scripts, automation scripts) are regular files only.
// Anything else is refused at once: opening a FIFO blocks until a writer
// comes, and a device such as /dev/zero or /dev/full reads or swallows bytes
// without end.
#pragma once

#include <sys/types.h>

#include <string>

namespace qv::os {

// open(2) that never blocks on a FIFO and gives a descriptor only for a
// regular file (links followed). -1 with errno set otherwise: EISDIR for a
// folder, EINVAL for any other kind of file. The descriptor is blocking and
// closed on exec.
int openRegularFile(const std::string& path, int flags, mode_t mode = 0666);

// A regular file of that name exists (links followed).
bool isRegularFile(const std::string& path);

// Both names reach the same file (same device and inode), also through a
// symbolic or hard link. False when either does not exist.
bool sameFile(const std::string& a, const std::string& b);

// The file a link names (links followed to the end), so that replacing a
// script keeps its link; the path itself when it is no link or names nothing
// yet.
std::string followLinks(const std::string& path);
// The folder part of a path: "." for a bare name, "/" for one in the root.
std::string folderOf(const std::string& path);

// The script can be written there: the name is a writable regular file or
// none, in a folder that takes new files (the script is written beside its
// target and then put in its place). Tested by opening the file for
// appending; a file that the test created is removed again at once, so
// nothing is left behind when no script is written later.
bool canReplaceFile(const std::string& path);

}  // namespace qv::os
