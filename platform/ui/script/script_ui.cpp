#include "platform/ui/script/script_ui.h"

#include <algorithm>
#include <cstdio>

#include "platform/ui/script/script_failure.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::script {
namespace {}  // namespace

struct ScriptUi::ScriptWindow final : Window {
  ScriptWindow(ScriptUi& ui, std::string title, WindowProc& proc)
      : ui(ui), titleText(std::move(title)), proc(proc) {}
  ~ScriptWindow() override { ui.forgetWindow(*this); }
  long send(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    if (destroyed) return 0;
    return proc.onMessage(*this, message, wparam, lparam);
  }
  void post(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    if (!destroyed) ui.postToWindow(*this, message, wparam, lparam);
  }
  void destroy() override {
    if (destroyed) return;
    proc.onMessage(*this, kWmDestroy, 0, 0);
    destroyed = true;
    ui.forgetWindow(*this);
  }
  const std::string& title() const override { return titleText; }

  ScriptUi& ui;
  std::string titleText;
  WindowProc& proc;
  bool destroyed = false;
};

ScriptUi::ScriptUi(Script& script, Transcript& transcript) : ScriptReader(script, transcript) {}

ScriptUi::~ScriptUi() = default;

void ScriptUi::fail(int line, const std::string& message) {
  JsonObject o = Transcript::event("script-error");
  o.add("line", line).add("message", message);
  if (!modalStack_.empty()) o.add("dialog", modalStack_.back()->name());
  transcript_.write(o);
  transcript_.stop();
  std::fprintf(stderr, "script line %d: %s\n", line, message.c_str());
  throw ScriptFailure();
}

void ScriptUi::writeDialog(const char* event, const Dialog& dialog) {
  transcript_.write(dialogEvent(event, dialog));
}

// --- modal and modeless dialogs ---

int ScriptUi::runModal(const DialogTemplate& tpl, DialogProc& proc) {
  Dialog* owner = modalStack_.empty() ? nullptr : modalStack_.back();
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, true);
  dialog->attachHost(this);
  modalStack_.push_back(dialog.get());
  struct PopOnExit {
    std::vector<Dialog*>& stack;
    ~PopOnExit() { stack.pop_back(); }
  } pop{modalStack_};

  proc.onInit(*dialog);
  writeDialog("open", *dialog);

  bool announced = false;
  bool timersLooked = false;
  int result = 0;
  for (;;) {
    if (dialog->hasEnded()) {
      result = dialog->result();
      break;
    }
    if (dispatchPosted()) continue;
    if (quit_) break;  // the quit stays posted for the loops outside
    // Timers rank below input: each due timer gets one message before the
    // next user line, so a handler slower than its period cannot starve it.
    if (!timersLooked) {
      timersLooked = true;
      if (deliverDueTimers()) continue;
    }
    // Nothing else to do: the dialog waits for the user.
    if (!dialog->isVisible()) {
      fail(nextLine(), "dialog " + std::string(tpl.name) + " is hidden and waits for input");
    }
    if (!announced) {
      takeDialogLine(*dialog);
      announced = true;
      continue;
    }
    performUserAction(*dialog);
    timersLooked = false;
  }
  JsonObject o = Transcript::event("close");
  o.add("dialog", tpl.name).add("result", result);
  transcript_.write(o);
  return result;
}

std::unique_ptr<Dialog> ScriptUi::openModeless(const DialogTemplate& tpl, DialogProc& proc,
                                               Dialog* owner) {
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, false);
  dialog->attachHost(this);
  proc.onInit(*dialog);
  writeDialog("open", *dialog);
  return dialog;
}

void ScriptUi::closed(Dialog& dialog) {
  std::erase_if(timers_, [&](const Timer& t) { return t.dialog == &dialog; });
  std::erase_if(queue_, [&](const Posted& p) { return p.dialog == &dialog; });
  if (!dialog.modal()) {
    JsonObject o = Transcript::event("close");
    o.add("dialog", dialog.name()).add("result", dialog.result());
    transcript_.write(o);
  }
}

// --- user actions ---

void ScriptUi::performUserAction(Dialog& dialog) {
  const UserAction action = takeUserAction(dialog);
  const Action& a = action.action;
  const int id = action.id;
  switch (a.verb) {
    case Verb::Focus:
      dialog.userFocus(id);
      break;
    case Verb::Set:
      dialog.userFocus(id);
      dialog.userSetText(id, a.text);
      break;
    case Verb::Select:
      dialog.userFocus(id);
      dialog.userSetSelection(id, static_cast<int>(a.a));
      break;
    case Verb::Check:
    case Verb::Uncheck:
      dialog.setChecked(id, a.verb == Verb::Check);
      break;
    case Verb::Click:
    case Verb::Press:
      dialog.userFocus(id);
      dialog.userClickState(id);
      dialog.proc().onCommand(dialog, id);
      break;
    case Verb::Key:
      if (a.text == "escape") {
        dialog.proc().onCommand(dialog, kIdCancel);
      } else {
        const ControlState* focus = dialog.find(dialog.focusedId());
        if (focus && focus->kind() == ControlKind::Edit && focus->has(cs::kMultiLine) &&
            focus->has(cs::kWantReturn) && !focus->has(cs::kReadOnly) && focus->enabled) {
          dialog.userReplaceSelection(focus->id(), "\r\n");
        } else if (const int def = dialog.defaultButtonId()) {
          // A disabled default button ignores Enter.
          if (dialog.isEnabled(def) && dialog.isControlVisible(def)) {
            dialog.proc().onCommand(dialog, def);
          }
        } else {
          dialog.proc().onCommand(dialog, kIdOk);
        }
      }
      break;
    case Verb::Caret:
      dialog.userFocus(id);
      dialog.userSetCaret(id, static_cast<std::size_t>(a.a), static_cast<std::size_t>(a.b));
      break;
    case Verb::Dump:
      writeDialog("dump", dialog);
      break;
    case Verb::Timer:
      dialog.proc().onTimer(dialog, a.id);
      break;
    case Verb::Wait:
      waitFor(dialog, a.a);
      break;
    case Verb::SysCommand:
      if (!dialog.proc().onSysCommand(dialog, a.id) && (a.id & kScCommandMask) == kScClose) {
        dialog.proc().onCommand(dialog, kIdCancel);
      }
      break;
    case Verb::Navigated:
    case Verb::NavigateError:
      if (a.verb == Verb::Navigated) {
        dialog.setUrl(id, a.text);
      } else {
        dialog.proc().onWebViewEvent(dialog, id, WebViewEvent::NavigateError);
      }
      break;
    case Verb::Screenshot:  // pictures and screens are the other backends'
    case Verb::Screen:
      break;
    default:
      break;
  }
}

// --- posted messages, quit and time ---

bool ScriptUi::dispatchPosted() {
  if (queue_.empty()) return false;
  Posted p = queue_.front();
  queue_.pop_front();
  if (p.dialog) {
    p.dialog->proc().onCommand(*p.dialog, p.command);
  } else if (p.window) {
    p.window->send(p.message, p.wparam, p.lparam);
  }
  return true;
}

bool ScriptUi::deliverDueTimer(std::uint64_t until) {
  Timer* next = nullptr;
  for (Timer& t : timers_) {
    if (t.due <= until && (!next || t.due < next->due)) next = &t;
  }
  if (!next) return false;
  if (next->due > now_) now_ = next->due;
  // However many periods passed, one message; the next is counted from now.
  next->due = now_ + static_cast<std::uint64_t>(next->period);
  Dialog* dialog = next->dialog;
  const int id = next->id;
  dialog->proc().onTimer(*dialog, id);
  return true;
}

bool ScriptUi::deliverDueTimers() {
  std::vector<std::pair<Dialog*, int>> due;
  for (const Timer& t : timers_) {
    if (t.due <= now_) due.emplace_back(t.dialog, t.id);
  }
  for (const auto& [dialog, id] : due) {
    for (Timer& t : timers_) {
      if (t.dialog == dialog && t.id == id && t.due <= now_) {
        t.due = now_ + static_cast<std::uint64_t>(t.period);
        dialog->proc().onTimer(*dialog, id);
        break;
      }
    }
  }
  return !due.empty();
}

void ScriptUi::waitFor(Dialog& dialog, long long ms) {
  const std::uint64_t end = now_ + static_cast<std::uint64_t>(ms);
  while (!dialog.hasEnded() && !quit_) {
    if (dispatchPosted()) continue;
    // Sleeps of the handlers count toward the wait; a timer due exactly at
    // the end is still delivered.
    if (now_ > end || !deliverDueTimer(end)) break;
  }
  now_ = std::max(now_, end);
}

void ScriptUi::sleep(int ms) {
  JsonObject o = Transcript::event("sleep");
  o.add("ms", ms);
  transcript_.write(o);
  if (ms > 0) now_ += static_cast<std::uint64_t>(ms);
}

void ScriptUi::setTimer(Dialog& dialog, int timerId, int ms) {
  JsonObject o = Transcript::event("timer");
  o.add("id", timerId).add("ms", ms);
  transcript_.write(o);
  const int period = std::max(ms, kMinTimerPeriodMs);
  for (Timer& t : timers_) {
    if (t.dialog == &dialog && t.id == timerId) {
      t.period = period;
      t.due = now_ + static_cast<std::uint64_t>(period);
      return;
    }
  }
  timers_.push_back({&dialog, timerId, period, now_ + static_cast<std::uint64_t>(period)});
}

void ScriptUi::killTimer(Dialog& dialog, int timerId) {
  JsonObject o = Transcript::event("kill-timer");
  o.add("id", timerId);
  transcript_.write(o);
  std::erase_if(timers_, [&](const Timer& t) { return t.dialog == &dialog && t.id == timerId; });
}

void ScriptUi::postCommand(Dialog& dialog, int id) {
  Posted p;
  p.dialog = &dialog;
  p.command = id;
  queue_.push_back(p);
}

void ScriptUi::postQuit(int exitCode) {
  quit_ = exitCode;
}

// --- the hidden main window and the message loop ---

bool ScriptUi::registerWindowClass(std::string_view className) {
  return classes_.emplace(className).second;
}

void ScriptUi::unregisterWindowClass(std::string_view className) {
  if (auto it = classes_.find(className); it != classes_.end()) classes_.erase(it);
}

std::unique_ptr<Window> ScriptUi::createWindow(std::string_view className, std::string_view title,
                                               WindowProc& proc) {
  if (!classes_.contains(className)) return nullptr;
  auto window = std::make_unique<ScriptWindow>(*this, std::string(title), proc);
  if (window->send(kWmCreate, 0, 0) == -1) {
    window->destroyed = true;
    return nullptr;
  }
  return window;
}

void ScriptUi::postToWindow(ScriptWindow& window, unsigned message, std::uintptr_t wparam,
                            std::intptr_t lparam) {
  Posted p;
  p.window = &window;
  p.message = message;
  p.wparam = wparam;
  p.lparam = lparam;
  queue_.push_back(p);
}

void ScriptUi::forgetWindow(ScriptWindow& window) {
  std::erase_if(queue_, [&](const Posted& p) { return p.window == &window; });
}

int ScriptUi::runMessageLoop() {
  for (;;) {
    if (dispatchPosted()) continue;
    if (quit_) {
      const int code = *quit_;
      quit_.reset();
      return code;
    }
    fail(nextLine(), "the program waits for input with no dialog open");
  }
}

MessageAnswer ScriptUi::messageBox(std::string_view text, std::string_view title, MessageIcon icon,
                                   MessageButtons buttons) {
  return answerMessage(text, title, icon, buttons);
}

std::optional<std::string> ScriptUi::openFile(const OpenFileRequest& request) {
  return answerFile(request);
}

std::optional<std::string> ScriptUi::browseFolder(std::string_view title) {
  return answerFolder(title);
}

void ScriptUi::setClipboardText(std::string_view text) {
  clipboard_ = std::string(text);
  JsonObject o = Transcript::event("clipboard");
  o.add("text", text);
  transcript_.write(o);
}

// --- what dialogs tell the backend ---

void ScriptUi::dialogShown(Dialog& dialog, bool visible) {
  if (!visible) return;
  JsonObject o = Transcript::event("show");
  o.add("dialog", dialog.name());
  transcript_.write(o);
}

void ScriptUi::repaint(Dialog& dialog, int id) {
  JsonObject o = Transcript::event("repaint");
  o.add("dialog", dialog.name());
  if (id != 0) {
    if (const ControlState* c = dialog.find(id)) addControlMembers(o, *c);
  }
  transcript_.write(o);
}

void ScriptUi::progressChanged(Dialog& dialog, int id) {
  JsonObject o = Transcript::event("progress");
  o.add("dialog", dialog.name()).add("id", id).add("position", dialog.find(id)->position);
  transcript_.write(o);
}

void ScriptUi::navigate(Dialog&, int, std::string_view url, std::string_view headers) {
  JsonObject o = Transcript::event("navigate");
  o.add("url", url).add("headers", headers);
  transcript_.write(o);
}

void ScriptUi::stopLoading(Dialog&, int) {
  transcript_.write(Transcript::event("stop"));
}

void ScriptUi::reload(Dialog&, int) {
  transcript_.write(Transcript::event("reload"));
}

}  // namespace qv::ui::script
