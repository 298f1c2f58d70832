// A platform that passes every call to another one, for tests that watch or
// change one call of a run and leave the rest to the scripted backend.
#pragma once

#include "platform/ui/platform.h"

namespace qv::test {

class ForwardingPlatform : public ui::Platform, public ui::Ui {
 public:
  explicit ForwardingPlatform(ui::Platform& inner) : inner_(inner) {}

  ui::Ui& ui() override { return *this; }
  os::Launcher& launcher() override { return inner_.launcher(); }
  os::ServerEnumerator& servers() override { return inner_.servers(); }
  int smtpProbePort() override { return inner_.smtpProbePort(); }

  int runModal(const ui::DialogTemplate& t, ui::DialogProc& p) override {
    return inner().runModal(t, p);
  }
  std::unique_ptr<ui::Dialog> openModeless(const ui::DialogTemplate& t, ui::DialogProc& p,
                                           ui::Dialog* owner) override {
    return inner().openModeless(t, p, owner);
  }
  ui::MessageAnswer messageBox(std::string_view text, std::string_view title, ui::MessageIcon icon,
                               ui::MessageButtons buttons) override {
    return inner().messageBox(text, title, icon, buttons);
  }
  std::optional<std::string> openFile(const ui::OpenFileRequest& r) override {
    return inner().openFile(r);
  }
  std::optional<std::string> browseFolder(std::string_view t) override {
    return inner().browseFolder(t);
  }
  void setClipboardText(std::string_view t) override { inner().setClipboardText(t); }
  std::string clipboardText() override { return inner().clipboardText(); }
  void sleep(int ms) override { inner().sleep(ms); }
  std::uint32_t tickCount() override { return inner().tickCount(); }
  bool registerWindowClass(std::string_view c) override { return inner().registerWindowClass(c); }
  void unregisterWindowClass(std::string_view c) override { inner().unregisterWindowClass(c); }
  std::unique_ptr<ui::Window> createWindow(std::string_view c, std::string_view t,
                                           ui::WindowProc& p) override {
    return inner().createWindow(c, t, p);
  }
  void postQuit(int code) override { inner().postQuit(code); }
  int runMessageLoop() override { return inner().runMessageLoop(); }

 protected:
  ui::Ui& inner() { return inner_.ui(); }

 private:
  ui::Platform& inner_;
};

}  // namespace qv::test
