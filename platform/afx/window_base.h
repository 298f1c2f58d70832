// A window object: either a dialog (its live window exists while the dialog
// is open) or a control of a dialog, bound by id in the dialog data exchange.
// Every operation does nothing while no window is live, so a handler that
// outlives its window cannot reach a closed one.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace qv::afx {

class WindowBase {
 public:
  WindowBase() = default;
  virtual ~WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // Binds this object to control `id` of `parent`.
  void bindControl(WindowBase& parent, int id);
  int controlId() const { return id_; }

  // The live dialog this window is, or belongs to; null when none is open.
  ui::Dialog* liveDialog() const;

  // For a control its text; for a dialog its caption.
  void setText(std::string_view text);
  std::string text() const;
  void show(bool visible);
  void enable(bool enabled);
  // Paints at once, also while a handler blocks the thread.
  void repaint();
  // Check boxes and radio buttons; setting the state is no click.
  void setChecked(bool checked);
  bool isChecked() const;

 protected:
  void attachLive(ui::Dialog* dialog) { live_ = dialog; }

 private:
  ui::Dialog* live_ = nullptr;  // a dialog's own window
  const WindowBase* parent_ = nullptr;
  int id_ = 0;
};

}  // namespace qv::afx
