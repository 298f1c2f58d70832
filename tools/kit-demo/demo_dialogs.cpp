#include "tools/kit-demo/demo_dialogs.h"

#include "platform/base/text.h"

namespace qv::demo {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;
namespace cs = ui::cs;
namespace ds = ui::ds;

constexpr ControlTemplate kMainControls[] = {
    {100, ControlKind::Static, "Name && address :", 7, 7, 60, 8},
    {kName, ControlKind::Edit, "", 70, 5, 120, 12, cs::kTabStop | cs::kAutoHScroll},
    {kNotes, ControlKind::Edit, "", 70, 20, 120, 30,
     cs::kTabStop | cs::kMultiLine | cs::kWantReturn | cs::kVScroll},
    {kSecret, ControlKind::Edit, "", 70, 53, 120, 12, cs::kTabStop | cs::kPassword},
    {kCount, ControlKind::Edit, "", 70, 68, 40, 12, cs::kTabStop | cs::kNumber},
    {kShown, ControlKind::Edit, "read only", 70, 83, 120, 12, cs::kReadOnly},
    {kRemember, ControlKind::Check, "Remember", 200, 5, 60, 10, cs::kTabStop},
    {kSmall, ControlKind::Radio, "Small", 200, 18, 60, 10, cs::kGroup | cs::kTabStop},
    {kLarge, ControlKind::Radio, "Large", 200, 30, 60, 10},
    {kAuto, ControlKind::Check, "Tick automatically", 200, 44, 80, 14,
     cs::kGroup | cs::kPushLike | cs::kTabStop},
    {kChoices, ControlKind::Group, "Choices", 5, 100, 280, 60},
    {kColour, ControlKind::Combo, "", 10, 112, 80, 60,
     cs::kDropDownEdit | cs::kSort | cs::kTabStop},
    {kShape, ControlKind::Combo, "", 100, 112, 80, 60, cs::kTabStop},
    {kServers, ControlKind::List, "", 190, 112, 90, 40, cs::kSort | cs::kVScroll | cs::kTabStop},
    {kProgress, ControlKind::Progress, "", 5, 165, 200, 10, cs::kSmooth},
    {131, ControlKind::Icon, "128", 260, 60, 20, 20},
    {kView, ControlKind::WebView, "", 5, 180, 280, 40, cs::kTabStop},
    {kDetails, ControlKind::Button, "Details ...", 5, 225, 50, 14, cs::kTabStop},
    {kBrowse, ControlKind::Button, "Browse ...", 58, 225, 50, 14, cs::kTabStop},
    {kFolder, ControlKind::Button, "Folder ...", 111, 225, 50, 14, cs::kTabStop},
    {kPaste, ControlKind::Button, "Paste", 164, 225, 30, 14, cs::kTabStop},
    {kStep, ControlKind::Button, "Step", 197, 225, 30, 14, cs::kTabStop},
    {kGo, ControlKind::Button, "Go", 230, 225, 20, 14, cs::kTabStop},
    {ui::kIdCancel, ControlKind::Button, "Cancel", 180, 245, 50, 14, cs::kTabStop},
    {ui::kIdOk, ControlKind::Button, "OK", 235, 245, 50, 14, cs::kDefault | cs::kTabStop},
};

constexpr DialogTemplate kMainDialog{"DEMO-MAIN",
                                     "Dialog Kit Sample",
                                     290,
                                     265,
                                     ds::kCaption | ds::kCentered | ds::kModalFrame,
                                     "MS Sans Serif",
                                     8,
                                     kMainControls};

constexpr ControlTemplate kDetailControls[] = {
    {200, ControlKind::Static, "Say something :", 7, 7, 100, 8},
    {kDetailText, ControlKind::Edit, "", 7, 18, 150, 12, cs::kTabStop},
    {kMore, ControlKind::Button, "More ...", 7, 40, 50, 14, cs::kTabStop},
    {kQuitAll, ControlKind::Button, "Quit all", 60, 40, 50, 14, cs::kTabStop},
    {ui::kIdCancel, ControlKind::Button, "Cancel", 60, 60, 50, 14, cs::kTabStop},
    {ui::kIdOk, ControlKind::Button, "OK", 115, 60, 50, 14, cs::kDefault | cs::kTabStop},
};

constexpr DialogTemplate kDetailDialog{"DEMO-DETAILS",
                                       "Details",
                                       170,
                                       80,
                                       ds::kCaption | ds::kCentered | ds::kModalFrame,
                                       "MS Sans Serif",
                                       8,
                                       kDetailControls};

constexpr std::string_view kTitle = "Dialog Kit Sample";

class DetailsProc final : public ui::DialogProc {
 public:
  void onCommand(ui::Dialog& d, int id) override {
    ui::Ui& ui = d.ui();
    switch (id) {
      case kMore: {
        DetailsProc inner;
        ui.runModal(kDetailDialog, inner);
        break;
      }
      case kQuitAll:
        ui.postQuit(0);
        break;
      case ui::kIdOk:
        if (d.text(kDetailText, 50).empty()) {
          ui.messageBox("Please say something ...", kTitle, ui::MessageIcon::Warning,
                        ui::MessageButtons::Ok);
          return;
        }
        d.end(ui::kIdOk);
        break;
      case ui::kIdCancel:
        d.end(ui::kIdCancel);
        break;
    }
  }
};

class MainProc final : public ui::DialogProc {
 public:
  void onInit(ui::Dialog& d) override {
    for (const char* colour : {"red", "Green", "blue", "green"}) d.addItem(kColour, colour);
    for (const char* shape : {"Square", "Circle", "Triangle"}) d.addItem(kShape, shape);
    d.setSelection(kShape, 0);
    d.setChecked(kSmall, true);
    d.setProgressRange(kProgress, 0, 100);
  }

  void onCommand(ui::Dialog& d, int id) override {
    ui::Ui& ui = d.ui();
    switch (id) {
      case kDetails: {
        DetailsProc details;
        const int result = ui.runModal(kDetailDialog, details);
        d.setText(kShown, result == ui::kIdOk ? "details given" : "no details");
        break;
      }
      case kBrowse: {
        ui::OpenFileRequest request;
        request.title = "Choose a file";
        request.filters = {{"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
        if (auto path = ui.openFile(request)) d.setText(kName, *path);
        break;
      }
      case kFolder:
        if (auto folder = ui.browseFolder("Choose a folder ...")) d.setText(kName, *folder);
        break;
      case kPaste:
        ui.setClipboardText("<pasted>");
        d.paste(kNotes);
        break;
      case kStep:
        step(d, 10);
        break;
      case kGo:
        d.navigate(kView, "http://127.0.0.1:8080/RecConsoleStatus.qvp", "Referer:Kit Sample");
        break;
      case kAuto:
        if (d.isChecked(kAuto)) {
          d.setTimer(kTickTimer, 1000);
        } else {
          d.killTimer(kTickTimer);
        }
        break;
      case ui::kIdOk:
        if (ui.messageBox("Keep these settings ?", kTitle, ui::MessageIcon::Question,
                          ui::MessageButtons::YesNo) == ui::MessageAnswer::Yes) {
          d.end(ui::kIdOk);
        }
        break;
      case ui::kIdCancel:
        d.end(ui::kIdCancel);
        break;
    }
  }

  void onTimer(ui::Dialog& d, int) override { step(d, 1); }

 private:
  void step(ui::Dialog& d, int by) {
    progress_ = (progress_ + by) % 101;
    d.setProgress(kProgress, progress_);
    d.setText(kShown, formatText("Progress (%d%%) ...", progress_));
    d.repaint(kShown);
    d.ui().sleep(100);
  }
  int progress_ = 0;
};

class MainWindowProc final : public ui::WindowProc {
 public:
  explicit MainWindowProc(ui::Ui& ui) : ui_(ui) {}
  long onMessage(ui::Window&, unsigned message, std::uintptr_t wparam, std::intptr_t) override {
    if (message == kStartMessage && wparam == 1) {
      MainProc main;
      ui_.runModal(kMainDialog, main);
      ui_.postQuit(0);
    } else if (message == ui::kWmDestroy) {
      ui_.postQuit(0);
    }
    return 0;
  }

 private:
  ui::Ui& ui_;
};

}  // namespace

int runDemo(ui::Platform& platform) {
  ui::Ui& ui = platform.ui();
  constexpr std::string_view kClass = "QVKITDEMOCLASS";
  if (!ui.registerWindowClass(kClass)) return 1;
  MainWindowProc proc(ui);
  auto window = ui.createWindow(kClass, kTitle, proc);
  if (!window) {
    ui.unregisterWindowClass(kClass);
    return 1;
  }
  window->send(kStartMessage, 1, 0);
  const int code = ui.runMessageLoop();
  ui.unregisterWindowClass(kClass);
  return code;
}

}  // namespace qv::demo
