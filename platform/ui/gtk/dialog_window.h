// One live dialog on screen: a window with its controls at the template's
// positions, kept in step with the dialog's model both ways. Widget signals
// become user input on the model (then the dialog's procedure hears of it);
// model changes are copied to the widgets with their signals muted.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/gtk/dialog_units.h"
#include "platform/ui/gtk/web_view.h"

namespace qv::ui::gtk {

class DialogWindow;

// The widgets of one control.
struct ControlWidget {
  DialogWindow* owner = nullptr;
  int id = 0;
  ControlKind kind = ControlKind::Static;
  std::uint32_t style = 0;
  GtkWidget* outer = nullptr;  // what sits in the dialog's GtkFixed
  GtkWidget* inner = nullptr;  // the widget that takes input
  GtkWidget* entry = nullptr;  // a combo box's edit field
  GtkListStore* store = nullptr;
  GtkWidget* noneRadio = nullptr;  // unplaced member of the radio group: "none checked"
  std::vector<std::string> shownItems;
  std::unique_ptr<WebView> web;
  int width = 0;
  int height = 0;
  bool typedByScript = false;  // a script's `set` pastes: no digit filter
};

class DialogWindow final : public WebViewListener {
 public:
  DialogWindow(Dialog& dialog, const BaseUnits& units, const std::string& pangoFont);
  ~DialogWindow() override;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  Dialog& dialog() { return dialog_; }
  GtkWindow* window() { return window_; }

  // Model to widgets.
  void syncControl(int id);
  void syncTitle();
  void syncFocus(int id);
  void syncIcon();
  void syncSystemMenu();
  void setVisible(bool visible, GtkWindow* transientFor);
  // Paints the dialog (or one control) at once, without dispatching input.
  void paintNow();

  // Timers and posted commands go through the main loop.
  void setTimer(int timerId, int ms);
  void killTimer(int timerId);
  void postCommand(int id);
  bool hasPostedCommands() const { return !posted_.empty(); }

  // What the keyboard and the window menu do; scripts use the same paths.
  void pressEnter();
  void pressEscape();
  void systemCommand(int command);

  // User input on the real widgets, as a script performs it.
  void userFocus(int id);
  void userType(int id, const std::string& text);
  void userSelect(int id, int index);
  void userClick(int id);
  void userCaret(int id, std::size_t start, std::size_t end);
  void userFollow(const std::string& url);  // the web view follows a link
  WebView* webView(int id);

  // Saves a picture of the window as PNG; false with a reason.
  bool screenshot(const std::string& path, std::string& error);

  // WebViewListener
  void webViewNavigateError(int id) override;
  void webViewAddressChanged(int id, const std::string& url) override;

 private:
  struct Timer {
    DialogWindow* owner;
    int id;
    guint source;
  };
  struct Posted {
    DialogWindow* owner;
    int id;
    guint source;
  };

  void build(const BaseUnits& units, const std::string& pangoFont);
  ControlWidget& create(const ControlState& c, const BaseUnits& units);
  void connectSignals(ControlWidget& w);
  void setFocusChain();
  ControlWidget* widget(int id);
  // The control that holds the keyboard focus (or a part of it), if any.
  ControlWidget* focusedControl();
  // Where the focus goes when the dialog first shows: where the procedure
  // put it, else the first field, list or combo box, else the default button.
  int initialFocus() const;
  GtkWidget* buildWindowMenu();

  // Widget signals.
  static void onEntryChanged(GtkEditable*, gpointer);
  static void onEntryInsert(GtkEditable*, gchar*, gint, gpointer, gpointer);
  static void onEntryCaret(GObject*, GParamSpec*, gpointer);
  static gboolean onNumberKey(GtkWidget*, GdkEventKey*, gpointer);
  static void onBufferChanged(GtkTextBuffer*, gpointer);
  static void onBufferMark(GtkTextBuffer*, GtkTextIter*, GtkTextMark*, gpointer);
  static void onClicked(GtkButton*, gpointer);
  static void onComboChanged(GtkComboBox*, gpointer);
  static void onListChanged(GtkTreeSelection*, gpointer);
  static gboolean onFocusIn(GtkWidget*, GdkEvent*, gpointer);
  static gboolean onKey(GtkWidget*, GdkEventKey*, gpointer);
  static gboolean onDelete(GtkWidget*, GdkEvent*, gpointer);
  static void onMenuItem(GtkMenuItem*, gpointer);
  static gboolean onTimer(gpointer);
  static gboolean onPosted(gpointer);

  Dialog& dialog_;
  GtkWindow* window_ = nullptr;
  GtkWidget* fixed_ = nullptr;
  GtkWidget* menuButton_ = nullptr;
  GtkWidget* menu_ = nullptr;
  std::vector<std::unique_ptr<ControlWidget>> controls_;
  std::map<int, std::unique_ptr<Timer>> timers_;
  std::vector<std::unique_ptr<Posted>> posted_;
  std::vector<GtkWidget*> noneRadios_;
  int muted_ = 0;  // model-to-widget copying in progress: widget signals are not input
  bool shownOnce_ = false;
  bool grabsInput_ = false;   // modal without GTK's modality (see build)
  bool focusChosen_ = false;  // the procedure set the focus before the first show
};

}  // namespace qv::ui::gtk
