// Starting other programs, as the shell and process services of the desktop
// do. One Launcher is chosen with the dialog backend: the scripted backend
// records, the desktop backend starts programs for real.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv::os {

enum class WindowState { Normal, Maximised };

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a command line written in Windows form (program then arguments,
  // quoted as Windows does) without waiting for it. The program is looked for
  // on PATH; Windows system programs map to their Linux counterparts.
  virtual bool startProgram(std::string_view commandLine, WindowState state) = 0;
  // Opens an address with the desktop's handler (the shell's "open").
  virtual bool openAddress(std::string_view address) = 0;
  // The program associated with the type of an existing file; empty when
  // the file is missing or no program is associated.
  virtual std::string findAssociatedProgram(std::string_view filePath) = 0;
};

// Splits a command line as the Windows C run time splits its arguments
// (the rules of the Visual C++ 2008 and later run times):
// - Arguments are separated by blanks and tabs outside quotes.
// - The first one, the program, ends at a blank or tab outside quotes; quotes
//   in it only switch quoting and are dropped; backslashes are plain.
// - In the others, 2n backslashes before a quote give n backslashes and the
//   quote switches quoting; 2n + 1 backslashes before a quote give n
//   backslashes and a literal quote; other backslashes are plain. Inside
//   quotes, two quotes give one literal quote and quoting goes on. "" is an
//   empty argument.
// Unlike the run time, which would give an empty program name, blanks before
// the program are skipped: an empty or blank command line gives no arguments.
std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine);

}  // namespace qv::os
