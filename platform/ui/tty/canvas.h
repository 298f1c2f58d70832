// The terminal's picture as a grid of character cells, drawn by the dialog
// views and copied to the terminal in one go. Kept apart from curses, so the
// drawing is the same for the screen, for `screen FILE` and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::tty {

namespace attr {
inline constexpr std::uint8_t kNone = 0;
inline constexpr std::uint8_t kBold = 1u << 0;
inline constexpr std::uint8_t kReverse = 1u << 1;
inline constexpr std::uint8_t kUnderline = 1u << 2;
inline constexpr std::uint8_t kDim = 1u << 3;
inline constexpr std::uint8_t kRed = 1u << 4;
inline constexpr std::uint8_t kGreen = 1u << 5;
}  // namespace attr

struct Cell {
  char32_t ch = U' ';
  std::uint8_t attrs = attr::kNone;
  bool operator==(const Cell&) const = default;
};

// A rectangle that drawing is clipped to, in screen cells.
struct Clip {
  int top = 0, left = 0, bottom = 0, right = 0;  // bottom and right exclusive
};

class Canvas {
 public:
  Canvas(int rows, int cols);
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  void clear();

  // Drawing is clipped to the canvas and to the clip, when one is set.
  void setClip(const Clip& clip) { clip_ = clip; }
  void clearClip() { clip_ = {0, 0, rows_, cols_}; }

  void put(int row, int col, char32_t ch, std::uint8_t attrs = attr::kNone);
  // Returns the column after the text.
  int text(int row, int col, std::u32string_view text, std::uint8_t attrs = attr::kNone);
  void fill(int row, int col, int cols, char32_t ch, std::uint8_t attrs = attr::kNone);
  // A frame of line characters around rows x cols cells (the frame included).
  void box(int row, int col, int rows, int cols, std::uint8_t attrs = attr::kNone);

  const Cell& at(int row, int col) const { return cells_[index(row, col)]; }
  // The text of every row, trailing blanks removed, one line each (UTF-8).
  std::string toText() const;

 private:
  std::size_t index(int row, int col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col);
  }
  int rows_, cols_;
  Clip clip_;
  std::vector<Cell> cells_;
};

// Model texts are bytes: valid UTF-8 is decoded, otherwise each byte is the
// character of the same number (a Latin-1 text still shows).
std::u32string decodeText(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

}  // namespace qv::ui::tty
