// One handler object per dialog: the dialog procedure.
#pragma once

#include "platform/ui/dialog.h"

namespace qv::ui {

// The window menu's close command, recognised with its low four bits masked
// off; a dialog that does not handle it gets the cancel command.
inline constexpr int kScClose = 0xF060;
inline constexpr int kScCommandMask = 0xFFF0;
// The window system runs no timer faster than this.
inline constexpr int kMinTimerPeriodMs = 10;

class DialogProc {
 public:
  virtual ~DialogProc() = default;
  // The dialog and its controls exist; fill them. Not yet shown.
  virtual void onInit(Dialog&) {}
  // A button was clicked, a key sent its command (Enter: the default button,
  // Escape: kIdCancel), or a command was posted.
  virtual void onCommand(Dialog&, int /*id*/) {}
  virtual void onTimer(Dialog&, int /*timerId*/) {}
  // A system menu command; false lets the default processing have it.
  virtual bool onSysCommand(Dialog&, int /*command*/) { return false; }
  virtual void onWebViewEvent(Dialog&, int /*id*/, WebViewEvent) {}
};

}  // namespace qv::ui
