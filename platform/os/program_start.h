// Starting programs on Linux for commands written in Windows form, without
// the desktop (no GIO): the search on PATH, a start that does not wait and
// leaves no zombie, and the table of Windows system programs with their Linux
// counterparts. The desktop Launcher (desktop_launcher.h) is built on this.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::os {

// Finds a program as a shell does: a name that holds "/" is taken as it is,
// any other is looked for in the folders of PATH (an empty entry being the
// current folder; when PATH is unset, the system's default path). Empty when
// no executable regular file of that name is found.
std::string findProgramOnPath(std::string_view name);

// Starts argv[0] (found with findProgramOnPath) with argv as its arguments
// and the environment of this process, without waiting for it: posix_spawn,
// in a session of its own (as a Windows program is independent of the console
// that started it), with default signal handling, an empty signal mask and
// only standard input, output and error inherited. A thread of this process
// waits for the child, so no zombie is left. True when the program started
// (the program image was executed); false when argv is empty, the program is
// not found or cannot be executed.
bool startDetached(const std::vector<std::string>& argv);

// One way of starting the Linux counterpart of a Windows system program.
struct ProgramCandidate {
  // Not empty: start the desktop's default application for this content type
  // (through GIO) with the command's arguments; `argv` and `needs` are empty.
  std::string contentType;
  // Otherwise: the program (looked for on PATH) and its leading arguments;
  // the arguments of the Windows command follow them.
  std::vector<std::string> argv;
  // Programs that must all be found on PATH for this candidate to be tried
  // (argv[0] and, for a program run inside a terminal, that program).
  std::vector<std::string> needs;

  bool operator==(const ProgramCandidate&) const = default;
};

// The Windows system programs this project maps. The program is named by the
// file part of its name (after the last "\" or "/"), compared without case,
// with or without ".exe".
enum class SystemProgram { None, Notepad, OdbcAdministrator };
SystemProgram windowsSystemProgram(std::string_view program);

// The one table of Linux counterparts, in the order they are tried; empty when
// `program` is no mapped system program (it is then started as named).
//   notepad.exe   -> the default application for text/plain; else $VISUAL,
//                    else $EDITOR, inside "x-terminal-emulator -e". The value
//                    of $VISUAL or $EDITOR is split at blanks (no shell
//                    quoting), its first word being the editor.
//   ODBCAD32.EXE  -> ODBCManageDataSourcesQ5, ODBCManageDataSourcesQ4 (the
//                    unixODBC administrators); none on Debian 12.
// `visual` and `editor` are the values of $VISUAL and $EDITOR, empty when
// unset.
std::vector<ProgramCandidate> linuxCounterparts(std::string_view program, std::string_view visual,
                                                std::string_view editor);

// Starts the desktop's default application for a content type with the given
// arguments (file names or addresses); true when it started.
using DefaultAppStarter =
    std::function<bool(std::string_view contentType, const std::vector<std::string>& args)>;

// Starts a command line written in Windows form without waiting: split by
// splitWindowsCommandLine; a mapped system program is replaced by the first
// of its counterparts that starts (those needing the desktop's default
// application only when `startDefaultApp` is given); any other program is
// looked for on PATH and started with startDetached. True when a process was
// started. $VISUAL and $EDITOR are read from the environment.
bool startWindowsCommandLine(std::string_view commandLine,
                             const DefaultAppStarter& startDefaultApp = {});

}  // namespace qv::os
