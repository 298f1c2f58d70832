// The wizard's hidden main window: the start message runs the whole wizard
// (or, on the editing route, only the completion page) inside its handling.
#pragma once

#include <string_view>

#include "platform/ui/window.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

inline constexpr std::string_view kMainWindowClass = "QVWZSCRIPTCLASS";
inline constexpr std::string_view kMainWindowTitle = "Quorvel Scripting Wizard";
// Sent with first parameter 1 once the window exists.
inline constexpr unsigned kStartMessage = ui::kWmUser + 30;

class MainWindowProc final : public ui::WindowProc {
 public:
  explicit MainWindowProc(WizardContext& ctx) : ctx_(ctx) {}
  long onMessage(ui::Window& window, unsigned message, std::uintptr_t wparam,
                 std::intptr_t lparam) override;

 private:
  void runWizard();
  WizardContext& ctx_;
};

}  // namespace qv::wizard
