// The scripted platform with a hook on message boxes, for runs in which the
// world changes while the user reads a message (disk space freed, say).
#pragma once

#include <functional>
#include <string_view>

#include "platform/ui/platform.h"

namespace qv::wizard::test {

class MessageHook final : public ui::Platform, ui::Ui {
 public:
  using Hook = std::function<void(std::string_view text)>;
  MessageHook(ui::Platform& inner, Hook hook) : inner_(inner), hook_(std::move(hook)) {}

  ui::Ui& ui() override { return *this; }
  os::Launcher& launcher() override { return inner_.launcher(); }
  os::ServerEnumerator& servers() override { return inner_.servers(); }
  int smtpProbePort() override { return inner_.smtpProbePort(); }

  ui::MessageAnswer messageBox(std::string_view text, std::string_view title, ui::MessageIcon icon,
                               ui::MessageButtons buttons) override {
    const ui::MessageAnswer answer = in().messageBox(text, title, icon, buttons);
    hook_(text);
    return answer;
  }

  int runModal(const ui::DialogTemplate& t, ui::DialogProc& p) override {
    return in().runModal(t, p);
  }
  std::unique_ptr<ui::Dialog> openModeless(const ui::DialogTemplate& t, ui::DialogProc& p,
                                           ui::Dialog* owner) override {
    return in().openModeless(t, p, owner);
  }
  std::optional<std::string> openFile(const ui::OpenFileRequest& r) override {
    return in().openFile(r);
  }
  std::optional<std::string> browseFolder(std::string_view t) override {
    return in().browseFolder(t);
  }
  void setClipboardText(std::string_view t) override { in().setClipboardText(t); }
  std::string clipboardText() override { return in().clipboardText(); }
  void sleep(int ms) override { in().sleep(ms); }
  std::uint32_t tickCount() override { return in().tickCount(); }
  bool registerWindowClass(std::string_view c) override { return in().registerWindowClass(c); }
  void unregisterWindowClass(std::string_view c) override { in().unregisterWindowClass(c); }
  std::unique_ptr<ui::Window> createWindow(std::string_view c, std::string_view t,
                                           ui::WindowProc& p) override {
    return in().createWindow(c, t, p);
  }
  void postQuit(int code) override { in().postQuit(code); }
  int runMessageLoop() override { return in().runMessageLoop(); }

 private:
  ui::Ui& in() { return inner_.ui(); }
  ui::Platform& inner_;
  Hook hook_;
};

}  // namespace qv::wizard::test
