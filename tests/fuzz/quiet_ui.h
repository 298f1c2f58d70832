// A dialog kit that shows nothing and counts what it was asked to show, for
// fuzz targets: every message box is answered OK, every modal dialog (the
// compile error report) ends at once.
#pragma once

#include "platform/ui/ui.h"

namespace qv::fuzz {

class QuietUi final : public ui::Ui {
 public:
  int messages = 0;
  int dialogs = 0;

  int runModal(const ui::DialogTemplate&, ui::DialogProc&) override {
    ++dialogs;
    return 0;
  }
  std::unique_ptr<ui::Dialog> openModeless(const ui::DialogTemplate&, ui::DialogProc&,
                                           ui::Dialog*) override {
    return nullptr;
  }
  ui::MessageAnswer messageBox(std::string_view, std::string_view, ui::MessageIcon,
                               ui::MessageButtons) override {
    ++messages;
    return ui::MessageAnswer::Ok;
  }
  std::optional<std::string> openFile(const ui::OpenFileRequest&) override { return {}; }
  std::optional<std::string> browseFolder(std::string_view) override { return {}; }
  void setClipboardText(std::string_view) override {}
  std::string clipboardText() override { return {}; }
  void sleep(int) override {}
  std::uint32_t tickCount() override { return 0; }
  bool registerWindowClass(std::string_view) override { return false; }
  void unregisterWindowClass(std::string_view) override {}
  std::unique_ptr<ui::Window> createWindow(std::string_view, std::string_view,
                                           ui::WindowProc&) override {
    return nullptr;
  }
  void postQuit(int) override {}
  int runMessageLoop() override { return 0; }
};

}  // namespace qv::fuzz
