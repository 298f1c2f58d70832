// A dialog kit without a screen that opens one page at a time on its model
// only: the page fills its fields, a caller reads or sets them, and "Next ->"
// runs the page's own checks. Message boxes are collected, a question is
// answered Yes. This is how the command line and the saved answers reach the
// pages without a second copy of any page's defaults or checks.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/launcher.h"
#include "platform/os/server_enumeration.h"
#include "platform/ui/platform.h"
#include "platform/ui/ui.h"

namespace qv::wizard {

struct FormMessage {
  std::string text;
  bool question = false;  // asked Yes or No, and answered Yes
};

class FormUi final : public ui::Ui {
 public:
  // Called with the page's dialog once it is filled.
  using Visit = std::function<void(ui::Dialog&)>;

  // The next runModal fills the page, calls `visit`, and with `pressNext`
  // presses "Next ->" and returns what the page ended with (0 when it stayed
  // open). Messages of the filling are dropped (an ODBC listing that fails,
  // say): only the checks' are kept.
  void prepare(Visit visit, bool pressNext);
  // The messages of the last page's checks, and of any message box told
  // since outside a page (the generator's, the header reader's).
  const std::vector<FormMessage>& messages() const { return messages_; }
  void clearMessages() { messages_.clear(); }

  int runModal(const ui::DialogTemplate& tpl, ui::DialogProc& proc) override;
  std::unique_ptr<ui::Dialog> openModeless(const ui::DialogTemplate&, ui::DialogProc&,
                                           ui::Dialog*) override {
    return nullptr;
  }
  ui::MessageAnswer messageBox(std::string_view text, std::string_view title, ui::MessageIcon,
                               ui::MessageButtons buttons) override;
  std::optional<std::string> openFile(const ui::OpenFileRequest&) override { return {}; }
  std::optional<std::string> browseFolder(std::string_view) override { return {}; }
  void setClipboardText(std::string_view) override {}
  std::string clipboardText() override { return {}; }
  void sleep(int) override {}
  std::uint32_t tickCount() override;
  bool registerWindowClass(std::string_view) override { return false; }
  void unregisterWindowClass(std::string_view) override {}
  std::unique_ptr<ui::Window> createWindow(std::string_view, std::string_view,
                                           ui::WindowProc&) override {
    return nullptr;
  }
  void postQuit(int) override {}
  int runMessageLoop() override { return 0; }

 private:
  Visit visit_;
  bool pressNext_ = false;
  bool inPage_ = false;
  std::vector<FormMessage> messages_;
};

// A launcher that starts nothing: no page is asked to launch on Next.
class NoLauncher final : public os::Launcher {
 public:
  bool startProgram(std::string_view, os::WindowState) override { return false; }
  bool openAddress(std::string_view) override { return false; }
  std::string findAssociatedProgram(std::string_view) override { return {}; }
};

class FormPlatform final : public ui::Platform {
 public:
  FormUi& formUi() { return ui_; }
  ui::Ui& ui() override { return ui_; }
  os::Launcher& launcher() override { return launcher_; }
  os::ServerEnumerator& servers() override { return servers_; }
  int smtpProbePort() override { return 25; }

 private:
  FormUi ui_;
  NoLauncher launcher_;
  os::ListedServers servers_{std::nullopt};
};

}  // namespace qv::wizard
