// Which controls a script's user actions can act on; shared by every backend
// that a script drives.
#pragma once

#include "platform/ui/dialog.h"

namespace qv::ui::script {

// `click` and `press` act on these.
inline bool isClickable(ControlKind kind) {
  return kind == ControlKind::Button || kind == ControlKind::Check || kind == ControlKind::Radio;
}

// `set` and `caret` act on these: edit fields and a combo box's edit field.
inline bool takesText(const ControlState& c) {
  return c.kind() == ControlKind::Edit ||
         (c.kind() == ControlKind::Combo && c.has(cs::kDropDownEdit));
}

// `navigated` and `navigate-error` act on the dialog's first web view; null
// when it has none.
inline const ControlState* firstWebView(const Dialog& dialog) {
  for (const ControlState& c : dialog.controls()) {
    if (c.kind() == ControlKind::WebView) return &c;
  }
  return nullptr;
}

}  // namespace qv::ui::script
