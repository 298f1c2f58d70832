// Everything a program run gets from its backend: the dialog kit and the
// services chosen with it.
#pragma once

#include "platform/os/launcher.h"
#include "platform/os/server_enumeration.h"
#include "platform/ui/ui.h"

namespace qv::ui {

class Platform {
 public:
  virtual ~Platform() = default;
  virtual Ui& ui() = 0;
  virtual os::Launcher& launcher() = 0;
  virtual os::ServerEnumerator& servers() = 0;
  // The port that the SMTP probe connects to (25 outside tests).
  virtual int smtpProbePort() = 0;
};

}  // namespace qv::ui
