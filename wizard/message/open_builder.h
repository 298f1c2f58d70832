// Opening the expression builder on a field of a page. The builder has no
// owner window, so the page behind it stays enabled; its BuilderGuard keeps
// the page from opening a second builder or being left while one is open.
#pragma once

#include <string_view>

#include "platform/ui/dialog.h"

namespace qv::wizard {

class BuilderGuard {
 public:
  bool isOpen() const { return open_; }

 private:
  friend bool openExpressionBuilder(BuilderGuard&, ui::Dialog&, int, std::string_view);
  bool open_ = false;
};

// Runs MSG-BUILDER on the text of `field` (cut to 4,999 characters) with
// `defaultText` on offer. A non-empty text accepted with OK replaces the
// field's content; Cancel leaves the field exactly as it was. False, and
// nothing happens, while the guard's builder is still open.
bool openExpressionBuilder(BuilderGuard& guard, ui::Dialog& page, int field,
                           std::string_view defaultText);

}  // namespace qv::wizard
