// A script drives the desktop backend: the same script lines and transcript
// as the scripted backend, performed on real widgets in real time. Each
// modal dialog takes its next line when its main loop is idle; `wait MS`
// lets the loop run for MS milliseconds; `screenshot FILE` saves the window.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/gtk/dialog_window.h"
#include "platform/ui/script/script.h"
#include "platform/ui/script/script_reader.h"
#include "platform/ui/script/transcript.h"
#include "platform/ui/ui.h"

namespace qv::ui::gtk {

class GtkUi;

class ScriptDriver final : public script::ScriptReader {
 public:
  ScriptDriver(script::Script& script, script::Transcript& transcript)
      : ScriptReader(script, transcript) {}
  ~ScriptDriver();
  void attach(GtkUi& ui) { ui_ = &ui; }

  void write(const script::JsonObject& event) { transcript_.write(event); }
  // Ends the run at once: the script-error line, then exit status 3.
  [[noreturn]] void fail(int line, const std::string& message) override;

  // A modal dialog runs its loop / has gone.
  void dialogStarted(DialogWindow& window);
  void dialogClosed(DialogWindow& window);
  // The program's message loop runs with no dialog open.
  void messageLoopStarted();

 private:
  struct Waiting {
    ScriptDriver* driver;
    DialogWindow* window;
    guint source = 0;
    bool announced = false;
  };
  void schedule(Waiting& w, long long ms);
  static gboolean onStep(gpointer data);
  static gboolean onIdleLoop(gpointer data);
  // Performs the next user line; returns the milliseconds to wait before
  // the next one.
  long long perform(DialogWindow& window);

  GtkUi* ui_ = nullptr;
  std::map<DialogWindow*, std::unique_ptr<Waiting>> waiting_;
  guint idleLoopCheck_ = 0;
};

}  // namespace qv::ui::gtk
