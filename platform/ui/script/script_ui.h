// The scripted backend: dialogs without windows, user input read from a
// script, every event written to a transcript, time virtual.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/script/script.h"
#include "platform/ui/script/script_reader.h"
#include "platform/ui/script/transcript.h"
#include "platform/ui/ui.h"

namespace qv::ui::script {

class ScriptUi final : public Ui, public DialogHost, public ScriptReader {
 public:
  ScriptUi(Script& script, Transcript& transcript);
  ~ScriptUi() override;

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
  std::uint32_t tickCount() override { return static_cast<std::uint32_t>(now_); }
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
  void navigate(Dialog&, int id, std::string_view url, std::string_view headers) override;
  void stopLoading(Dialog&, int id) override;
  void reload(Dialog&, int id) override;
  void closed(Dialog&) override;

  // Ends the run: writes the script-error line and unwinds to the run's start.
  [[noreturn]] void fail(int line, const std::string& message) override;
  Transcript& transcript() { return transcript_; }

  // Posting to the hidden main window (used by its Window object).
  struct ScriptWindow;
  void postToWindow(ScriptWindow& window, unsigned message, std::uintptr_t wparam,
                    std::intptr_t lparam);
  void forgetWindow(ScriptWindow& window);

 private:
  struct Timer {
    Dialog* dialog;
    int id;
    int period;
    std::uint64_t due;
  };
  struct Posted {
    Dialog* dialog = nullptr;
    ScriptWindow* window = nullptr;
    int command = 0;
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
  };

  bool dispatchPosted();
  bool deliverDueTimer(std::uint64_t until);
  bool deliverDueTimers();
  void waitFor(Dialog& dialog, long long ms);
  void performUserAction(Dialog& dialog);
  void writeDialog(const char* event, const Dialog& dialog);

  std::vector<Dialog*> modalStack_;  // innermost last
  std::vector<Timer> timers_;
  std::deque<Posted> queue_;
  std::optional<int> quit_;
  std::uint64_t now_ = 1000000;
  std::string clipboard_;
  std::set<std::string, std::less<>> classes_;
};

}  // namespace qv::ui::script
