// Drawing a dialog view from the dialog's model.
#include <algorithm>

#include "platform/ui/tty/dialog_view.h"
#include "platform/ui/tty/edit_text.h"
#include "platform/ui/tty/text_layout.h"

namespace qv::ui::tty {
namespace {

// Draws a label at most `width` cells wide, its mnemonic underlined.
void drawLabel(Canvas& canvas, int row, int col, const Label& label, int width,
               std::uint8_t attrs) {
  for (int i = 0; i < width && i < static_cast<int>(label.text.size()); ++i) {
    const std::uint8_t a = i == label.mnemonic ? attrs | attr::kUnderline : attrs;
    canvas.put(row, col + i, label.text[static_cast<std::size_t>(i)], a);
  }
}

int alignedStart(int col, int width, int textWidth, std::uint32_t style) {
  if (style & cs::kCenter) return col + std::max(0, (width - textWidth) / 2);
  if (style & cs::kRight) return col + std::max(0, width - textWidth);
  return col;
}

// A button's face: "[ text ]", the default one "< text >", pressed-in
// toggles "=text=", shortened to the room there is.
void drawButtonFace(Canvas& canvas, const CellRect& r, const Label& label, char32_t open,
                    char32_t close, std::uint8_t attrs) {
  const int inner = static_cast<int>(label.text.size());
  const int padding = r.cols >= inner + 4 ? 1 : 0;
  const int width = std::min(r.cols, inner + 2 + 2 * padding);
  const int start = r.col + std::max(0, (r.cols - width) / 2);
  canvas.fill(r.row, start, width, U' ', attrs);
  canvas.put(r.row, start, open, attrs);
  canvas.put(r.row, start + width - 1, close, attrs);
  drawLabel(canvas, r.row, start + 1 + padding, label, width - 2 - 2 * padding, attrs);
}

}  // namespace

void DialogView::draw(Canvas& canvas, bool active) {
  const DialogLayout& l = layoutFor(canvas.rows() - 2, canvas.cols() - 2);
  const int shownRows = std::max(1, std::min(l.rows, canvas.rows() - 2));
  const int shownCols = std::max(1, std::min(l.cols, canvas.cols() - 2));
  top_ = std::max(0, (canvas.rows() - shownRows - 2) / 2);
  left_ = std::max(0, (canvas.cols() - shownCols - 2) / 2);

  // Scrolled so that the focused control shows, its top first.
  const auto& controls = dialog_.controls();
  if (l.rows > shownRows) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].id() != dialog_.focusedId()) continue;
      const CellRect& r = l.controls[i];
      if (r.bottom() > scroll_ + shownRows) scroll_ = r.bottom() - shownRows;
      if (r.row < scroll_ || r.rows > shownRows) scroll_ = r.row;
      break;
    }
    scroll_ = std::clamp(scroll_, 0, l.rows - shownRows);
  } else {
    scroll_ = 0;
  }

  canvas.clearClip();
  for (int row = 0; row < shownRows + 2; ++row) canvas.fill(top_ + row, left_, shownCols + 2, U' ');
  const std::uint8_t frame = active ? attr::kBold : attr::kNone;
  canvas.box(top_, left_, shownRows + 2, shownCols + 2, frame);
  if (!dialog_.title().empty() && shownCols > 4) {
    std::u32string caption = U" " + decodeText(dialog_.title()) + U" ";
    if (static_cast<int>(caption.size()) > shownCols - 2) {
      caption.resize(static_cast<std::size_t>(shownCols - 2));
    }
    canvas.text(top_, left_ + 2, caption, frame);
  }
  if (scroll_ > 0) canvas.put(top_ + 1, left_ + shownCols + 1, U'↑', attr::kBold);
  if (scroll_ + shownRows < l.rows)
    canvas.put(top_ + shownRows, left_ + shownCols + 1, U'↓', attr::kBold);

  canvas.setClip({top_ + 1, left_ + 1, top_ + 1 + shownRows, left_ + 1 + shownCols});
  cursor_.reset();
  // Group boxes first: the controls they hold are drawn over them.
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const ControlState& c = controls[i];
      if (!c.visible || (c.kind() == ControlKind::Group) != (pass == 0)) continue;
      CellRect r = l.controls[i];
      r.row += top_ + 1 - scroll_;
      r.col += left_ + 1;
      drawControl(canvas, c, r, active && c.id() == dialog_.focusedId());
    }
  }
  canvas.clearClip();
  if (active && popup_) drawPopup(canvas);
  // A caret scrolled out of sight is not shown.
  if (cursor_ && (cursor_->first <= top_ || cursor_->first > top_ + shownRows)) cursor_.reset();
  if (!active) cursor_.reset();
}

void DialogView::drawControl(Canvas& canvas, const ControlState& c, const CellRect& r,
                             bool focused) {
  std::uint8_t base = c.enabled ? attr::kNone : attr::kDim;
  const std::uint8_t focus = focused ? attr::kReverse : attr::kNone;
  switch (c.kind()) {
    case ControlKind::Static: {
      const Label label = parseLabel(c.text);
      auto lines = wrapText(label.text, r.cols);
      const int rows = std::min(static_cast<int>(lines.size()), r.rows + r.spareRows);
      for (int i = 0; i < rows; ++i) {
        auto& line = lines[static_cast<std::size_t>(i)];
        // A text cut short ends in an ellipsis.
        if (i == rows - 1 && rows < static_cast<int>(lines.size())) {
          if (static_cast<int>(line.size()) >= r.cols)
            line.resize(static_cast<std::size_t>(r.cols - 1));
          line += U'…';
        }
        const int width = std::min(static_cast<int>(line.size()), r.cols);
        canvas.text(r.row + i, alignedStart(r.col, r.cols, width, c.tpl->style),
                    std::u32string_view(line).substr(0, static_cast<std::size_t>(width)), base);
      }
      break;
    }
    case ControlKind::Button: {
      const bool isDefault = c.has(cs::kDefault);
      drawButtonFace(canvas, r, parseLabel(c.text), isDefault ? U'<' : U'[',
                     isDefault ? U'>' : U']',
                     base | focus | (isDefault ? attr::kBold : attr::kNone));
      break;
    }
    case ControlKind::Check:
    case ControlKind::Radio: {
      const Label label = parseLabel(c.text);
      if (c.has(cs::kPushLike)) {
        drawButtonFace(canvas, r, label, c.checked ? U'=' : U'[', c.checked ? U'=' : U']',
                       base | focus | (c.checked ? attr::kBold : attr::kNone));
        break;
      }
      const bool radio = c.kind() == ControlKind::Radio;
      const std::u32string box =
          radio ? (c.checked ? U"(*)" : U"( )") : (c.checked ? U"[x]" : U"[ ]");
      canvas.text(r.row, r.col, box, base | focus);
      drawLabel(canvas, r.row, r.col + 4, label, r.cols - 4, base);
      break;
    }
    case ControlKind::Group: {
      canvas.box(r.row, r.col, r.rows, r.cols, base);
      const Label label = parseLabel(c.text);
      if (!label.text.empty()) {
        canvas.put(r.row, r.col + 1, U' ', base);
        drawLabel(canvas, r.row, r.col + 2, label, r.cols - 4, base);
        canvas.put(r.row, r.col + 2 + std::min(static_cast<int>(label.text.size()), r.cols - 4),
                   U' ', base);
      }
      break;
    }
    case ControlKind::Edit:
      drawEdit(canvas, c, r, focused);
      break;
    case ControlKind::Combo: {
      CellRect field = r;
      field.cols = std::max(1, r.cols - 1);
      if (c.has(cs::kDropDownEdit)) {
        drawEdit(canvas, c, field, focused);
      } else {
        canvas.fill(r.row, r.col, field.cols, U'_', base | focus);
        std::u32string shown = decodeText(c.text);
        canvas.text(r.row, r.col,
                    std::u32string_view(shown).substr(
                        0, std::min(shown.size(), static_cast<std::size_t>(field.cols))),
                    base | focus);
      }
      canvas.put(r.row, r.right() - 1, U'▼', base | attr::kBold);
      break;
    }
    case ControlKind::List:
      drawList(canvas, c, r, focused);
      break;
    case ControlKind::Progress: {
      const int span = std::max(1, c.rangeMax - c.rangeMin);
      const int cells = r.cols * (c.position - c.rangeMin) / span;
      for (int i = 0; i < r.cols; ++i) canvas.put(r.row, r.col + i, i < cells ? U'█' : U'░', base);
      break;
    }
    case ControlKind::Icon: {
      const PictureMark mark = iconMark(c.text);
      canvas.text(r.row, r.col, mark.text, mark.attrs);
      break;
    }
    case ControlKind::Bitmap: {
      const PictureMark mark = bitmapMark(c.text);
      canvas.fill(r.row, r.col, r.cols, U' ', mark.attrs);
      canvas.text(r.row, r.col + 1, mark.text, mark.attrs);
      break;
    }
    case ControlKind::WebView: {
      canvas.box(r.row, r.col, r.rows, r.cols, base | (focused ? attr::kBold : attr::kNone));
      const WebViewStatus& status = web_[c.id()];
      const int width = std::max(0, r.cols - 2);
      const auto line = [&](int row, const std::string& text, std::uint8_t a) {
        const std::u32string shown = decodeText(text);
        canvas.text(row, r.col + 1,
                    std::u32string_view(shown).substr(
                        0, std::min(shown.size(), static_cast<std::size_t>(width))),
                    a);
      };
      // The address, the server's answer and the page's title, then its text.
      if (r.rows > 2) line(r.row + 1, c.url, attr::kUnderline);
      if (r.rows > 3) {
        line(r.row + 2, status.title.empty() ? status.state : status.state + "  " + status.title,
             attr::kBold);
      }
      for (int i = 0; r.rows > 5 && i < r.rows - 5; ++i) {
        const auto at = static_cast<std::size_t>(status.scroll + i);
        if (at < status.text.size()) line(r.row + 4 + i, status.text[at], base);
      }
      if (r.rows > 5) canvas.fill(r.row + 3, r.col + 1, width, U'─', attr::kDim);
      break;
    }
  }
}

void DialogView::drawEdit(Canvas& canvas, const ControlState& c, const CellRect& r, bool focused) {
  const std::uint8_t base = c.enabled ? attr::kNone : attr::kDim;
  const bool password = c.has(cs::kPassword);
  const std::size_t caretByte = selectionAtStart_ ? c.selStart : c.selEnd;
  const std::size_t selFrom = charsBefore(c.text, c.selStart);
  const std::size_t selTo = charsBefore(c.text, c.selEnd);
  const auto lines = splitLines(c.text);
  const std::size_t caretLine = lineOf(lines, caretByte);
  const int firstLine = std::max(0, static_cast<int>(caretLine) - r.rows + 1);
  const std::size_t caretCol =
      charsBefore(c.text, caretByte) - charsBefore(c.text, lines[caretLine].start);
  const int offset = std::max(0, static_cast<int>(caretCol) - r.cols + 1);
  for (int row = 0; row < r.rows; ++row) {
    // Blank room shows as a line, so a field is seen in the terminal's text too.
    canvas.fill(r.row + row, r.col, r.cols, c.has(cs::kReadOnly) ? U' ' : U'_', base);
    const auto index = static_cast<std::size_t>(firstLine + row);
    if (index >= lines.size()) continue;
    const LineSpan& span = lines[index];
    const std::u32string shown = shownFieldText(
        std::string_view(c.text).substr(span.start, span.end - span.start), password);
    const std::size_t lineFrom = charsBefore(c.text, span.start);
    for (int col = 0; col < r.cols; ++col) {
      const auto at = static_cast<std::size_t>(offset + col);
      if (at >= shown.size()) break;
      const bool selected = focused && lineFrom + at >= selFrom && lineFrom + at < selTo;
      canvas.put(r.row + row, r.col + col, shown[at], selected ? base | attr::kReverse : base);
    }
  }
  if (focused) {
    cursor_ = std::pair{r.row + static_cast<int>(caretLine) - firstLine,
                        r.col + static_cast<int>(caretCol) - offset};
  }
}

void DialogView::drawList(Canvas& canvas, const ControlState& c, const CellRect& r, bool focused) {
  const std::uint8_t base = c.enabled ? attr::kNone : attr::kDim;
  const int count = static_cast<int>(c.items.size());
  const int first = std::clamp(c.selected - r.rows + 1, 0, std::max(0, count - r.rows));
  for (int row = 0; row < r.rows; ++row) {
    const int index = first + row;
    std::uint8_t a = base;
    if (index == c.selected) a |= focused ? attr::kReverse : attr::kBold;
    canvas.fill(r.row + row, r.col, r.cols, U' ', a);
    if (index < count) {
      const std::u32string item = decodeText(c.items[static_cast<std::size_t>(index)]);
      canvas.text(r.row + row, r.col + 1,
                  std::u32string_view(item).substr(
                      0, std::min(item.size(), static_cast<std::size_t>(std::max(0, r.cols - 2)))),
                  a);
    }
  }
  for (int row = 0; row < r.rows; ++row)
    canvas.put(r.row + row, r.col, focused ? U'▌' : U'│', base);
  if (first > 0) canvas.put(r.row, r.right() - 1, U'↑', attr::kBold);
  if (first + r.rows < count) canvas.put(r.row + r.rows - 1, r.right() - 1, U'↓', attr::kBold);
  if (focused) cursor_ = std::pair{r.row + std::max(0, c.selected - first), r.col};
}

std::vector<std::string> DialogView::popupItems() const {
  std::vector<std::string> items;
  if (!popup_) return items;
  if (popup_->kind == Popup::ComboList) {
    if (const ControlState* c = dialog_.find(popup_->id)) items = c->items;
  } else {
    for (const Dialog::MenuItem& m : dialog_.systemMenu()) items.push_back(m.text);
    items.emplace_back("Close");
  }
  return items;
}

void DialogView::drawPopup(Canvas& canvas) {
  const std::vector<std::string> items = popupItems();
  int row = top_ + 1, col = left_ + 1, width = 24;
  if (popup_->kind == Popup::ComboList) {
    const auto& controls = dialog_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].id() != popup_->id) continue;
      const CellRect& r = layout_.controls[i];
      row = top_ + 1 + r.row - scroll_ + 1;
      col = left_ + 1 + r.col;
      width = std::max(r.cols, 8);
    }
  } else {
    for (const std::string& item : items) {
      width = std::max(width, static_cast<int>(parseLabel(item).text.size()) + 4);
    }
  }
  const int shown = std::max(1, std::min(static_cast<int>(items.size()), canvas.rows() - row - 2));
  if (row + shown + 2 > canvas.rows()) row = std::max(0, canvas.rows() - shown - 2);
  const int first = std::clamp(popup_->highlight - shown + 1, 0,
                               std::max(0, static_cast<int>(items.size()) - shown));
  for (int i = 0; i < shown + 2; ++i) canvas.fill(row + i, col, width, U' ');
  canvas.box(row, col, shown + 2, width, attr::kBold);
  for (int i = 0; i < shown && first + i < static_cast<int>(items.size()); ++i) {
    const int index = first + i;
    const std::uint8_t a = index == popup_->highlight ? attr::kReverse : attr::kNone;
    canvas.fill(row + 1 + i, col + 1, width - 2, U' ', a);
    const std::string& item = items[static_cast<std::size_t>(index)];
    if (item.empty()) {
      canvas.fill(row + 1 + i, col + 1, width - 2, U'─');
    } else {
      drawLabel(canvas, row + 1 + i, col + 2, parseLabel(item), width - 4, a);
    }
  }
  cursor_ = std::pair{row + 1 + popup_->highlight - first, col + 1};
  popup_->row = row + 1;
  popup_->col = col;
  popup_->cols = width;
  popup_->first = first;
  popup_->shown = shown;
}

}  // namespace qv::ui::tty
