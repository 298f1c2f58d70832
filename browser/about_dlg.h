// CAboutDlg: the about box, opened from the system menu; its OK button
// closes it.
#pragma once

#include <span>

#include "platform/afx/message_map.h"

namespace qv::browser {

class CAboutDlg : public afx::MappedDialog<CAboutDlg> {
 public:
  explicit CAboutDlg(ui::Ui& ui);

  static std::span<const afx::MessageEntry<CAboutDlg>> messageMap() { return {}; }
  static std::span<const afx::EventSinkEntry<CAboutDlg>> eventSinkMap() { return {}; }
};

}  // namespace qv::browser
