#include "tests/browser/browser_run.h"

#include "browser/browser_app.h"
#include "browser/res/resources.h"

namespace qv::test {
namespace {

// Passes every call to the scripted platform; notes the main dialog's state
// at each sleep.
class WatchingPlatform final : public ui::Platform, ui::Ui {
 public:
  WatchingPlatform(ui::Platform& inner, std::vector<SleepSnapshot>& sleeps)
      : inner_(inner), sleeps_(sleeps) {}

  ui::Ui& ui() override { return *this; }
  os::Launcher& launcher() override { return inner_.launcher(); }
  os::ServerEnumerator& servers() override { return inner_.servers(); }
  int smtpProbePort() override { return inner_.smtpProbePort(); }

  int runModal(const ui::DialogTemplate& tpl, ui::DialogProc& proc) override {
    Capture capture(proc, tpl.name == "102" ? &main_ : nullptr);
    return inner().runModal(tpl, capture);
  }
  std::unique_ptr<ui::Dialog> openModeless(const ui::DialogTemplate& tpl, ui::DialogProc& proc,
                                           ui::Dialog* owner) override {
    return inner().openModeless(tpl, proc, owner);
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
  void sleep(int ms) override {
    SleepSnapshot s;
    s.ms = ms;
    if (main_) {
      int enabled = 0;
      for (int id :
           {browser::res::kStatusPage, browser::res::kAlertsPage, browser::res::kSummaryPage}) {
        enabled += main_->isEnabled(id) ? 1 : 0;
      }
      s.pageButtonsEnabled = enabled == 3;
      s.pageButtonsDisabled = enabled == 0;
      s.systemMenu = main_->systemMenu();
      s.icon = main_->icon();
    }
    sleeps_.push_back(std::move(s));
    inner().sleep(ms);
  }
  std::uint32_t tickCount() override { return inner().tickCount(); }
  bool registerWindowClass(std::string_view c) override { return inner().registerWindowClass(c); }
  void unregisterWindowClass(std::string_view c) override { inner().unregisterWindowClass(c); }
  std::unique_ptr<ui::Window> createWindow(std::string_view c, std::string_view t,
                                           ui::WindowProc& p) override {
    return inner().createWindow(c, t, p);
  }
  void postQuit(int code) override { inner().postQuit(code); }
  int runMessageLoop() override { return inner().runMessageLoop(); }

 private:
  // Forwards to the program's procedure, keeping hold of the live dialog.
  class Capture final : public ui::DialogProc {
   public:
    Capture(ui::DialogProc& proc, ui::Dialog** slot) : proc_(proc), slot_(slot) {}
    ~Capture() override {
      if (slot_) *slot_ = nullptr;
    }
    void onInit(ui::Dialog& d) override {
      if (slot_) *slot_ = &d;
      proc_.onInit(d);
    }
    void onCommand(ui::Dialog& d, int id) override { proc_.onCommand(d, id); }
    void onTimer(ui::Dialog& d, int id) override { proc_.onTimer(d, id); }
    bool onSysCommand(ui::Dialog& d, int c) override { return proc_.onSysCommand(d, c); }
    void onWebViewEvent(ui::Dialog& d, int id, ui::WebViewEvent e) override {
      proc_.onWebViewEvent(d, id, e);
    }

   private:
    ui::DialogProc& proc_;
    ui::Dialog** slot_;
  };

  ui::Ui& inner() { return inner_.ui(); }

  ui::Platform& inner_;
  std::vector<SleepSnapshot>& sleeps_;
  ui::Dialog* main_ = nullptr;
};

}  // namespace

BrowserRun runBrowser(std::string_view commandLine, std::string_view script,
                      ui::script::ScriptSettings settings) {
  BrowserRun run;
  run.result = ui::script::runScriptText(
      script,
      [&](ui::Platform& platform) {
        WatchingPlatform watching(platform, run.sleeps);
        browser::CQuorvelConsoleBrowserApp app(watching, {"qvbrowser", std::string(commandLine)});
        return app.run();
      },
      std::move(settings));
  return run;
}

}  // namespace qv::test
