#include "platform/ui/gtk/script_driver.h"

#include <unistd.h>

#include <cstdio>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/gtk/gtk_ui.h"
#include "platform/ui/script/action_rules.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::gtk {
namespace {

using script::Action;
using script::isClickable;
using script::JsonObject;
using script::takesText;
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
    d.expectDialogLine(*w.window);
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

void ScriptDriver::expectDialogLine(DialogWindow& window) {
  const std::string name(window.dialog().name());
  if (script_.atEnd()) fail(0, "the script ended while dialog " + name + " waits for input");
  const Action& next = script_.peek();
  if (next.verb != Verb::Dialog) {
    fail(next.line, "dialog " + name + " waits for input but the script does not announce it");
  }
  if (next.text != name) {
    fail(next.line,
         "the script announces dialog " + next.text + " but dialog " + name + " waits for input");
  }
  script_.take();
}

long long ScriptDriver::perform(DialogWindow& window) {
  Dialog& dialog = window.dialog();
  const std::string name(dialog.name());
  if (script_.atEnd()) fail(0, "the script ended while dialog " + name + " waits for input");
  const Action& next = script_.peek();
  switch (next.verb) {
    case Verb::Dialog:
      fail(next.line,
           "the script announces dialog " + next.text + " but dialog " + name + " waits for input");
    case Verb::Answer:
    case Verb::File:
    case Verb::Folder:
      fail(next.line, std::string("the script announces a ") + script::verbName(next.verb) +
                          " dialog but dialog " + name + " waits for input");
    default:
      break;
  }
  const Action& a = script_.take();
  auto target = [&](int id) -> const ControlState& {
    const ControlState* c = dialog.find(id);
    const std::string what = "control " + std::to_string(id) + " of dialog " + name;
    if (!c) fail(a.line, "dialog " + name + " has no control " + std::to_string(id));
    if (!c->visible) fail(a.line, what + " is hidden");
    if (!c->enabled) fail(a.line, what + " is disabled");
    return *c;
  };
  auto click = [&](int id) {
    const ControlState& c = target(id);
    if (!isClickable(c.kind())) {
      fail(a.line, "control " + std::to_string(id) + " cannot be clicked");
    }
    window.userClick(id);
  };
  switch (a.verb) {
    case Verb::Focus:
      target(a.id);
      window.userFocus(a.id);
      break;
    case Verb::Set:
      if (!takesText(target(a.id)))
        fail(a.line, "control " + std::to_string(a.id) + " takes no text");
      window.userType(a.id, a.text);
      break;
    case Verb::Select: {
      const ControlState& c = target(a.id);
      if (c.kind() != ControlKind::List && c.kind() != ControlKind::Combo) {
        fail(a.line, "control " + std::to_string(a.id) + " is no list");
      }
      if (a.a >= static_cast<long long>(c.items.size())) {
        fail(a.line, "control " + std::to_string(a.id) + " has no entry " + std::to_string(a.a));
      }
      window.userSelect(a.id, static_cast<int>(a.a));
      break;
    }
    case Verb::Check:
    case Verb::Uncheck: {
      const ControlState& c = target(a.id);
      if (c.kind() != ControlKind::Check && c.kind() != ControlKind::Radio) {
        fail(a.line, "control " + std::to_string(a.id) + " is no check box or radio button");
      }
      dialog.setChecked(a.id, a.verb == Verb::Check);
      break;
    }
    case Verb::Click:
      click(a.id);
      break;
    case Verb::Press: {
      const ControlState* found = nullptr;
      for (const ControlState& c : dialog.controls()) {
        if (isClickable(c.kind()) &&
            (c.tpl->text == a.text || script::shownText(c.tpl->text) == a.text)) {
          found = &c;
          break;
        }
      }
      if (!found) fail(a.line, "dialog " + name + " has no button \"" + a.text + "\"");
      click(found->id());
      break;
    }
    case Verb::Key:
      if (a.text == "escape") {
        window.pressEscape();
      } else {
        window.pressEnter();
      }
      break;
    case Verb::Caret:
      if (!takesText(target(a.id)))
        fail(a.line, "control " + std::to_string(a.id) + " is no edit field");
      window.userCaret(a.id, static_cast<std::size_t>(a.a), static_cast<std::size_t>(a.b));
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
    case Verb::NavigateError: {
      const ControlState* view = script::firstWebView(dialog);
      if (!view) fail(a.line, "dialog " + name + " has no web view");
      if (a.verb == Verb::Navigated) {
        window.userFollow(a.text);
      } else {
        dialog.proc().onWebViewEvent(dialog, view->id(), WebViewEvent::NavigateError);
      }
      break;
    }
    case Verb::Screenshot: {
      std::string error;
      if (!window.screenshot(a.text, error)) {
        fail(a.line, "no screenshot of dialog " + name + " to " + a.text + ": " + error);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

void ScriptDriver::finish() {
  if (!script_.atEnd()) {
    const Action& a = script_.peek();
    fail(a.line, "the program ended with " + std::to_string(script_.remaining()) +
                     " script line(s) left, the first being " + script::verbName(a.verb));
  }
}

const Action& ScriptDriver::expect(Verb verb, const std::string& what) {
  if (script_.atEnd()) fail(0, "the program shows " + what + " that the script does not announce");
  const Action& next = script_.peek();
  if (next.verb != verb) {
    fail(next.line, "the program shows " + what + " but the script's next line is " +
                        script::verbName(next.verb));
  }
  return script_.take();
}

MessageAnswer ScriptDriver::answerMessage(std::string_view text, std::string_view title,
                                          MessageIcon icon, MessageButtons buttons) {
  const script::ButtonsInfo info = script::buttonsInfo(buttons);
  const Action& a = expect(Verb::Answer, "a message box (\"" + std::string(text) + "\")");
  std::optional<MessageAnswer> answer;
  for (const auto& [word, value] : info.answers) {
    if (word == a.text) answer = value;
  }
  if (!answer) {
    fail(a.line, "the message box has no button " + a.text + " (\"" + std::string(text) + "\")");
  }
  JsonObject o = Transcript::event("message");
  o.add("text", text).add("title", title).add("icon", script::iconName(icon));
  o.add("buttons", info.name).add("answer", a.text);
  transcript_.write(o);
  return *answer;
}

std::optional<std::string> ScriptDriver::answerFile(const OpenFileRequest& request) {
  const Action& a = expect(Verb::File, "an open-file dialog (\"" + request.title + "\")");
  std::optional<std::string> answer;
  if (!a.cancel && a.text.size() < request.bufferCapacity) answer = a.text;
  transcript_.write(script::fileEvent(request, answer));
  return answer;
}

std::optional<std::string> ScriptDriver::answerFolder(std::string_view title) {
  const Action& a = expect(Verb::Folder, "a folder browser (\"" + std::string(title) + "\")");
  std::optional<std::string> answer;
  if (!a.cancel) answer = a.text;
  transcript_.write(script::folderEvent(title, answer));
  return answer;
}

}  // namespace qv::ui::gtk
