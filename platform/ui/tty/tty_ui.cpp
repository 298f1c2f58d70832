#include "platform/ui/tty/tty_ui.h"

#include <glib.h>

#include <algorithm>
#include <cstdlib>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/script/transcript_events.h"
#include "platform/ui/tty/common_dialogs.h"
#include "platform/ui/tty/tty_script.h"
#include "platform/ui/tty/web_page.h"

namespace qv::ui::tty {
namespace {

using script::JsonObject;
using script::Transcript;

// Smaller than this, no dialog is drawn: the terminal is asked to grow.
constexpr int kMinRows = 16;
constexpr int kMinCols = 60;
// A person's run looks at the keyboard at least this often.
constexpr int kIdleWaitMs = 500;

std::int64_t nowMs() {
  return g_get_monotonic_time() / 1000;
}

// The size of the picture when there is no terminal: COLUMNS x LINES, else
// 80 x 24.
int sizeFromEnvironment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  const int n = value ? std::atoi(value) : 0;
  return n > 0 && n < 1000 ? n : fallback;
}

}  // namespace

struct TtyUi::MainWindow final : Window {
  MainWindow(TtyUi& ui, std::string title, WindowProc& proc)
      : ui(ui), titleText(std::move(title)), proc(proc) {}
  ~MainWindow() override { ui.forgetWindow(*this); }
  long send(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    return destroyed ? 0 : proc.onMessage(*this, message, wparam, lparam);
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

  TtyUi& ui;
  std::string titleText;
  WindowProc& proc;
  bool destroyed = false;
};

TtyUi::TtyUi(Terminal* terminal, TtyScript* script) : terminal_(terminal), script_(script) {
  if (script_) script_->attach(*this);
}

TtyUi::~TtyUi() = default;

void TtyUi::write(const char* event, const Dialog& dialog) {
  if (script_) script_->write(script::dialogEvent(event, dialog));
}

DialogView* TtyUi::viewOf(const Dialog& dialog) {
  for (auto& v : views_) {
    if (&v->dialog() == &dialog) return v.get();
  }
  return nullptr;
}

DialogView& TtyUi::attach(Dialog& dialog) {
  views_.push_back(std::make_unique<DialogView>(dialog));
  dialog.attachHost(this);
  return *views_.back();
}

void TtyUi::restoreTerminal() {
  if (terminal_) terminal_->restore();
}

// --- drawing ---

const Canvas& TtyUi::paint() {
  const int rows = terminal_ ? terminal_->rows() : sizeFromEnvironment("LINES", 24);
  const int cols = terminal_ ? terminal_->cols() : sizeFromEnvironment("COLUMNS", 80);
  if (canvas_.rows() != rows || canvas_.cols() != cols) canvas_ = Canvas(rows, cols);
  canvas_.clear();
  std::optional<std::pair<int, int>> cursor;
  if (rows < kMinRows || cols < kMinCols) {
    const std::u32string lines[] = {
        U"The terminal is too small (" +
            decodeText(std::to_string(cols) + " x " + std::to_string(rows)) + U").",
        U"Make it at least " +
            decodeText(std::to_string(kMinCols) + " x " + std::to_string(kMinRows)) + U"."};
    for (int i = 0; i < 2; ++i) {
      const int width = static_cast<int>(lines[i].size());
      canvas_.text(rows / 2 - 1 + i, std::max(0, (cols - width) / 2), lines[i], attr::kBold);
    }
  } else {
    const Dialog* active = innermostModal();
    for (auto& v : views_) {
      if (!v->dialog().isVisible()) continue;
      const bool isActive = &v->dialog() == active;
      v->draw(canvas_, isActive);
      if (isActive) cursor = v->cursor();
    }
  }
  if (terminal_) terminal_->show(canvas_, cursor);
  return canvas_;
}

// --- modal and modeless dialogs ---

int TtyUi::runModal(const DialogTemplate& tpl, DialogProc& proc) {
  Dialog* owner = modal_.empty() ? nullptr : modal_.back();
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, true);
  DialogView& view = attach(*dialog);
  modal_.push_back(dialog.get());
  proc.onInit(*dialog);
  write("open", *dialog);
  if (!script_) view.selectAllOfFocused();

  bool announced = false;
  std::int64_t waitUntil = 0;  // a script's `wait`
  while (!dialog->hasEnded() && !quit_) {
    if (dispatchPosted() || deliverDueTimer()) continue;
    paint();
    // Only the innermost modal dialog takes input, and only when nothing
    // else is left to do.
    if (script_) {
      if (nowMs() < waitUntil) {
        g_usleep(static_cast<gulong>(untilNextTimer(static_cast<int>(waitUntil - nowMs()))) * 1000);
        continue;
      }
      if (!dialog->isVisible()) {
        script_->fail(script_->nextLine(),
                      "dialog " + std::string(tpl.name) + " is hidden and waits for input");
      }
      if (!announced) {
        script_->takeDialogLine(*dialog);
        announced = true;
        continue;
      }
      const long long ms = script_->perform(view, canvas_);
      if (ms > 0) waitUntil = nowMs() + ms;
      continue;
    }
    waitForInput(*dialog, untilNextTimer(kIdleWaitMs));
  }
  const int result = dialog->hasEnded() ? dialog->result() : 0;
  modal_.pop_back();
  if (script_) {
    JsonObject o = Transcript::event("close");
    o.add("dialog", tpl.name).add("result", result);
    script_->write(o);
  }
  dialog.reset();
  paint();
  return result;
}

void TtyUi::waitForInput(Dialog& dialog, int ms) {
  if (!terminal_) {
    g_usleep(static_cast<gulong>(ms) * 1000);
    return;
  }
  const std::optional<Key> key = terminal_->readKey(ms);
  if (!key || key->code == KeyCode::None || key->code == KeyCode::Resize) return;
  if (!dialog.isVisible()) return;
  if (DialogView* view = viewOf(dialog)) view->handleKey(*key);
}

std::unique_ptr<Dialog> TtyUi::openModeless(const DialogTemplate& tpl, DialogProc& proc,
                                            Dialog* owner) {
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, false);
  attach(*dialog);
  proc.onInit(*dialog);
  write("open", *dialog);
  paint();
  return dialog;
}

void TtyUi::closed(Dialog& dialog) {
  std::erase_if(timers_, [&](const Timer& t) { return t.dialog == &dialog; });
  std::erase_if(queue_, [&](const Posted& p) { return p.dialog == &dialog; });
  std::erase_if(views_, [&](const auto& v) { return &v->dialog() == &dialog; });
  if (script_ && !dialog.modal()) {
    JsonObject o = Transcript::event("close");
    o.add("dialog", dialog.name()).add("result", dialog.result());
    script_->write(o);
  }
}

// --- what dialogs tell the backend ---

void TtyUi::dialogShown(Dialog& dialog, bool visible) {
  if (visible && script_) {
    JsonObject o = Transcript::event("show");
    o.add("dialog", dialog.name());
    script_->write(o);
  }
  paint();
}

void TtyUi::repaint(Dialog& dialog, int id) {
  if (script_) {
    JsonObject o = Transcript::event("repaint");
    o.add("dialog", dialog.name());
    if (id != 0) {
      if (const ControlState* c = dialog.find(id)) script::addControlMembers(o, *c);
    }
    script_->write(o);
  }
  paint();
}

void TtyUi::progressChanged(Dialog& dialog, int id) {
  if (script_) {
    JsonObject o = Transcript::event("progress");
    o.add("dialog", dialog.name()).add("id", id).add("position", dialog.find(id)->position);
    script_->write(o);
  }
  // A progress bar shows its progress at once, even in a busy handler.
  paint();
}

void TtyUi::setTimer(Dialog& dialog, int timerId, int ms) {
  if (script_) {
    JsonObject o = Transcript::event("timer");
    o.add("id", timerId).add("ms", ms);
    script_->write(o);
  }
  const int period = std::max(ms, kMinTimerPeriodMs);
  for (Timer& t : timers_) {
    if (t.dialog == &dialog && t.id == timerId) {
      t.period = period;
      t.due = nowMs() + period;
      return;
    }
  }
  timers_.push_back({&dialog, timerId, period, nowMs() + period});
}

void TtyUi::killTimer(Dialog& dialog, int timerId) {
  if (script_) {
    JsonObject o = Transcript::event("kill-timer");
    o.add("id", timerId);
    script_->write(o);
  }
  std::erase_if(timers_, [&](const Timer& t) { return t.dialog == &dialog && t.id == timerId; });
}

void TtyUi::postCommand(Dialog& dialog, int id) {
  Posted p;
  p.dialog = &dialog;
  p.command = id;
  queue_.push_back(p);
}

void TtyUi::load(Dialog& dialog, int id, const std::string& url, std::string_view headers) {
  DialogView* view = viewOf(dialog);
  if (!view) return;
  view->webStatus(id) = {"loading ...", "", {}, 0};
  paint();
  const PageAnswer answer = fetchPage(url, headers);
  view->webStatus(id) = {answer.state, answer.title, answer.text, 0};
  if (answer.failed) {
    // Reported after the navigation returns, as a browser reports it.
    Posted p;
    p.dialog = &dialog;
    p.command = id;
    p.navigateError = true;
    queue_.push_back(p);
  }
}

void TtyUi::navigate(Dialog& dialog, int id, std::string_view url, std::string_view headers) {
  if (script_) {
    JsonObject o = Transcript::event("navigate");
    o.add("url", url).add("headers", headers);
    script_->write(o);
  }
  load(dialog, id, std::string(url), headers);
}

void TtyUi::follow(Dialog& dialog, int id, const std::string& url) {
  dialog.setUrl(id, url);
  load(dialog, id, url, "");
}

void TtyUi::stopLoading(Dialog&, int) {
  if (script_) script_->write(Transcript::event("stop"));
}

void TtyUi::reload(Dialog& dialog, int id) {
  if (script_) script_->write(Transcript::event("reload"));
  load(dialog, id, dialog.locationUrl(id), "");
}

// --- posted messages, timers and time ---

bool TtyUi::dispatchPosted() {
  if (queue_.empty()) return false;
  Posted p = queue_.front();
  queue_.pop_front();
  if (p.dialog && p.navigateError) {
    p.dialog->proc().onWebViewEvent(*p.dialog, p.command, WebViewEvent::NavigateError);
  } else if (p.dialog) {
    p.dialog->proc().onCommand(*p.dialog, p.command);
  } else if (p.window) {
    p.window->send(p.message, p.wparam, p.lparam);
  }
  return true;
}

bool TtyUi::deliverDueTimer() {
  const std::int64_t now = nowMs();
  Timer* next = nullptr;
  for (Timer& t : timers_) {
    if (t.due <= now && (!next || t.due < next->due)) next = &t;
  }
  if (!next) return false;
  // However many periods passed, one message; the next counts from now.
  next->due = now + next->period;
  Dialog* dialog = next->dialog;
  dialog->proc().onTimer(*dialog, next->id);
  return true;
}

int TtyUi::untilNextTimer(int cap) const {
  const std::int64_t now = nowMs();
  std::int64_t wait = cap;
  for (const Timer& t : timers_) wait = std::min(wait, std::max<std::int64_t>(0, t.due - now));
  return static_cast<int>(wait);
}

void TtyUi::sleep(int ms) {
  if (script_) {
    JsonObject o = Transcript::event("sleep");
    o.add("ms", ms);
    script_->write(o);
  }
  // What was repainted stays on screen; keys typed meanwhile wait in the
  // terminal until the handler returns.
  paint();
  if (ms > 0) g_usleep(static_cast<gulong>(ms) * 1000);
}

std::uint32_t TtyUi::tickCount() {
  return static_cast<std::uint32_t>(nowMs());
}

void TtyUi::setClipboardText(std::string_view text) {
  clipboard_ = std::string(text);
  if (script_) {
    JsonObject o = Transcript::event("clipboard");
    o.add("text", text);
    script_->write(o);
  }
  if (terminal_) terminal_->writeClipboard(text);
}

// --- the hidden main window and the message loop ---

bool TtyUi::registerWindowClass(std::string_view className) {
  return classes_.emplace(className).second;
}

void TtyUi::unregisterWindowClass(std::string_view className) {
  if (auto it = classes_.find(className); it != classes_.end()) classes_.erase(it);
}

std::unique_ptr<Window> TtyUi::createWindow(std::string_view className, std::string_view title,
                                            WindowProc& proc) {
  if (!classes_.contains(className)) return nullptr;
  auto window = std::make_unique<MainWindow>(*this, std::string(title), proc);
  if (window->send(kWmCreate, 0, 0) == -1) {
    window->destroyed = true;
    return nullptr;
  }
  return window;
}

void TtyUi::postToWindow(MainWindow& window, unsigned message, std::uintptr_t wparam,
                         std::intptr_t lparam) {
  Posted p;
  p.window = &window;
  p.message = message;
  p.wparam = wparam;
  p.lparam = lparam;
  queue_.push_back(p);
}

void TtyUi::forgetWindow(MainWindow& window) {
  std::erase_if(queue_, [&](const Posted& p) { return p.window == &window; });
}

void TtyUi::postQuit(int exitCode) {
  // Every modal loop ends, innermost first, and then the message loop.
  quit_ = exitCode;
}

int TtyUi::runMessageLoop() {
  while (!quit_) {
    if (dispatchPosted()) continue;
    if (script_)
      script_->fail(script_->nextLine(), "the program waits for input with no dialog open");
    // Nothing on screen takes input; keys are read only to keep the
    // terminal's size current.
    paint();
    if (terminal_) terminal_->readKey(kIdleWaitMs);
  }
  const int code = *quit_;
  quit_.reset();
  return code;
}

}  // namespace qv::ui::tty

namespace qv::ui::tty {

// --- message boxes and choosers: a script answers them, or a person ---

MessageAnswer TtyUi::messageBox(std::string_view text, std::string_view title, MessageIcon icon,
                                MessageButtons buttons) {
  if (script_) return script_->answerMessage(text, title, icon, buttons);
  return showMessageBox(*this, text, title, icon, buttons);
}

std::optional<std::string> TtyUi::openFile(const OpenFileRequest& request) {
  if (script_) return script_->answerFile(request);
  return choosePath(*this, &request, request.title);
}

std::optional<std::string> TtyUi::browseFolder(std::string_view title) {
  if (script_) return script_->answerFolder(title);
  return choosePath(*this, nullptr, title);
}

}  // namespace qv::ui::tty
