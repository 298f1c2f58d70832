#include "platform/ui/gtk/dialog_window.h"

#include <gdk/gdkkeysyms.h>

#include <algorithm>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/gtk/art.h"
#include "platform/ui/gtk/program_icon.h"
#include "platform/ui/gtk/widget_text.h"
#include "platform/ui/gtk/window_events.h"

namespace qv::ui::gtk {
namespace {

bool isMultiLineWantingReturn(const ControlWidget& w) {
  return w.kind == ControlKind::Edit && (w.style & cs::kMultiLine) && (w.style & cs::kWantReturn);
}

// Controls that use Enter themselves: a web page (its forms and links) and a
// multi-line field that takes new lines.
bool keepsEnter(const ControlWidget& w) {
  return w.kind == ControlKind::WebView || isMultiLineWantingReturn(w);
}

bool isEnter(guint key) {
  return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter;
}

// The window menu's move and minimise commands.
constexpr int kScMove = 0xF010;
constexpr int kScMinimize = 0xF020;

// How long a repaint waits for a window just shown to reach the screen.
constexpr int kMapWaitMs = 1000;

}  // namespace

DialogWindow::DialogWindow(Dialog& dialog, const BaseUnits& units, const std::string& pangoFont)
    : dialog_(dialog) {
  build(units, pangoFont);
}

DialogWindow::~DialogWindow() {
  // Signals that the teardown raises are no user input.
  ++muted_;
  for (auto& [id, timer] : timers_) g_source_remove(timer->source);
  for (auto& posted : posted_) g_source_remove(posted->source);
  for (auto& w : controls_) w->web.reset();
  if (grabsInput_ && gtk_widget_has_grab(GTK_WIDGET(window_))) gtk_grab_remove(GTK_WIDGET(window_));
  gtk_widget_destroy(GTK_WIDGET(window_));
  if (menu_) {
    gtk_widget_destroy(menu_);
    g_object_unref(menu_);
  }
  controls_.clear();
  for (GtkWidget* none : noneRadios_) g_object_unref(none);
}

void DialogWindow::build(const BaseUnits& units, const std::string& pangoFont) {
  const DialogTemplate& tpl = dialog_.tpl();
  window_ = GTK_WINDOW(gtk_window_new(GTK_WINDOW_TOPLEVEL));
  gtk_style_context_add_class(gtk_widget_get_style_context(GTK_WIDGET(window_)), "qv-dialog");
  // The dialog's own font, so the controls match the measured base units.
  GtkCssProvider* css = gtk_css_provider_new();
  const std::size_t blank = pangoFont.rfind(' ');
  const std::string font = "window { font-family: \"" + pangoFont.substr(0, blank) +
                           "\"; font-size: " + pangoFont.substr(blank + 1) + "pt; }";
  gtk_css_provider_load_from_data(css, font.c_str(), -1, nullptr);
  gtk_style_context_add_provider(gtk_widget_get_style_context(GTK_WIDGET(window_)),
                                 GTK_STYLE_PROVIDER(css), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
  gtk_window_set_resizable(window_, FALSE);
  gtk_window_set_position(window_, GTK_WIN_POS_CENTER);
  // A modal GTK window loses its minimise button; such a dialog keeps its
  // modality by holding the input grab itself while it shows.
  grabsInput_ = dialog_.modal() && (tpl.style & ds::kMinimizeBox);
  gtk_window_set_modal(window_, dialog_.modal() && !grabsInput_);
  if (!(tpl.style & ds::kSysMenu)) gtk_window_set_deletable(window_, FALSE);
  if (!(tpl.style & ds::kCaption)) gtk_window_set_decorated(window_, FALSE);
  syncTitle();

  fixed_ = gtk_fixed_new();
  gtk_widget_set_size_request(fixed_, units.toPixelsX(tpl.w), units.toPixelsY(tpl.h));
  gtk_container_add(GTK_CONTAINER(window_), fixed_);
  for (const ControlState& c : dialog_.controls()) {
    ControlWidget& w = create(c, units);
    gtk_fixed_put(GTK_FIXED(fixed_), w.outer, units.toPixelsX(c.tpl->x), units.toPixelsY(c.tpl->y));
    connectSignals(w);
    syncControl(c.id());
    if (c.kind() == ControlKind::Button && c.has(cs::kDefault)) {
      // Marked, so the user sees what Enter presses.
      gtk_widget_set_can_default(w.inner, TRUE);
      gtk_window_set_default(window_, w.inner);
      GtkStyleContext* style = gtk_widget_get_style_context(w.inner);
      gtk_style_context_add_class(style, "default");
      gtk_style_context_add_class(style, GTK_STYLE_CLASS_SUGGESTED_ACTION);
    }
  }
  setFocusChain();
  gtk_widget_show(fixed_);
  g_signal_connect(window_, "key-press-event", G_CALLBACK(onKey), this);
  g_signal_connect(window_, "delete-event", G_CALLBACK(onDelete), this);
}

void DialogWindow::setFocusChain() {
  // Tab goes through the controls in template order, not by position.
  GList* chain = nullptr;
  for (const auto& w : controls_) {
    if (w->style & cs::kTabStop) chain = g_list_append(chain, w->outer);
  }
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  if (chain) gtk_container_set_focus_chain(GTK_CONTAINER(fixed_), chain);
  G_GNUC_END_IGNORE_DEPRECATIONS
  g_list_free(chain);
}

ControlWidget* DialogWindow::widget(int id) {
  for (auto& w : controls_) {
    if (w->id == id) return w.get();
  }
  return nullptr;
}

void DialogWindow::syncTitle() {
  gtk_window_set_title(window_, toUtf8(dialog_.title()).c_str());
}

int DialogWindow::initialFocus() const {
  if (focusChosen_) return dialog_.focusedId();
  const auto takesFocus = [](const ControlState& c) {
    return c.enabled && c.visible && c.has(cs::kTabStop);
  };
  for (const ControlState& c : dialog_.controls()) {
    const bool field = c.kind() == ControlKind::Edit || c.kind() == ControlKind::List ||
                       c.kind() == ControlKind::Combo;
    if (field && takesFocus(c)) return c.id();
  }
  const int def = dialog_.defaultButtonId();
  if (def && dialog_.isEnabled(def) && dialog_.isControlVisible(def)) return def;
  return dialog_.focusedId();
}

ControlWidget* DialogWindow::focusedControl() {
  GtkWidget* focus = gtk_window_get_focus(window_);
  if (!focus) return nullptr;
  for (auto& w : controls_) {
    if (focus == w->outer || gtk_widget_is_ancestor(focus, w->outer)) return w.get();
  }
  return nullptr;
}

void DialogWindow::syncFocus(int id) {
  // Before the dialog shows, only its procedure moves the focus.
  if (!shownOnce_) focusChosen_ = true;
  ControlWidget* w = widget(id);
  if (!w) return;
  ++muted_;
  gtk_widget_grab_focus(w->entry ? w->entry : w->inner);
  --muted_;
}

void DialogWindow::syncIcon() {
  if (haveProgramIcon()) return;  // the program's icon files win over a drawn icon
  GdkPixbuf* icon = drawPicture(PictureKind::Icon, dialog_.icon(), 48, 48);
  gtk_window_set_icon(window_, icon);
  g_object_unref(icon);
}

GtkWidget* DialogWindow::buildWindowMenu() {
  GtkWidget* menu = gtk_menu_new();
  auto add = [&](const std::string& text, int command) {
    GtkWidget* item = text.empty() ? gtk_separator_menu_item_new()
                                   : gtk_menu_item_new_with_mnemonic(toMnemonic(text).c_str());
    if (!text.empty()) {
      g_object_set_data(G_OBJECT(item), "qv-command", GINT_TO_POINTER(command));
      g_signal_connect(item, "activate", G_CALLBACK(onMenuItem), this);
    }
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
  };
  // The window system's own items; the program's come after them and bring
  // their own separator.
  if (dialog_.tpl().style & ds::kSysMenu) {
    add("&Move", kScMove);
    if (dialog_.tpl().style & ds::kMinimizeBox) add("Mi&nimize", kScMinimize);
    add("&Close", kScClose);
  }
  for (const Dialog::MenuItem& item : dialog_.systemMenu()) add(item.text, item.command);
  gtk_widget_show_all(menu);
  return menu;
}

void DialogWindow::syncSystemMenu() {
  // The items the program adds to the window menu: on a menu button in the
  // title bar, and on Alt+Space as the window menu is reached everywhere.
  if (menu_) {
    gtk_widget_destroy(menu_);
    g_object_unref(menu_);
  }
  menu_ = buildWindowMenu();
  g_object_ref_sink(menu_);
  if (!menuButton_ && !gtk_widget_get_realized(GTK_WIDGET(window_))) {
    GtkWidget* bar = gtk_header_bar_new();
    gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(bar),
                                         (dialog_.tpl().style & ds::kSysMenu) != 0);
    gtk_header_bar_set_decoration_layout(
        GTK_HEADER_BAR(bar),
        (dialog_.tpl().style & ds::kMinimizeBox) ? "menu:minimize,close" : "menu:close");
    menuButton_ = gtk_menu_button_new();
    gtk_widget_set_tooltip_text(menuButton_, "Window menu");
    gtk_header_bar_pack_start(GTK_HEADER_BAR(bar), menuButton_);
    gtk_widget_show_all(bar);
    gtk_window_set_titlebar(window_, bar);
    syncTitle();
  }
  if (menuButton_) gtk_menu_button_set_popup(GTK_MENU_BUTTON(menuButton_), menu_);
}

void DialogWindow::setVisible(bool visible, GtkWindow* transientFor) {
  if (!visible) {
    if (grabsInput_ && gtk_widget_has_grab(GTK_WIDGET(window_)))
      gtk_grab_remove(GTK_WIDGET(window_));
    gtk_widget_hide(GTK_WIDGET(window_));
    return;
  }
  if (grabsInput_ && !gtk_widget_has_grab(GTK_WIDGET(window_))) gtk_grab_add(GTK_WIDGET(window_));
  if (transientFor && transientFor != window_) gtk_window_set_transient_for(window_, transientFor);
  gtk_widget_show(GTK_WIDGET(window_));
  gtk_window_present(window_);
  if (!shownOnce_) {
    shownOnce_ = true;
    const int id = initialFocus();
    dialog_.userFocus(id);
    syncFocus(id);
    // The focus mark shows from the start, not only after the first Tab.
    gtk_window_set_focus_visible(window_, TRUE);
  }
}

void DialogWindow::paintNow() {
  if (!gtk_widget_get_visible(GTK_WIDGET(window_))) return;
  // A window just shown is drawn only once it is on screen; what is drawn
  // before its map is handled is lost.
  waitUntilMapped(window_, kMapWaitMs);
  GdkWindow* gw = gtk_widget_get_window(GTK_WIDGET(window_));
  if (!gw) return;
  // Lay out what changed, then paint it; no input is dispatched.
  gtk_container_check_resize(GTK_CONTAINER(window_));
  gdk_window_invalidate_rect(gw, nullptr, TRUE);
  drawInvalid(window_);
  gdk_display_sync(gdk_window_get_display(gw));
}

// --- timers and posted commands ---

void DialogWindow::setTimer(int timerId, int ms) {
  killTimer(timerId);
  auto timer = std::make_unique<Timer>(Timer{this, timerId, 0});
  timer->source =
      g_timeout_add(static_cast<guint>(std::max(ms, kMinTimerPeriodMs)), onTimer, timer.get());
  timers_[timerId] = std::move(timer);
}

void DialogWindow::killTimer(int timerId) {
  auto it = timers_.find(timerId);
  if (it == timers_.end()) return;
  g_source_remove(it->second->source);
  timers_.erase(it);
}

gboolean DialogWindow::onTimer(gpointer data) {
  auto* timer = static_cast<Timer*>(data);
  Dialog& dialog = timer->owner->dialog_;
  // The handler may kill or restart this timer; touch nothing after it.
  dialog.proc().onTimer(dialog, timer->id);
  return G_SOURCE_CONTINUE;
}

void DialogWindow::postCommand(int id) {
  auto posted = std::make_unique<Posted>(Posted{this, id, 0});
  posted->source = g_idle_add(onPosted, posted.get());
  posted_.push_back(std::move(posted));
}

gboolean DialogWindow::onPosted(gpointer data) {
  auto* posted = static_cast<Posted*>(data);
  DialogWindow& self = *posted->owner;
  const int id = posted->id;
  std::erase_if(self.posted_, [&](const auto& p) { return p.get() == posted; });
  self.dialog_.proc().onCommand(self.dialog_, id);
  return G_SOURCE_REMOVE;
}

// --- keys and the window menu ---

void DialogWindow::pressEnter() {
  const ControlState* focus = dialog_.find(dialog_.focusedId());
  if (focus && focus->kind() == ControlKind::Edit && focus->has(cs::kMultiLine) &&
      focus->has(cs::kWantReturn) && !focus->has(cs::kReadOnly) && focus->enabled) {
    if (ControlWidget* w = widget(focus->id())) {
      gtk_text_buffer_insert_at_cursor(gtk_text_view_get_buffer(GTK_TEXT_VIEW(w->inner)), "\n", 1);
    }
    return;
  }
  if (const int def = dialog_.defaultButtonId()) {
    // A disabled default button ignores Enter.
    if (dialog_.isEnabled(def) && dialog_.isControlVisible(def)) {
      dialog_.proc().onCommand(dialog_, def);
    }
    return;
  }
  dialog_.proc().onCommand(dialog_, kIdOk);
}

void DialogWindow::pressEscape() {
  dialog_.proc().onCommand(dialog_, kIdCancel);
}

void DialogWindow::systemCommand(int command) {
  if (dialog_.proc().onSysCommand(dialog_, command)) return;
  switch (command & kScCommandMask) {
    case kScClose:
      dialog_.proc().onCommand(dialog_, kIdCancel);
      break;
    case kScMinimize:
      gtk_window_iconify(window_);
      break;
    case kScMove: {
      // The window follows the pointer from where it is now.
      GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window_));
      GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
      int x = 0, y = 0;
      gdk_device_get_position(pointer, nullptr, &x, &y);
      gtk_window_begin_move_drag(window_, 1, x, y, gtk_get_current_event_time());
      break;
    }
    default:
      break;
  }
}

gboolean DialogWindow::onKey(GtkWidget*, GdkEventKey* event, gpointer data) {
  auto* self = static_cast<DialogWindow*>(data);
  const guint key = event->keyval;
  if (key == GDK_KEY_Escape) {
    self->pressEscape();
    return TRUE;
  }
  if (key == GDK_KEY_space && (event->state & GDK_MOD1_MASK) && self->menu_) {
    gtk_menu_popup_at_pointer(GTK_MENU(self->menu_), reinterpret_cast<GdkEvent*>(event));
    return TRUE;
  }
  if (!isEnter(key)) return FALSE;
  // Enter is the default button's, even on a focused push button (Space
  // presses that), unless the focused control uses Enter itself. Widgets
  // outside the controls (the title bar's menu button) keep it too.
  const ControlWidget* focused = self->focusedControl();
  if (gtk_window_get_focus(self->window_) && (!focused || keepsEnter(*focused))) return FALSE;
  self->pressEnter();
  return TRUE;
}

gboolean DialogWindow::onDelete(GtkWidget*, GdkEvent*, gpointer data) {
  static_cast<DialogWindow*>(data)->systemCommand(kScClose);
  return TRUE;  // the program closes the window when it ends the dialog
}

void DialogWindow::onMenuItem(GtkMenuItem* item, gpointer data) {
  const int command = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "qv-command"));
  static_cast<DialogWindow*>(data)->systemCommand(command);
}

// --- user input as a script performs it ---

void DialogWindow::userFocus(int id) {
  dialog_.userFocus(id);
  syncFocus(id);
}

void DialogWindow::userType(int id, const std::string& text) {
  ControlWidget* w = widget(id);
  if (!w) return;
  userFocus(id);
  w->typedByScript = true;
  if (w->kind == ControlKind::Edit && (w->style & cs::kMultiLine)) {
    const std::string shown = toUtf8(toLf(text));
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(w->inner)), shown.c_str(), -1);
  } else {
    gtk_entry_set_text(GTK_ENTRY(w->entry ? w->entry : w->inner), toUtf8(text).c_str());
  }
  w->typedByScript = false;
  // The model holds the bytes as given, as a paste of them would.
  dialog_.userSetText(id, text);
}

void DialogWindow::userSelect(int id, int index) {
  ControlWidget* w = widget(id);
  if (!w) return;
  userFocus(id);
  if (w->kind == ControlKind::Combo) {
    gtk_combo_box_set_active(GTK_COMBO_BOX(w->inner), index);
  } else {
    GtkTreeSelection* sel = gtk_tree_view_get_selection(GTK_TREE_VIEW(w->inner));
    if (index < 0) {
      gtk_tree_selection_unselect_all(sel);
    } else {
      GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
      gtk_tree_selection_select_path(sel, path);
      gtk_tree_path_free(path);
    }
  }
  // Selecting what is selected already tells the widget nothing.
  if (dialog_.selection(id) != index) dialog_.userSetSelection(id, index);
}

void DialogWindow::userClick(int id) {
  ControlWidget* w = widget(id);
  if (!w) return;
  userFocus(id);
  gtk_button_clicked(GTK_BUTTON(w->inner));
}

void DialogWindow::userCaret(int id, std::size_t start, std::size_t end) {
  userFocus(id);
  dialog_.userSetCaret(id, start, end);
  syncControl(id);
}

void DialogWindow::userFollow(const std::string& url) {
  for (auto& w : controls_) {
    if (w->web) {
      dialog_.setUrl(w->id, url);
      w->web->follow(url);
      return;
    }
  }
}

bool DialogWindow::screenshot(const std::string& path, std::string& error) {
  GdkWindow* gw = gtk_widget_get_window(GTK_WIDGET(window_));
  if (!gw || !gtk_widget_get_visible(GTK_WIDGET(window_))) {
    error = "the dialog is not on screen";
    return false;
  }
  paintNow();
  GdkPixbuf* picture =
      gdk_pixbuf_get_from_window(gw, 0, 0, gdk_window_get_width(gw), gdk_window_get_height(gw));
  if (!picture) {
    error = "the window cannot be read";
    return false;
  }
  GError* saveError = nullptr;
  const bool saved = gdk_pixbuf_save(picture, path.c_str(), "png", &saveError, nullptr);
  g_object_unref(picture);
  if (!saved) {
    error = saveError ? saveError->message : "cannot save";
    if (saveError) g_error_free(saveError);
  }
  return saved;
}

// --- the web view ---

WebView* DialogWindow::webView(int id) {
  ControlWidget* w = widget(id);
  return w ? w->web.get() : nullptr;
}

void DialogWindow::webViewNavigateError(int id) {
  dialog_.proc().onWebViewEvent(dialog_, id, WebViewEvent::NavigateError);
}

void DialogWindow::webViewAddressChanged(int id, const std::string& url) {
  if (!url.empty()) dialog_.setUrl(id, url);
}

}  // namespace qv::ui::gtk
