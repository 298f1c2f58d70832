// The desktop dialog backend on GTK 3: real windows, nested main loops for
// modal dialogs, GTK's message boxes and file choosers, the real clipboard
// and real time. A script may drive it instead of a person (ScriptDriver).
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/gtk/dialog_units.h"
#include "platform/ui/gtk/dialog_window.h"
#include "platform/ui/ui.h"

namespace qv::ui::gtk {

class ScriptDriver;

class GtkUi final : public Ui, public DialogHost {
 public:
  // `script` null: a person drives the run.
  explicit GtkUi(ScriptDriver* script);
  ~GtkUi() override;

  // Ui
  int runModal(const DialogTemplate&, DialogProc&) override;
  std::unique_ptr<Dialog> openModeless(const DialogTemplate&, DialogProc&, Dialog* owner) override;
  MessageAnswer messageBox(std::string_view text, std::string_view title, MessageIcon,
                           MessageButtons) override;
  std::optional<std::string> openFile(const OpenFileRequest&) override;
  std::optional<std::string> browseFolder(std::string_view title) override;
  void setClipboardText(std::string_view text) override;
  std::string clipboardText() override;
  void sleep(int ms) override;
  std::uint32_t tickCount() override;
  bool registerWindowClass(std::string_view className) override;
  void unregisterWindowClass(std::string_view className) override;
  std::unique_ptr<Window> createWindow(std::string_view className, std::string_view title,
                                       WindowProc&) override;
  void postQuit(int exitCode) override;
  int runMessageLoop() override;

  // DialogHost
  void controlChanged(Dialog&, int id) override;
  void dialogShown(Dialog&, bool visible) override;
  void titleChanged(Dialog&) override;
  void focusChanged(Dialog&, int id) override;
  void repaint(Dialog&, int id) override;
  void progressChanged(Dialog&, int id) override;
  void setTimer(Dialog&, int timerId, int ms) override;
  void killTimer(Dialog&, int timerId) override;
  void postCommand(Dialog&, int id) override;
  void ended(Dialog&) override;
  void closed(Dialog&) override;
  void navigate(Dialog&, int id, std::string_view url, std::string_view headers) override;
  void stopLoading(Dialog&, int id) override;
  void reload(Dialog&, int id) override;
  void systemMenuChanged(Dialog&) override;
  void iconChanged(Dialog&) override;
  void bringToFront(Dialog&) override;

  // For the script driver.
  DialogWindow* innermostModal() { return modal_.empty() ? nullptr : modal_.back().window; }
  bool busyElsewhere() const { return commonDialogs_ > 0; }
  bool quitting() const { return quit_.has_value(); }
  bool hasPostedWindowMessages() const { return postedWindowMessages_ > 0; }
  void windowMessagePosted(int delta) { postedWindowMessages_ += delta; }

 private:
  struct Modal {
    DialogWindow* window;
    GMainLoop* loop;
  };
  DialogWindow& attach(Dialog& dialog);
  DialogWindow* windowOf(const Dialog& dialog);
  GtkWindow* focusWindow();
  void paintAll();

  ScriptDriver* script_;
  std::vector<Modal> modal_;  // innermost last
  std::map<const Dialog*, std::unique_ptr<DialogWindow>> windows_;
  std::map<std::string, BaseUnits> units_;  // by Pango font
  std::optional<int> quit_;
  GMainLoop* messageLoop_ = nullptr;
  std::set<std::string, std::less<>> classes_;
  int commonDialogs_ = 0;
  int postedWindowMessages_ = 0;
};

}  // namespace qv::ui::gtk
