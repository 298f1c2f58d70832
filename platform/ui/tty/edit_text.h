// Editing an edit field's text in the model: bytes with the caret and the
// selection as byte offsets, moved a whole UTF-8 character at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::tty {

// The character boundary before / after `pos` (a byte of a text that is not
// valid UTF-8 counts as one character).
std::size_t previousBoundary(std::string_view text, std::size_t pos);
std::size_t nextBoundary(std::string_view text, std::size_t pos);
// Characters before byte `pos`.
std::size_t charsBefore(std::string_view text, std::size_t pos);

// Lines of a multi-line field, split at CR LF, LF or CR.
struct LineSpan {
  std::size_t start, end;  // bytes, the break excluded
};
std::vector<LineSpan> splitLines(std::string_view text);
// The line that holds byte `pos`.
std::size_t lineOf(const std::vector<LineSpan>& lines, std::size_t pos);

// The text a field shows: every character masked for a password field.
std::u32string shownFieldText(std::string_view text, bool password);

}  // namespace qv::ui::tty
