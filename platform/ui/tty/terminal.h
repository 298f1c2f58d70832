// The terminal under curses (ncursesw): the picture copied from a canvas,
// keys and mouse clicks read with a time limit, the clipboard written with
// OSC 52. The terminal is given back as it was on every way out: the
// object's end, exit(), a fatal signal (SIGTERM, SIGHUP when an SSH session
// drops, SIGINT, SIGQUIT) and a crash (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGABRT), after which the signal takes its usual course.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ui/tty/canvas.h"
#include "platform/ui/tty/keys.h"

namespace qv::ui::tty {

class Terminal {
 public:
  // Null with a reason when standard input and output are no terminal or
  // curses cannot start.
  static std::unique_ptr<Terminal> open(std::string& error);
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  int rows() const;
  int cols() const;
  void show(const Canvas& canvas, std::optional<std::pair<int, int>> cursor);
  // Waits up to `timeoutMs` (-1: no limit); nullopt when nothing came.
  std::optional<Key> readKey(int timeoutMs);
  // Sets the terminal's own clipboard where the terminal takes OSC 52.
  void writeClipboard(std::string_view text);
  // Gives the terminal back now (also done by the destructor); idempotent.
  void restore();

 private:
  Terminal() = default;
  bool restored_ = false;
  bool osc52_ = false;
};

}  // namespace qv::ui::tty
