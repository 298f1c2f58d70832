// A virtual X server of the test's own (a free display, found by the server
// itself), optionally with a real window manager, in which one program runs
// on the desktop backend while the test presses keys through the XTEST
// extension (xdotool) and reads the screen's pixels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "desktop_run.h"

namespace qv::gtktest {

// False when Xvfb, xdotool or ImageMagick's import is missing.
bool haveXTools();

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
  bool isBlack() const { return r == 0 && g == 0 && b == 0; }
};

// A screen grab (or a part of one) as RGB bytes.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  Rgb at(int x, int y) const;
  // Pixels that differ from `colour` in the rectangle.
  int countOtherThan(Rgb colour, int x, int y, int w, int h) const;
  // Pixels of the rectangle close to `colour` (each channel within `slack`).
  int countNear(Rgb colour, int x, int y, int w, int h, int slack = 24) const;
};

// A top-level window as the X server places it.
struct Box {
  unsigned long id = 0;
  int x = 0, y = 0, width = 0, height = 0;
  int centreX() const { return x + width / 2; }
  int centreY() const { return y + height / 2; }
};

// Where a dialog's controls lie on screen: dialog units to pixels with the
// base units of the dialogs' font (Sans 8, which is DejaVu Sans on the test
// machines), in the window's client area. A title bar, if any, is above
// it; a frame, if any, is as wide on the left, right and bottom.
struct DialogArea {
  static constexpr int kUnitX = 7;
  static constexpr int kUnitY = 13;
  DialogArea(const Box& window, int unitsWide, int unitsHigh);
  Box control(int x, int y, int w, int h) const;
  bool fits = false;  // the window is as big as the base units make it
  Box client;
};

// The PNG file of a part of a picture; false when it cannot be written.
bool savePng(const Picture& picture, const Box& part, const std::string& file);

class XSession {
 public:
  static constexpr int kScreenWidth = 1280;
  static constexpr int kScreenHeight = 1024;

  // `windowManager`: also run openbox in the session.
  explicit XSession(bool windowManager = false);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;
  bool ready() const { return !display_.empty(); }
  const std::string& display() const { return display_; }

  // Starts the program on the desktop backend with its script; its
  // transcript is read with transcript().
  void start(const ProgramRun& run);
  // Waits until the transcript holds `text`; false after the timeout.
  bool waitForTranscript(const std::string& text, int timeoutMs = 30000) const;
  std::string transcript() const;
  std::string errors() const;
  // Waits for the program's exit and returns its status; kills it and
  // returns -1 after the timeout.
  int finish(int timeoutMs = 30000);

  // The window of the `occurrence`th opening of dialog `name` (as the
  // transcript's "open" event names it), once it is on screen and has taken
  // its script line.
  std::optional<Box> dialog(const std::string& name, int occurrence = 1) const;
  // The visible top-level window whose title is `title`, waiting for it.
  std::optional<Box> window(const std::string& title, int timeoutMs = 15000) const;
  // Keys pressed and released one after the other (xdotool names:
  // "Return", "Tab", "shift+Tab", "alt+n", "space"), into the window with
  // the keyboard focus; then a short pause for the program to react.
  void keys(const std::string& keys, int reactionMs = 400) const;
  void type(const std::string& text) const;
  void click(int x, int y, int reactionMs = 400) const;
  Picture grab() const;
  // A PNG of one window, for the documentation.
  bool savePicture(const Box& window, const std::string& file) const;
  // A shell command with DISPLAY set; returns its standard output.
  std::string x(const std::string& command) const;

 private:
  std::string dir_;
  std::string display_;
  int server_ = -1;
  int manager_ = -1;
  int program_ = -1;
};

}  // namespace qv::gtktest
