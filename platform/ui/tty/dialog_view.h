// One live dialog in the terminal: its layout in cells, where it sits on the
// screen, how it draws from the dialog's model, and what the keyboard and the
// mouse do to it. Every drawing starts from the model, so a change needs no
// copying; scripts use the same entry points as the keys.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/tty/canvas.h"
#include "platform/ui/tty/keys.h"
#include "platform/ui/tty/layout.h"

namespace qv::ui::tty {

// What the web view shows instead of the page.
struct WebViewStatus {
  std::string state;              // "loading", "HTTP 200", "cannot connect: ..."
  std::string title;              // the page's title, when it has one
  std::vector<std::string> text;  // the page's text lines
  int scroll = 0;                 // text lines scrolled away (arrow keys)
};

class DialogView {
 public:
  explicit DialogView(Dialog& dialog) : dialog_(dialog) {}
  Dialog& dialog() { return dialog_; }

  // Draws the dialog centred on the canvas, scrolled so that the focused
  // control shows. `active`: the dialog takes the keyboard.
  void draw(Canvas& canvas, bool active);
  // Where the terminal's cursor goes: the caret of the focused field.
  std::optional<std::pair<int, int>> cursor() const { return cursor_; }

  void handleKey(const Key& key);

  // What keys and scripts do.
  void pressEnter();
  void pressEscape();
  void systemCommand(int command);
  void userFocus(int id);
  void userClick(int id);
  void selectAllOfFocused();

  WebViewStatus& webStatus(int id) { return web_[id]; }
  // Tab in field `id` asks `hook` first; it returns true when it completed
  // a name, and Tab then stays in the field.
  void setTabHook(int id, std::function<bool()> hook) { tabHooks_[id] = std::move(hook); }

 private:
  struct Popup {
    enum Kind { ComboList, WindowMenu } kind;
    int id = 0;  // the combo box
    int highlight = 0;
    // Where it was drawn last: its first item's row, its columns, the item
    // shown there, how many show.
    int row = 0, col = 0, cols = 0, first = 0, shown = 0;
  };

  const DialogLayout& layoutFor(int rows, int cols);
  ControlState* focused();
  std::vector<int> tabOrder() const;
  bool opensStoplessGroup(std::size_t index) const;
  std::pair<std::size_t, std::size_t> groupOf(std::size_t index) const;
  void moveFocus(int step);
  void focusRadioOf(int id);
  void clickIfAble(int id);
  bool mnemonic(char32_t ch);
  void editKey(ControlState& c, const Key& key);
  void listKey(ControlState& c, const Key& key);
  void webViewKey(ControlState& c, const Key& key);
  void radioStep(ControlState& c, int step);
  void popupKey(const Key& key);
  void openPopup(Popup::Kind kind, int id);
  void click(int row, int col);

  void drawControl(Canvas& canvas, const ControlState& c, const CellRect& r, bool focused);
  void drawEdit(Canvas& canvas, const ControlState& c, const CellRect& r, bool focused);
  void drawList(Canvas& canvas, const ControlState& c, const CellRect& r, bool focused);
  void drawPopup(Canvas& canvas);
  std::vector<std::string> popupItems() const;

  Dialog& dialog_;
  DialogLayout layout_;
  int layoutRows_ = -1, layoutCols_ = -1;
  int top_ = 0, left_ = 0;  // the frame's corner on screen
  int scroll_ = 0;          // rows of the inside scrolled away
  std::optional<std::pair<int, int>> cursor_;
  std::optional<Popup> popup_;
  bool selectionAtStart_ = false;  // Shift+arrows move the selection's start
  std::map<int, WebViewStatus> web_;
  std::map<int, std::function<bool()>> tabHooks_;
};

}  // namespace qv::ui::tty
