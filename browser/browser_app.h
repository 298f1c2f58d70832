// CQuorvelConsoleBrowserApp: runs the main dialog and ends the program when
// it closes.
#pragma once

#include "platform/afx/app_base.h"

namespace qv::browser {

class CQuorvelConsoleBrowserApp : public afx::AppBase {
 public:
  using AppBase::AppBase;

 protected:
  bool InitInstance() override;
};

}  // namespace qv::browser
