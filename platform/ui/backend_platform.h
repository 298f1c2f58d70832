// A run's platform made of a backend's Ui and the services chosen with it
// (the desktop and terminal modules build theirs from this).
#pragma once

#include <memory>
#include <utility>

#include "platform/ui/platform.h"

namespace qv::ui {

template <typename BackendUi>
class BackendPlatform final : public Platform {
 public:
  template <typename... UiArguments>
  BackendPlatform(std::unique_ptr<os::Launcher> launcher,
                  std::unique_ptr<os::ServerEnumerator> servers, int smtpPort,
                  UiArguments&&... uiArguments)
      : ui_(std::forward<UiArguments>(uiArguments)...),
        launcher_(std::move(launcher)),
        servers_(std::move(servers)),
        smtpPort_(smtpPort) {}
  Ui& ui() override { return ui_; }
  os::Launcher& launcher() override { return *launcher_; }
  os::ServerEnumerator& servers() override { return *servers_; }
  int smtpProbePort() override { return smtpPort_; }

 private:
  BackendUi ui_;
  std::unique_ptr<os::Launcher> launcher_;
  std::unique_ptr<os::ServerEnumerator> servers_;
  int smtpPort_;
};

}  // namespace qv::ui
