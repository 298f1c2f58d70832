// What the keyboard and the mouse do to a dialog view.
#include "platform/ui/tty/dialog_view.h"

#include <algorithm>

#include "platform/ui/dialog_proc.h"
#include "platform/ui/script/action_rules.h"
#include "platform/ui/tty/edit_text.h"
#include "platform/ui/tty/text_layout.h"

namespace qv::ui::tty {
namespace {

bool isClickable(const ControlState& c) {
  return script::isClickable(c.kind());
}

bool canFocus(const ControlState& c) {
  switch (c.kind()) {
    case ControlKind::Static:
    case ControlKind::Group:
    case ControlKind::Progress:
    case ControlKind::Icon:
    case ControlKind::Bitmap:
      return false;
    default:
      return c.enabled && c.visible;
  }
}

char32_t lower(char32_t ch) {
  return ch >= U'A' && ch <= U'Z' ? ch - U'A' + U'a' : ch;
}

}  // namespace

const DialogLayout& DialogView::layoutFor(int rows, int cols) {
  if (rows != layoutRows_ || cols != layoutCols_) {
    layout_ = layoutDialog(dialog_.tpl(), rows, cols);
    layoutRows_ = rows;
    layoutCols_ = cols;
  }
  return layout_;
}

// The group of the control at `index`: from the control that starts it to
// the next one that does.
std::pair<std::size_t, std::size_t> DialogView::groupOf(std::size_t index) const {
  const auto& controls = dialog_.controls();
  std::size_t first = index;
  while (first > 0 && !controls[first].has(cs::kGroup)) --first;
  std::size_t end = first + 1;
  while (end < controls.size() && !controls[end].has(cs::kGroup)) ++end;
  return {first, end};
}

ControlState* DialogView::focused() {
  ControlState* c = dialog_.find(dialog_.focusedId());
  return c && c->enabled && c->visible ? c : nullptr;
}

// Controls that Tab reaches, in template order; of a radio group only the
// first radio button carries the stop.
std::vector<int> DialogView::tabOrder() const {
  std::vector<int> ids;
  const auto& controls = dialog_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlState& c = controls[i];
    if (!canFocus(c)) continue;
    if (c.has(cs::kTabStop) || (c.kind() == ControlKind::Radio && opensStoplessGroup(i))) {
      ids.push_back(c.id());
    }
  }
  return ids;
}

// A radio group without any tab stop (buttons meant for the mouse) is
// reached at its first radio button all the same: a terminal has the
// keyboard alone.
bool DialogView::opensStoplessGroup(std::size_t index) const {
  const auto& controls = dialog_.controls();
  const auto [first, end] = groupOf(index);
  for (std::size_t i = first; i < end; ++i) {
    if (controls[i].has(cs::kTabStop)) return false;
    if (controls[i].kind() == ControlKind::Radio && canFocus(controls[i])) return i == index;
  }
  return false;
}

void DialogView::moveFocus(int step) {
  const std::vector<int> order = tabOrder();
  if (order.empty()) return;
  const auto& controls = dialog_.controls();
  // The radio buttons of a group share the group's place in the order.
  int current = dialog_.focusedId();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id() != current || controls[i].kind() != ControlKind::Radio) continue;
    const auto [first, end] = groupOf(i);
    for (std::size_t j = first; j < end; ++j) {
      if (std::find(order.begin(), order.end(), controls[j].id()) != order.end()) {
        current = controls[j].id();
        break;
      }
    }
    break;
  }
  auto at = std::find(order.begin(), order.end(), current);
  int index = at == order.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - order.begin());
  const int n = static_cast<int>(order.size());
  index = ((index + step) % n + n) % n;
  userFocus(order[static_cast<std::size_t>(index)]);
  focusRadioOf(order[static_cast<std::size_t>(index)]);
  selectAllOfFocused();
}

// A field reached with Tab has its text selected, so typing
// replaces it, as on the desktop.
void DialogView::selectAllOfFocused() {
  const ControlState* c = focused();
  if (c && script::takesText(*c)) {
    selectionAtStart_ = false;
    dialog_.userSetCaret(c->id(), 0, c->text.size());
  }
}

// Tab onto a radio group lands on its checked button.
void DialogView::focusRadioOf(int id) {
  const auto& controls = dialog_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id() != id || controls[i].kind() != ControlKind::Radio) continue;
    const auto [first, end] = groupOf(i);
    for (std::size_t j = first; j < end; ++j) {
      if (controls[j].kind() == ControlKind::Radio && controls[j].checked &&
          canFocus(controls[j])) {
        userFocus(controls[j].id());
        return;
      }
    }
    return;
  }
}

void DialogView::userFocus(int id) {
  if (dialog_.focusedId() != id) selectionAtStart_ = false;
  dialog_.userFocus(id);
}

void DialogView::userClick(int id) {
  userFocus(id);
  dialog_.userClickState(id);
  dialog_.proc().onCommand(dialog_, id);
}

void DialogView::clickIfAble(int id) {
  const ControlState* c = dialog_.find(id);
  if (c && c->enabled && c->visible && isClickable(*c)) userClick(id);
}

void DialogView::pressEnter() {
  const ControlState* focus = dialog_.find(dialog_.focusedId());
  if (focus && focus->kind() == ControlKind::Edit && focus->has(cs::kMultiLine) &&
      focus->has(cs::kWantReturn) && !focus->has(cs::kReadOnly) && focus->enabled) {
    dialog_.userReplaceSelection(focus->id(), "\r\n");
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

void DialogView::pressEscape() {
  dialog_.proc().onCommand(dialog_, kIdCancel);
}

void DialogView::systemCommand(int command) {
  if (!dialog_.proc().onSysCommand(dialog_, command) && (command & kScCommandMask) == kScClose) {
    dialog_.proc().onCommand(dialog_, kIdCancel);
  }
}

// Alt+letter, or the letter alone outside a text field: a button is
// clicked, a label gives the focus to the control after it.
bool DialogView::mnemonic(char32_t ch) {
  const auto& controls = dialog_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlState& c = controls[i];
    if (!c.visible || !c.enabled || c.kind() == ControlKind::Icon ||
        c.kind() == ControlKind::Bitmap) {
      continue;
    }
    const Label label = parseLabel(c.text);
    if (label.mnemonic < 0 ||
        lower(label.text[static_cast<std::size_t>(label.mnemonic)]) != lower(ch)) {
      continue;
    }
    if (isClickable(c)) {
      userClick(c.id());
      return true;
    }
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (canFocus(controls[j])) {
        userFocus(controls[j].id());
        return true;
      }
    }
  }
  return false;
}

void DialogView::handleKey(const Key& key) {
  if (popup_) {
    popupKey(key);
    return;
  }
  ControlState* c = focused();
  switch (key.code) {
    case KeyCode::Click:
      click(key.row, key.col);
      return;
    case KeyCode::Tab:
      if (auto hook = tabHooks_.find(dialog_.focusedId());
          hook != tabHooks_.end() && hook->second()) {
        return;
      }
      moveFocus(1);
      return;
    case KeyCode::BackTab:
      moveFocus(-1);
      return;
    case KeyCode::Escape:
    case KeyCode::Interrupt:
      pressEscape();
      return;
    case KeyCode::WindowMenu:
      if (dialog_.tpl().style & ds::kSysMenu) openPopup(Popup::WindowMenu, 0);
      return;
    case KeyCode::Enter:
      // Always the default button, wherever the focus is: Space presses the
      // focused one.
      pressEnter();
      return;
    default:
      break;
  }
  if (key.code == KeyCode::Char && key.alt) {
    mnemonic(key.ch);
    return;
  }
  if (!c) {
    if (key.code == KeyCode::Char) mnemonic(key.ch);
    return;
  }
  switch (c->kind()) {
    case ControlKind::Edit:
      editKey(*c, key);
      return;
    case ControlKind::Combo:
      if (key.code == KeyCode::OpenList ||
          (key.code == KeyCode::Char && key.ch == U' ' && !c->has(cs::kDropDownEdit))) {
        openPopup(Popup::ComboList, c->id());
      } else if (c->has(cs::kDropDownEdit) && key.code != KeyCode::Up &&
                 key.code != KeyCode::Down) {
        editKey(*c, key);
      } else {
        listKey(*c, key);
      }
      return;
    case ControlKind::List:
      listKey(*c, key);
      return;
    case ControlKind::WebView:
      webViewKey(*c, key);
      return;
    case ControlKind::Radio:
      if (key.code == KeyCode::Up || key.code == KeyCode::Left) return radioStep(*c, -1);
      if (key.code == KeyCode::Down || key.code == KeyCode::Right) return radioStep(*c, 1);
      break;
    default:
      if (key.code == KeyCode::Up || key.code == KeyCode::Left) return moveFocus(-1);
      if (key.code == KeyCode::Down || key.code == KeyCode::Right) return moveFocus(1);
      break;
  }
  if (key.code == KeyCode::Char && key.ch == U' ') {
    clickIfAble(c->id());
  } else if (key.code == KeyCode::Char) {
    mnemonic(key.ch);
  }
}

void DialogView::editKey(ControlState& c, const Key& key) {
  const int id = c.id();
  const bool readOnly = c.has(cs::kReadOnly);
  const std::string& text = c.text;
  std::size_t caret = selectionAtStart_ ? c.selStart : c.selEnd;
  const std::size_t anchor = selectionAtStart_ ? c.selEnd : c.selStart;
  auto moveTo = [&](std::size_t pos, bool extend) {
    if (!extend) {
      dialog_.userSetCaret(id, pos, pos);
      selectionAtStart_ = false;
      return;
    }
    selectionAtStart_ = pos < anchor;
    dialog_.userSetCaret(id, std::min(pos, anchor), std::max(pos, anchor));
  };
  const auto lines = splitLines(text);
  const std::size_t line = lineOf(lines, caret);
  switch (key.code) {
    case KeyCode::Left:
    case KeyCode::ShiftLeft:
      if (key.code == KeyCode::Left && c.selStart != c.selEnd) return moveTo(c.selStart, false);
      return moveTo(previousBoundary(text, caret), key.code == KeyCode::ShiftLeft);
    case KeyCode::Right:
    case KeyCode::ShiftRight:
      if (key.code == KeyCode::Right && c.selStart != c.selEnd) return moveTo(c.selEnd, false);
      return moveTo(nextBoundary(text, caret), key.code == KeyCode::ShiftRight);
    case KeyCode::Home:
    case KeyCode::ShiftHome:
      return moveTo(lines[line].start, key.code == KeyCode::ShiftHome);
    case KeyCode::End:
    case KeyCode::ShiftEnd:
      return moveTo(lines[line].end, key.code == KeyCode::ShiftEnd);
    case KeyCode::Up:
    case KeyCode::Down: {
      if (!c.has(cs::kMultiLine)) return moveFocus(key.code == KeyCode::Up ? -1 : 1);
      const std::size_t target = key.code == KeyCode::Up ? (line == 0 ? 0 : line - 1)
                                                         : std::min(line + 1, lines.size() - 1);
      const std::size_t column = charsBefore(text, caret) - charsBefore(text, lines[line].start);
      std::size_t pos = lines[target].start;
      for (std::size_t n = 0; n < column && pos < lines[target].end; ++n) {
        pos = nextBoundary(text, pos);
      }
      return moveTo(pos, false);
    }
    case KeyCode::SelectAll:
      selectionAtStart_ = false;
      dialog_.userSetCaret(id, 0, text.size());
      return;
    case KeyCode::Paste:
      if (!readOnly) dialog_.paste(id);
      return;
    case KeyCode::Backspace:
    case KeyCode::Delete:
      if (readOnly) return;
      if (c.selStart == c.selEnd) {
        const std::size_t other = key.code == KeyCode::Backspace ? previousBoundary(text, caret)
                                                                 : nextBoundary(text, caret);
        dialog_.userSetCaret(id, std::min(other, caret), std::max(other, caret));
      }
      dialog_.userReplaceSelection(id, "");
      selectionAtStart_ = false;
      return;
    case KeyCode::Char: {
      if (readOnly) return;
      // Digit-only fields refuse other typed characters (pasting does not).
      if (c.has(cs::kNumber) && (key.ch < U'0' || key.ch > U'9')) return;
      dialog_.userReplaceSelection(id, encodeUtf8(std::u32string(1, key.ch)));
      selectionAtStart_ = false;
      return;
    }
    default:
      return;
  }
}

void DialogView::listKey(ControlState& c, const Key& key) {
  const int count = static_cast<int>(c.items.size());
  if (count == 0) return;
  int index = c.selected;
  switch (key.code) {
    case KeyCode::Up:
      index = std::max(0, index - 1);
      break;
    case KeyCode::Down:
      index = std::min(count - 1, index + 1);
      break;
    case KeyCode::Home:
      index = 0;
      break;
    case KeyCode::End:
      index = count - 1;
      break;
    case KeyCode::PageUp:
      index = std::max(0, index - 5);
      break;
    case KeyCode::PageDown:
      index = std::min(count - 1, std::max(index, 0) + 5);
      break;
    case KeyCode::Char: {
      // The next entry that begins with the letter.
      for (int step = 1; step <= count; ++step) {
        const int at = (std::max(index, -1) + step + count) % count;
        const std::u32string item = decodeText(c.items[static_cast<std::size_t>(at)]);
        if (!item.empty() && lower(item[0]) == lower(key.ch)) {
          index = at;
          break;
        }
      }
      break;
    }
    default:
      return;
  }
  if (index != c.selected) dialog_.userSetSelection(c.id(), index);
}

// Arrow keys and pages scroll the page's text.
void DialogView::webViewKey(ControlState& c, const Key& key) {
  WebViewStatus& status = web_[c.id()];
  const int last = std::max(0, static_cast<int>(status.text.size()) - 1);
  switch (key.code) {
    case KeyCode::Up:
      status.scroll = std::max(0, status.scroll - 1);
      break;
    case KeyCode::Down:
      status.scroll = std::min(last, status.scroll + 1);
      break;
    case KeyCode::PageUp:
      status.scroll = std::max(0, status.scroll - 10);
      break;
    case KeyCode::PageDown:
      status.scroll = std::min(last, status.scroll + 10);
      break;
    case KeyCode::Home:
      status.scroll = 0;
      break;
    case KeyCode::End:
      status.scroll = last;
      break;
    default:
      if (key.code == KeyCode::Char) mnemonic(key.ch);
      break;
  }
}

void DialogView::radioStep(ControlState& c, int step) {
  auto& controls = dialog_.controls();
  const auto self = static_cast<std::size_t>(&c - controls.data());
  const auto [first, end] = groupOf(self);
  std::vector<std::size_t> members;
  for (std::size_t i = first; i < end; ++i) {
    if (controls[i].kind() == ControlKind::Radio && canFocus(controls[i])) members.push_back(i);
  }
  const auto at = std::find(members.begin(), members.end(), self);
  if (at == members.end() || members.size() < 2) return;
  const int n = static_cast<int>(members.size());
  const int next = ((static_cast<int>(at - members.begin()) + step) % n + n) % n;
  userClick(controls[members[static_cast<std::size_t>(next)]].id());
}

void DialogView::openPopup(Popup::Kind kind, int id) {
  popup_ = Popup{kind, id, 0};
  if (kind == Popup::ComboList) {
    const ControlState* c = dialog_.find(id);
    if (!c || c->items.empty()) {
      popup_.reset();
      return;
    }
    popup_->highlight = std::max(0, c->selected);
    return;
  }
  const std::vector<std::string> items = popupItems();
  while (popup_->highlight + 1 < static_cast<int>(items.size()) &&
         items[static_cast<std::size_t>(popup_->highlight)].empty()) {
    ++popup_->highlight;
  }
}

void DialogView::popupKey(const Key& key) {
  const std::vector<std::string> items = popupItems();
  const int count = static_cast<int>(items.size());
  Popup popup = *popup_;
  // Separators (empty items) are passed over.
  const auto step = [&](int from, int by) {
    for (int at = from + by; at >= 0 && at < count; at += by) {
      if (!items[static_cast<std::size_t>(at)].empty()) return at;
    }
    return from;
  };
  switch (key.code) {
    case KeyCode::Up:
      popup_->highlight = step(popup.highlight, -1);
      return;
    case KeyCode::Down:
      popup_->highlight = step(popup.highlight, 1);
      return;
    case KeyCode::Escape:
    case KeyCode::OpenList:
    case KeyCode::Interrupt:
    case KeyCode::Tab:
    case KeyCode::BackTab:
      popup_.reset();
      return;
    case KeyCode::Enter:
      break;
    case KeyCode::Char:
      if (key.ch == U' ') break;
      return;
    case KeyCode::Click: {
      // A click on an item takes it; anywhere else closes the list.
      const int index = popup.first + key.row - popup.row;
      const bool inside = key.col >= popup.col && key.col < popup.col + popup.cols &&
                          key.row >= popup.row && key.row < popup.row + popup.shown;
      if (!inside || index >= count || items[static_cast<std::size_t>(index)].empty()) {
        popup_.reset();
        return;
      }
      popup.highlight = index;
      break;
    }
    default:
      return;
  }
  popup_.reset();
  if (popup.highlight < 0 || popup.highlight >= count) return;
  if (popup.kind == Popup::ComboList) {
    if (dialog_.selection(popup.id) != popup.highlight) {
      dialog_.userSetSelection(popup.id, popup.highlight);
    }
    return;
  }
  const auto& menu = dialog_.systemMenu();
  if (popup.highlight < static_cast<int>(menu.size())) {
    const int command = menu[static_cast<std::size_t>(popup.highlight)].command;
    if (!menu[static_cast<std::size_t>(popup.highlight)].text.empty()) systemCommand(command);
  } else {
    systemCommand(kScClose);
  }
}

void DialogView::click(int row, int col) {
  const int insideRow = row - top_ - 1 + scroll_;
  const int insideCol = col - left_ - 1;
  const auto& controls = dialog_.controls();
  // The last control drawn there, a group box only when nothing else is.
  const ControlState* hit = nullptr;
  const CellRect* hitRect = nullptr;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const CellRect& r = layout_.controls[i];
    if (!controls[i].visible || insideRow < r.row || insideRow >= r.bottom() || insideCol < r.col ||
        insideCol >= r.right()) {
      continue;
    }
    if (hit && controls[i].kind() == ControlKind::Group) continue;
    hit = &controls[i];
    hitRect = &r;
  }
  if (!hit || !hit->enabled) return;
  if (isClickable(*hit)) {
    userClick(hit->id());
  } else if (hit->kind() == ControlKind::List) {
    userFocus(hit->id());
    const int count = static_cast<int>(hit->items.size());
    const int first =
        std::clamp(hit->selected - hitRect->rows + 1, 0, std::max(0, count - hitRect->rows));
    const int index = first + insideRow - hitRect->row;
    if (index < count && index != hit->selected) dialog_.userSetSelection(hit->id(), index);
  } else if (hit->kind() == ControlKind::Combo) {
    userFocus(hit->id());
    if (!hit->has(cs::kDropDownEdit) || insideCol == hitRect->right() - 1) {
      openPopup(Popup::ComboList, hit->id());
    }
  } else if (canFocus(*hit)) {
    userFocus(hit->id());
  }
}

}  // namespace qv::ui::tty
