#include "platform/ui/tty/canvas.h"

#include "platform/base/text.h"

namespace qv::ui::tty {

Canvas::Canvas(int rows, int cols)
    : rows_(rows < 0 ? 0 : rows),
      cols_(cols < 0 ? 0 : cols),
      clip_{0, 0, rows_, cols_},
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)) {}

void Canvas::clear() {
  for (Cell& c : cells_) c = Cell{};
}

void Canvas::put(int row, int col, char32_t ch, std::uint8_t attrs) {
  if (row < clip_.top || row >= clip_.bottom || col < clip_.left || col >= clip_.right) return;
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  // Control characters would move the terminal's cursor.
  if (ch < 0x20 || ch == 0x7F) ch = U' ';
  cells_[index(row, col)] = {ch, attrs};
}

int Canvas::text(int row, int col, std::u32string_view text, std::uint8_t attrs) {
  for (char32_t ch : text) put(row, col++, ch, attrs);
  return col;
}

void Canvas::fill(int row, int col, int cols, char32_t ch, std::uint8_t attrs) {
  for (int i = 0; i < cols; ++i) put(row, col + i, ch, attrs);
}

void Canvas::box(int row, int col, int rows, int cols, std::uint8_t attrs) {
  if (rows < 2 || cols < 2) return;
  const int bottom = row + rows - 1;
  const int right = col + cols - 1;
  fill(row, col + 1, cols - 2, U'─', attrs);
  fill(bottom, col + 1, cols - 2, U'─', attrs);
  for (int r = row + 1; r < bottom; ++r) {
    put(r, col, U'│', attrs);
    put(r, right, U'│', attrs);
  }
  put(row, col, U'┌', attrs);
  put(row, right, U'┐', attrs);
  put(bottom, col, U'└', attrs);
  put(bottom, right, U'┘', attrs);
}

std::string Canvas::toText() const {
  std::string out;
  for (int r = 0; r < rows_; ++r) {
    std::u32string line;
    for (int c = 0; c < cols_; ++c) line += at(r, c).ch;
    while (!line.empty() && line.back() == U' ') line.pop_back();
    out += encodeUtf8(line);
    out += '\n';
  }
  return out;
}

std::u32string decodeText(std::string_view text) {
  std::u32string out;
  if (!isValidUtf8(text)) {
    for (char c : text) out += static_cast<char32_t>(static_cast<unsigned char>(c));
    return out;
  }
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t ch = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra; ++k) {
      ch = (ch << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    out += ch;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string encodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t ch : text) {
    if (ch < 0x80) {
      out += static_cast<char>(ch);
    } else if (ch < 0x800) {
      out += static_cast<char>(0xC0 | (ch >> 6));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
      out += static_cast<char>(0xE0 | (ch >> 12));
      out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (ch >> 18));
      out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    }
  }
  return out;
}

}  // namespace qv::ui::tty
