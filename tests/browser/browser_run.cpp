#include "tests/browser/browser_run.h"

#include "browser/browser_app.h"
#include "browser/res/resources.h"
#include "tests/support/forwarding_platform.h"

namespace qv::test {
namespace {

// Passes every call to the scripted platform; notes the main dialog's state
// at each sleep.
class WatchingPlatform final : public ForwardingPlatform {
 public:
  WatchingPlatform(ui::Platform& inner, std::vector<SleepSnapshot>& sleeps)
      : ForwardingPlatform(inner), sleeps_(sleeps) {}

  int runModal(const ui::DialogTemplate& tpl, ui::DialogProc& proc) override {
    Capture capture(proc, tpl.name == "102" ? &main_ : nullptr);
    return inner().runModal(tpl, capture);
  }
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
