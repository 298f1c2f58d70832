#include "platform/ui/gtk/gtk_ui.h"

#include <algorithm>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/gtk/script_driver.h"
#include "platform/ui/gtk/window_events.h"
#include "platform/ui/script/transcript_events.h"

namespace qv::ui::gtk {
namespace {

using script::JsonObject;
using script::Transcript;

// A blocking sleep looks at the window system this often.
constexpr gint64 kSleepSliceUs = 10000;

// The hidden main window: a window procedure and a queue of posted messages
// dispatched by the main loop.
class MainWindow final : public Window {
 public:
  MainWindow(GtkUi& ui, std::string title, WindowProc& proc)
      : ui_(ui), title_(std::move(title)), proc_(proc) {}
  ~MainWindow() override { dropPosted(); }
  long send(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    return destroyed_ ? 0 : proc_.onMessage(*this, message, wparam, lparam);
  }
  void post(unsigned message, std::uintptr_t wparam, std::intptr_t lparam) override {
    if (destroyed_) return;
    auto p = std::make_unique<Posted>(Posted{this, message, wparam, lparam, 0});
    p->source = g_idle_add(onPosted, p.get());
    posted_.push_back(std::move(p));
    ui_.windowMessagePosted(1);
  }
  void destroy() override {
    if (destroyed_) return;
    proc_.onMessage(*this, kWmDestroy, 0, 0);
    destroyed_ = true;
    dropPosted();
  }
  const std::string& title() const override { return title_; }
  bool destroyed_ = false;

 private:
  struct Posted {
    MainWindow* window;
    unsigned message;
    std::uintptr_t wparam;
    std::intptr_t lparam;
    guint source;
  };
  void dropPosted() {
    for (auto& p : posted_) g_source_remove(p->source);
    ui_.windowMessagePosted(-static_cast<int>(posted_.size()));
    posted_.clear();
  }
  static gboolean onPosted(gpointer data) {
    auto* p = static_cast<Posted*>(data);
    MainWindow& self = *p->window;
    const Posted copy = *p;
    std::erase_if(self.posted_, [&](const auto& q) { return q.get() == p; });
    self.ui_.windowMessagePosted(-1);
    self.send(copy.message, copy.wparam, copy.lparam);
    return G_SOURCE_REMOVE;
  }

  GtkUi& ui_;
  std::string title_;
  WindowProc& proc_;
  std::vector<std::unique_ptr<Posted>> posted_;
};

}  // namespace

GtkUi::GtkUi(ScriptDriver* script) : script_(script) {
  if (script_) script_->attach(*this);
}

GtkUi::~GtkUi() = default;

DialogWindow* GtkUi::windowOf(const Dialog& dialog) {
  auto it = windows_.find(&dialog);
  return it == windows_.end() ? nullptr : it->second.get();
}

DialogWindow& GtkUi::attach(Dialog& dialog) {
  const std::string font = pangoFontFor(dialog.tpl().font, dialog.tpl().fontPoints);
  auto units = units_.find(font);
  if (units == units_.end()) units = units_.emplace(font, measureBaseUnits(font)).first;
  auto window = std::make_unique<DialogWindow>(dialog, units->second, font);
  DialogWindow& w = *window;
  windows_[&dialog] = std::move(window);
  dialog.attachHost(this);
  return w;
}

GtkWindow* GtkUi::focusWindow() {
  GList* toplevels = gtk_window_list_toplevels();
  GtkWindow* active = nullptr;
  for (GList* l = toplevels; l; l = l->next) {
    if (gtk_window_is_active(GTK_WINDOW(l->data))) active = GTK_WINDOW(l->data);
  }
  g_list_free(toplevels);
  if (active) return active;
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) {
    if (gtk_widget_get_visible(GTK_WIDGET(it->window->window()))) return it->window->window();
  }
  return nullptr;
}

// --- modal and modeless dialogs ---

int GtkUi::runModal(const DialogTemplate& tpl, DialogProc& proc) {
  Dialog* owner = modal_.empty() ? nullptr : &modal_.back().window->dialog();
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, true);
  DialogWindow& window = attach(*dialog);
  GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
  modal_.push_back({&window, loop});

  proc.onInit(*dialog);
  if (script_) script_->write(script::dialogEvent("open", *dialog));
  if (!dialog->hasEnded() && !quit_) {
    if (dialog->isVisible()) window.setVisible(true, owner ? windowOf(*owner)->window() : nullptr);
    if (script_) script_->dialogStarted(window);
    if (!dialog->hasEnded() && !quit_) g_main_loop_run(loop);
  }
  const int result = dialog->hasEnded() ? dialog->result() : 0;
  modal_.pop_back();
  g_main_loop_unref(loop);
  if (script_) {
    JsonObject o = Transcript::event("close");
    o.add("dialog", tpl.name).add("result", result);
    script_->write(o);
  }
  dialog.reset();
  return result;
}

std::unique_ptr<Dialog> GtkUi::openModeless(const DialogTemplate& tpl, DialogProc& proc,
                                            Dialog* owner) {
  auto dialog = std::make_unique<Dialog>(*this, tpl, proc, owner, false);
  DialogWindow& window = attach(*dialog);
  proc.onInit(*dialog);
  if (script_) script_->write(script::dialogEvent("open", *dialog));
  if (dialog->isVisible()) {
    DialogWindow* ownerWindow = owner ? windowOf(*owner) : nullptr;
    window.setVisible(true, ownerWindow ? ownerWindow->window() : nullptr);
  }
  return dialog;
}

void GtkUi::ended(Dialog& dialog) {
  for (Modal& m : modal_) {
    if (&m.window->dialog() == &dialog) g_main_loop_quit(m.loop);
  }
}

void GtkUi::closed(Dialog& dialog) {
  auto it = windows_.find(&dialog);
  if (it == windows_.end()) return;
  if (script_) {
    script_->dialogClosed(*it->second);
    if (!dialog.modal()) {
      JsonObject o = Transcript::event("close");
      o.add("dialog", dialog.name()).add("result", dialog.result());
      script_->write(o);
    }
  }
  windows_.erase(it);
}

// --- what dialogs tell the backend ---

void GtkUi::controlChanged(Dialog& dialog, int id) {
  if (DialogWindow* w = windowOf(dialog)) w->syncControl(id);
}

void GtkUi::dialogShown(Dialog& dialog, bool visible) {
  DialogWindow* w = windowOf(dialog);
  if (!w) return;
  GtkWindow* ownerWindow = nullptr;
  if (dialog.owner()) {
    if (DialogWindow* o = windowOf(*dialog.owner())) ownerWindow = o->window();
  }
  w->setVisible(visible, ownerWindow);
  if (visible && script_) {
    JsonObject o = Transcript::event("show");
    o.add("dialog", dialog.name());
    script_->write(o);
  }
}

void GtkUi::titleChanged(Dialog& dialog) {
  if (DialogWindow* w = windowOf(dialog)) w->syncTitle();
}

void GtkUi::focusChanged(Dialog& dialog, int id) {
  if (DialogWindow* w = windowOf(dialog)) w->syncFocus(id);
}

void GtkUi::repaint(Dialog& dialog, int id) {
  if (script_) {
    JsonObject o = Transcript::event("repaint");
    o.add("dialog", dialog.name());
    if (id != 0) {
      if (const ControlState* c = dialog.find(id)) script::addControlMembers(o, *c);
    }
    script_->write(o);
  }
  if (DialogWindow* w = windowOf(dialog)) w->paintNow();
}

void GtkUi::progressChanged(Dialog& dialog, int id) {
  if (script_) {
    JsonObject o = Transcript::event("progress");
    o.add("dialog", dialog.name()).add("id", id).add("position", dialog.find(id)->position);
    script_->write(o);
  }
  if (DialogWindow* w = windowOf(dialog)) w->syncControl(id);
}

void GtkUi::setTimer(Dialog& dialog, int timerId, int ms) {
  if (script_) {
    JsonObject o = Transcript::event("timer");
    o.add("id", timerId).add("ms", ms);
    script_->write(o);
  }
  if (DialogWindow* w = windowOf(dialog)) w->setTimer(timerId, ms);
}

void GtkUi::killTimer(Dialog& dialog, int timerId) {
  if (script_) {
    JsonObject o = Transcript::event("kill-timer");
    o.add("id", timerId);
    script_->write(o);
  }
  if (DialogWindow* w = windowOf(dialog)) w->killTimer(timerId);
}

void GtkUi::postCommand(Dialog& dialog, int id) {
  if (DialogWindow* w = windowOf(dialog)) w->postCommand(id);
}

void GtkUi::navigate(Dialog& dialog, int id, std::string_view url, std::string_view headers) {
  if (script_) {
    JsonObject o = Transcript::event("navigate");
    o.add("url", url).add("headers", headers);
    script_->write(o);
  }
  if (DialogWindow* w = windowOf(dialog)) {
    if (WebView* view = w->webView(id)) view->navigate(url, headers);
  }
}

void GtkUi::stopLoading(Dialog& dialog, int id) {
  if (script_) script_->write(Transcript::event("stop"));
  if (DialogWindow* w = windowOf(dialog)) {
    if (WebView* view = w->webView(id)) view->stop();
  }
}

void GtkUi::reload(Dialog& dialog, int id) {
  if (script_) script_->write(Transcript::event("reload"));
  if (DialogWindow* w = windowOf(dialog)) {
    if (WebView* view = w->webView(id)) view->reload();
  }
}

void GtkUi::systemMenuChanged(Dialog& dialog) {
  if (DialogWindow* w = windowOf(dialog)) w->syncSystemMenu();
}

void GtkUi::iconChanged(Dialog& dialog) {
  if (DialogWindow* w = windowOf(dialog)) w->syncIcon();
}

void GtkUi::bringToFront(Dialog& dialog) {
  if (DialogWindow* w = windowOf(dialog)) gtk_window_present(w->window());
}

// --- time ---

void GtkUi::paintAll() {
  for (auto& [dialog, window] : windows_) window->paintNow();
}

void GtkUi::sleep(int ms) {
  if (script_) {
    JsonObject o = Transcript::event("sleep");
    o.add("ms", ms);
    script_->write(o);
  }
  // What was repainted stays on screen, and is drawn again when uncovered;
  // input waits in the queue until the handler returns.
  paintAll();
  const gint64 end = g_get_monotonic_time() + gint64(std::max(ms, 0)) * 1000;
  for (gint64 left = end - g_get_monotonic_time(); left > 0; left = end - g_get_monotonic_time()) {
    g_usleep(static_cast<gulong>(std::min<gint64>(left, kSleepSliceUs)));
    handleWindowEvents(gdk_display_get_default());
    for (auto& [dialog, window] : windows_) drawInvalid(window->window());
  }
}

std::uint32_t GtkUi::tickCount() {
  return static_cast<std::uint32_t>(g_get_monotonic_time() / 1000);
}

// --- the hidden main window and the message loop ---

bool GtkUi::registerWindowClass(std::string_view className) {
  return classes_.emplace(className).second;
}

void GtkUi::unregisterWindowClass(std::string_view className) {
  if (auto it = classes_.find(className); it != classes_.end()) classes_.erase(it);
}

std::unique_ptr<Window> GtkUi::createWindow(std::string_view className, std::string_view title,
                                            WindowProc& proc) {
  if (!classes_.contains(className)) return nullptr;
  auto window = std::make_unique<MainWindow>(*this, std::string(title), proc);
  if (window->send(kWmCreate, 0, 0) == -1) {
    window->destroyed_ = true;
    return nullptr;
  }
  return window;
}

void GtkUi::postQuit(int exitCode) {
  quit_ = exitCode;
  // Every modal loop ends, innermost first, and then the message loop.
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it) g_main_loop_quit(it->loop);
  if (messageLoop_) g_main_loop_quit(messageLoop_);
}

int GtkUi::runMessageLoop() {
  if (!quit_) {
    messageLoop_ = g_main_loop_new(nullptr, FALSE);
    if (script_) script_->messageLoopStarted();
    g_main_loop_run(messageLoop_);
    g_main_loop_unref(messageLoop_);
    messageLoop_ = nullptr;
  }
  const int code = quit_.value_or(0);
  quit_.reset();
  return code;
}

}  // namespace qv::ui::gtk
