// What the terminal reports, as the dialog views understand it: keys with
// their modifiers, mouse clicks and size changes.
#pragma once

namespace qv::ui::tty {

enum class KeyCode {
  None,
  Char,  // `ch`; with `alt` for Alt+letter
  Tab,
  BackTab,
  Enter,
  Escape,
  Up,
  Down,
  Left,
  Right,
  Home,
  End,
  PageUp,
  PageDown,
  Backspace,
  Delete,
  ShiftLeft,
  ShiftRight,
  ShiftHome,
  ShiftEnd,
  Interrupt,   // Ctrl+C
  Paste,       // Ctrl+V
  SelectAll,   // Ctrl+A
  OpenList,    // F4 or Alt+Down: a combo box drops its list
  WindowMenu,  // Alt+Space
  Click,       // the left mouse button at `row`, `col`
  Resize,
};

struct Key {
  KeyCode code = KeyCode::None;
  char32_t ch = 0;
  bool alt = false;
  int row = 0, col = 0;
};

}  // namespace qv::ui::tty
