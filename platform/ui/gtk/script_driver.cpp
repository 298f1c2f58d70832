#include "platform/ui/gtk/script_driver.h"

#include <unistd.h>

#include <cstdio>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/gtk/gtk_ui.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::gtk {
namespace {

using script::Action;
using script::JsonObject;
using script::Transcript;
using script::Verb;

// A dialog that is not the innermost, or one under a message box, looks
// again after this long.
constexpr int kRetryMs = 20;

}  // namespace

ScriptDriver::~ScriptDriver() {
  for (auto& [window, w] : waiting_) {
    if (w->source) g_source_remove(w->source);
  }
  if (idleLoopCheck_) g_source_remove(idleLoopCheck_);
}

void ScriptDriver::fail(int line, const std::string& message) {
  JsonObject o = Transcript::event("script-error");
  o.add("line", line).add("message", message);
  if (DialogWindow* w = ui_ ? ui_->innermostModal() : nullptr) o.add("dialog", w->dialog().name());
  transcript_.write(o);
  transcript_.stop();
  std::fprintf(stderr, "script line %d: %s\n", line, message.c_str());
  std::fflush(nullptr);
  // Windows and loops are in the middle of things: leave at once.
  ::_exit(3);
}

void ScriptDriver::schedule(Waiting& w, long long ms) {
  if (w.source) return;
  w.source = ms <= 0
                 ? g_idle_add_full(G_PRIORITY_LOW, onStep, &w, nullptr)
                 : g_timeout_add_full(G_PRIORITY_LOW, static_cast<guint>(ms), onStep, &w, nullptr);
}

void ScriptDriver::dialogStarted(DialogWindow& window) {
  auto& w = waiting_[&window];
  if (!w) w = std::make_unique<Waiting>(Waiting{this, &window});
  schedule(*w, 0);
}

void ScriptDriver::dialogClosed(DialogWindow& window) {
  auto it = waiting_.find(&window);
  if (it == waiting_.end()) return;
  if (it->second->source) g_source_remove(it->second->source);
  waiting_.erase(it);
}

gboolean ScriptDriver::onStep(gpointer data) {
  auto& w = *static_cast<Waiting*>(data);
  w.source = 0;
  ScriptDriver& d = *w.driver;
  GtkUi& ui = *d.ui_;
  Dialog& dialog = w.window->dialog();
  if (dialog.hasEnded() || ui.quitting()) return G_SOURCE_REMOVE;
  // Only the innermost modal dialog takes input, and only when nothing
  // else is left to do.
  if (ui.innermostModal() != w.window || ui.busyElsewhere() || w.window->hasPostedCommands()) {
    d.schedule(w, kRetryMs);
    return G_SOURCE_REMOVE;
  }
  if (!dialog.isVisible()) {
    d.fail(d.nextLine(), "dialog " + std::string(dialog.name()) + " is hidden and waits for input");
  }
  long long waitMs = 0;
  if (!w.announced) {
    // What the script's next lines see (a screenshot) is on the screen.
    w.window->paintNow();
    d.takeDialogLine(w.window->dialog());
    w.announced = true;
  } else {
    waitMs = d.perform(*w.window);
  }
  // The line may have ended the dialog; then its loop is over.
  auto it = d.waiting_.find(w.window);
  if (it != d.waiting_.end() && !dialog.hasEnded() && !ui.quitting()) d.schedule(w, waitMs);
  return G_SOURCE_REMOVE;
}

void ScriptDriver::messageLoopStarted() {
  if (!idleLoopCheck_) {
    idleLoopCheck_ = g_timeout_add_full(G_PRIORITY_LOW, kRetryMs, onIdleLoop, this, nullptr);
  }
}

gboolean ScriptDriver::onIdleLoop(gpointer data) {
  auto& d = *static_cast<ScriptDriver*>(data);
  GtkUi& ui = *d.ui_;
  if (ui.quitting()) {
    d.idleLoopCheck_ = 0;
    return G_SOURCE_REMOVE;
  }
  if (ui.innermostModal() || ui.busyElsewhere() || ui.hasPostedWindowMessages()) {
    return G_SOURCE_CONTINUE;
  }
  d.fail(d.nextLine(), "the program waits for input with no dialog open");
}

long long ScriptDriver::perform(DialogWindow& window) {
  Dialog& dialog = window.dialog();
  const UserAction action = takeUserAction(dialog);
  const Action& a = action.action;
  const int id = action.id;
  switch (a.verb) {
    case Verb::Focus:
      window.userFocus(id);
      break;
    case Verb::Set:
      window.userType(id, a.text);
      break;
    case Verb::Select:
      window.userSelect(id, static_cast<int>(a.a));
      break;
    case Verb::Check:
    case Verb::Uncheck:
      dialog.setChecked(id, a.verb == Verb::Check);
      break;
    case Verb::Click:
    case Verb::Press:
      window.userClick(id);
      break;
    case Verb::Key:
      if (a.text == "escape") {
        window.pressEscape();
      } else {
        window.pressEnter();
      }
      break;
    case Verb::Caret:
      window.userCaret(id, static_cast<std::size_t>(a.a), static_cast<std::size_t>(a.b));
      break;
    case Verb::Dump:
      transcript_.write(script::dialogEvent("dump", dialog));
      break;
    case Verb::Timer:
      dialog.proc().onTimer(dialog, a.id);
      break;
    case Verb::Wait:
      return a.a;
    case Verb::SysCommand:
      window.systemCommand(a.id);
      break;
    case Verb::Navigated:
    case Verb::NavigateError:
      if (a.verb == Verb::Navigated) {
        window.userFollow(a.text);
      } else {
        dialog.proc().onWebViewEvent(dialog, id, WebViewEvent::NavigateError);
      }
      break;
    case Verb::Screenshot: {
      std::string error;
      if (!window.screenshot(a.text, error)) {
        fail(a.line, "no screenshot of dialog " + std::string(dialog.name()) + " to " + a.text +
                         ": " + error);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace qv::ui::gtk
