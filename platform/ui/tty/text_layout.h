// Texts as the terminal shows them: "&" mnemonics and words wrapped to a
// width.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::tty {

// "&&" shows as "&"; "&x" shows x and makes it the mnemonic.
struct Label {
  std::u32string text;
  int mnemonic = -1;  // index into text, -1 for none
};
Label parseLabel(std::string_view resourceText);

// Breaks at blanks (a word longer than the width is cut) and at line breaks.
std::vector<std::u32string> wrapText(std::u32string_view text, int width);

// The small text mark that stands for a picture, and whether it is a lamp
// (red or green).
struct PictureMark {
  std::u32string text;
  std::uint8_t attrs;
};
PictureMark iconMark(std::string_view name);
PictureMark bitmapMark(std::string_view name);

}  // namespace qv::ui::tty
