// A live dialog built from a template. The program addresses its controls by
// id; the dialog keeps every control's state (the model) and tells its
// backend (the host) what changed, so every backend shows the same state and
// the scripted backend can write it to a transcript.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog_template.h"

namespace qv::ui {

class Dialog;
class DialogProc;
class Ui;

struct ControlState {
  const ControlTemplate* tpl = nullptr;
  std::string text;  // edit text, caption, or the selected entry of a list-only combo
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  std::vector<std::string> items;  // list and combo entries in display order
  int selected = -1;
  int position = 0;  // progress bar
  int rangeMin = 0;
  int rangeMax = 100;
  std::size_t selStart = 0;  // edit selection, in bytes; caret when equal
  std::size_t selEnd = 0;
  std::string url;  // web view: the address of the document shown

  int id() const { return tpl->id; }
  ControlKind kind() const { return tpl->kind; }
  bool has(std::uint32_t style) const { return (tpl->style & style) != 0; }
};

enum class WebViewEvent { NavigateError };

// What the backend does for a live dialog.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual void controlChanged(Dialog&, int /*id*/) {}
  virtual void dialogShown(Dialog&, bool /*visible*/) {}
  virtual void titleChanged(Dialog&) {}
  virtual void focusChanged(Dialog&, int /*id*/) {}
  // Paint now, even during a blocking handler; id 0 for the whole dialog.
  virtual void repaint(Dialog&, int id) = 0;
  virtual void progressChanged(Dialog&, int /*id*/) {}
  virtual void setTimer(Dialog&, int timerId, int ms) = 0;
  virtual void killTimer(Dialog&, int timerId) = 0;
  virtual void postCommand(Dialog&, int id) = 0;
  virtual void ended(Dialog&) {}
  // The dialog object is going away.
  virtual void closed(Dialog&) {}
  virtual void navigate(Dialog&, int id, std::string_view url, std::string_view headers) = 0;
  virtual void stopLoading(Dialog&, int id) = 0;
  virtual void reload(Dialog&, int id) = 0;
  virtual void systemMenuChanged(Dialog&) {}
  virtual void iconChanged(Dialog&) {}
  virtual void bringToFront(Dialog&) {}
};

inline constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

class Dialog {
 public:
  Dialog(Ui& ui, const DialogTemplate& tpl, DialogProc& proc, Dialog* owner, bool modal);
  ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // --- for programs ---
  Ui& ui() { return ui_; }
  const DialogTemplate& tpl() const { return tpl_; }
  std::string_view name() const { return tpl_.name; }
  bool modal() const { return modal_; }
  Dialog* owner() const { return owner_; }

  const std::string& title() const { return title_; }
  void setTitle(std::string_view title);

  // The text of a control as read into a buffer of `capacity` bytes.
  std::string text(int id, std::size_t capacity = kUnlimited) const;
  void setText(int id, std::string_view text);

  void enable(int id, bool enabled);
  bool isEnabled(int id) const;
  void showControl(int id, bool visible);
  bool isControlVisible(int id) const;

  void setChecked(int id, bool checked);  // not a click: no command
  bool isChecked(int id) const;

  // List boxes and combo boxes.
  void clearItems(int id);
  int addItem(int id, std::string_view text);  // index where it landed (sorted lists sort)
  void setSelection(int id, int index);        // -1 selects none
  int selection(int id) const;
  std::string itemText(int id, int index) const;
  int itemCount(int id) const;

  // Edit fields: selection in bytes (caret when start == end), and paste of
  // the clipboard's text over the selection.
  void setEditSelection(int id, std::size_t start, std::size_t end);
  void paste(int id);

  void setProgressRange(int id, int min, int max);
  void setProgress(int id, int position);

  void setFocus(int id);
  int focusedId() const { return focus_; }

  void show(bool visible);
  bool isVisible() const { return visible_; }
  void bringToFront();

  void repaint(int id = 0);  // paint at once (blocking handlers use this)

  void setTimer(int timerId, int ms);
  void killTimer(int timerId);
  void postCommand(int id);  // as a posted WM_COMMAND

  // Ends a modal dialog with `result` (the modal loop returns it).
  void end(int result);
  bool hasEnded() const { return ended_; }
  int result() const { return result_; }

  // Web view.
  void navigate(int id, std::string_view url, std::string_view headers);
  void stopLoading(int id);
  void reload(int id);
  std::string locationUrl(int id) const;

  // System menu items added after the standard ones; an empty text is a separator.
  struct MenuItem {
    std::string text;
    int command;
  };
  void appendSystemMenuItem(std::string_view text, int command);
  const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }
  void setIcon(std::string_view resource);
  const std::string& icon() const { return icon_; }

  // --- for backends ---
  void attachHost(DialogHost* host) { host_ = host; }
  DialogHost* host() const { return host_; }
  DialogProc& proc() { return proc_; }
  std::vector<ControlState>& controls() { return controls_; }
  const std::vector<ControlState>& controls() const { return controls_; }
  ControlState* find(int id);
  const ControlState* find(int id) const;
  // The id of the default push button, 0 when there is none.
  int defaultButtonId() const;
  // User input that the backend applies to the model.
  void userSetText(int id, std::string text);
  void userSetSelection(int id, int index);
  void userSetCaret(int id, std::size_t start, std::size_t end);
  void userReplaceSelection(int id, std::string_view text);
  void userFocus(int id) { focus_ = id; }
  // A click as the control itself handles it before the dialog sees the
  // command: a check box toggles, a radio button checks itself and releases
  // the others of its group.
  void userClickState(int id);
  void setUrl(int id, std::string url);

 private:
  void changed(int id);
  static void insertAt(std::string& text, std::size_t& start, std::size_t& end,
                       std::string_view insert);

  Ui& ui_;
  const DialogTemplate& tpl_;
  DialogProc& proc_;
  Dialog* owner_;
  bool modal_;
  DialogHost* host_ = nullptr;
  std::string title_;
  std::vector<ControlState> controls_;
  std::vector<MenuItem> systemMenu_;
  std::string icon_;
  int focus_ = 0;
  bool visible_ = true;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace qv::ui
