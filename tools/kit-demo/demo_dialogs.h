// A sample program on the dialog kit: one settings dialog with every control
// kind, a nested details dialog, and a hidden main window that runs them the
// way the wizard runs its pages. The kit's tests and its demo use it.
#pragma once

#include "platform/ui/platform.h"

namespace qv::demo {

// Control ids of the sample dialogs.
enum DemoId : int {
  kName = 101,
  kNotes = 102,
  kSecret = 103,
  kCount = 104,
  kShown = 105,
  kRemember = 110,
  kSmall = 111,
  kLarge = 112,
  kAuto = 113,
  kChoices = 120,
  kColour = 121,
  kShape = 122,
  kServers = 123,
  kProgress = 130,
  kDetails = 140,
  kBrowse = 141,
  kFolder = 142,
  kPaste = 143,
  kStep = 144,
  kGo = 145,
  kView = 150,
  kDetailText = 201,
  kMore = 202,
  kQuitAll = 203,
};

inline constexpr int kTickTimer = 7;
inline constexpr unsigned kStartMessage = 0x0400 + 30;

// Runs the sample: hidden main window, start message, the settings dialog,
// message loop. Returns the exit code (0, or 1 when the window failed).
int runDemo(ui::Platform& platform);

}  // namespace qv::demo
