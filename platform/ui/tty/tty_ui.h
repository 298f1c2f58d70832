// The terminal dialog backend: every open dialog drawn in the terminal, the
// innermost modal one taking the keyboard, each modal dialog in a loop of
// its own that delivers posted commands, timers (real time) and keys. A
// script may drive it instead of a person (TtyScript); without a terminal,
// a scripted run draws into the canvas alone.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/tty/canvas.h"
#include "platform/ui/tty/dialog_view.h"
#include "platform/ui/tty/terminal.h"
#include "platform/ui/ui.h"

namespace qv::ui::tty {

class TtyScript;

class TtyUi final : public Ui, public DialogHost {
 public:
  // `terminal` null: no terminal to draw on (scripted runs only); `script`
  // null: a person drives the run.
  TtyUi(Terminal* terminal, TtyScript* script);
  ~TtyUi() override;

  // Ui
  int runModal(const DialogTemplate&, DialogProc&) override;
  std::unique_ptr<Dialog> openModeless(const DialogTemplate&, DialogProc&, Dialog* owner) override;
  MessageAnswer messageBox(std::string_view text, std::string_view title, MessageIcon,
                           MessageButtons) override;
  std::optional<std::string> openFile(const OpenFileRequest&) override;
  std::optional<std::string> browseFolder(std::string_view title) override;
  void setClipboardText(std::string_view text) override;
  std::string clipboardText() override { return clipboard_; }
  void sleep(int ms) override;
  std::uint32_t tickCount() override;
  bool registerWindowClass(std::string_view className) override;
  void unregisterWindowClass(std::string_view className) override;
  std::unique_ptr<Window> createWindow(std::string_view className, std::string_view title,
                                       WindowProc&) override;
  void postQuit(int exitCode) override;
  int runMessageLoop() override;

  // DialogHost
  void dialogShown(Dialog&, bool visible) override;
  void repaint(Dialog&, int id) override;
  void progressChanged(Dialog&, int id) override;
  void setTimer(Dialog&, int timerId, int ms) override;
  void killTimer(Dialog&, int timerId) override;
  void postCommand(Dialog&, int id) override;
  void closed(Dialog&) override;
  void navigate(Dialog&, int id, std::string_view url, std::string_view headers) override;
  void stopLoading(Dialog&, int id) override;
  void reload(Dialog&, int id) override;

  // For the script and the common dialogs.
  const Dialog* innermostModal() const { return modal_.empty() ? nullptr : modal_.back(); }
  const Canvas& paint();
  void restoreTerminal();
  // The web view follows a link to `url`, as the user would.
  void follow(Dialog& dialog, int id, const std::string& url);
  DialogView* viewOf(const Dialog& dialog);

  struct MainWindow;
  void postToWindow(MainWindow& window, unsigned message, std::uintptr_t wparam,
                    std::intptr_t lparam);
  void forgetWindow(MainWindow& window);

 private:
  struct Timer {
    Dialog* dialog;
    int id;
    int period;
    std::int64_t due;
  };
  struct Posted {
    Dialog* dialog = nullptr;
    int command = 0;
    bool navigateError = false;  // a web view's failed navigation, for control `command`
    MainWindow* window = nullptr;
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
  };

  DialogView& attach(Dialog& dialog);
  void write(const char* event, const Dialog& dialog);
  bool dispatchPosted();
  bool deliverDueTimer();
  // Milliseconds to the next timer, capped at `cap`.
  int untilNextTimer(int cap) const;
  void load(Dialog& dialog, int id, const std::string& url, std::string_view headers);
  void waitForInput(Dialog& dialog, int ms);

  Terminal* terminal_;
  TtyScript* script_;
  Canvas canvas_{24, 80};
  std::vector<std::unique_ptr<DialogView>> views_;  // in opening order
  std::vector<Dialog*> modal_;                      // innermost last
  std::vector<Timer> timers_;
  std::deque<Posted> queue_;
  std::optional<int> quit_;
  std::string clipboard_;
  std::set<std::string, std::less<>> classes_;
};

}  // namespace qv::ui::tty
