// A program in a real terminal: a tmux server of the test's own (a private
// socket, never the user's server), one 80 x 24 window running the command,
// keys sent with send-keys and the screen read back with capture-pane.
#pragma once

#include <string>
#include <vector>

namespace qv::ttytest {

// False when tmux is not installed.
bool haveTmux();

class TmuxSession {
 public:
  // `command` runs under sh in `workDir`; its exit status is kept.
  TmuxSession(const std::string& command, const std::string& workDir, int cols = 80, int rows = 24);
  ~TmuxSession();
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  // Key names as tmux knows them ("Tab", "BTab", "Enter", "C-c", "M-n"),
  // or literal text with `literal`.
  void keys(const std::vector<std::string>& names);
  void type(const std::string& text);
  std::string screen() const;
  // Waits until the screen shows `text`; false after `seconds`.
  bool waitFor(const std::string& text, double seconds = 10) const;
  // Waits for the program's end; its exit status, or -1 after `seconds`.
  int waitForExit(double seconds = 20) const;
  // The program's process id, once it runs.
  int pid() const;
  // A tmux format of the pane, e.g. "#{alternate_on}".
  std::string paneFormat(const std::string& format) const;
  void resize(int cols, int rows);
  // What the program last put in tmux's paste buffer (OSC 52).
  std::string pasteBuffer() const;
  // `stty -a` as the shell saw it after the program's end.
  std::string modesAfterExit() const;

 private:
  std::string tmux(const std::string& arguments) const;
  std::string socket_;
  std::string dir_;
};

}  // namespace qv::ttytest
