// CSplash: the picture shown while the main dialog initialises.
#pragma once

#include "browser/res/resources.h"
#include "platform/afx/dialog_base.h"

namespace qv::browser {

class CSplash : public afx::DialogBase {
 public:
  explicit CSplash(ui::Ui& ui) : DialogBase(res::splashWindow(), ui) {}
};

}  // namespace qv::browser
