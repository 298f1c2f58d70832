// Starting programs from dialogs drawn in the terminal: what is started must
// not draw over the dialogs or read the user's keys, so it gets /dev/null as
// its standard input, output and error instead of the terminal (programs
// with windows of their own do not notice). Wraps the launcher that starts
// them.
#pragma once

#include <memory>

#include "platform/os/launcher.h"

namespace qv::ui::tty {

class TerminalLauncher final : public os::Launcher {
 public:
  explicit TerminalLauncher(std::unique_ptr<os::Launcher> inner) : inner_(std::move(inner)) {}
  bool startProgram(std::string_view commandLine, os::WindowState state) override;
  bool openAddress(std::string_view address) override;
  std::string findAssociatedProgram(std::string_view filePath) override {
    return inner_->findAssociatedProgram(filePath);
  }

 private:
  std::unique_ptr<os::Launcher> inner_;
};

}  // namespace qv::ui::tty
