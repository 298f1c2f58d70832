#include "platform/ui/tty/edit_text.h"

#include <vector>

#include "platform/base/text.h"
#include "platform/ui/tty/canvas.h"

namespace qv::ui::tty {
namespace {

bool isContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t previousBoundary(std::string_view text, std::size_t pos) {
  if (pos == 0) return 0;
  pos = std::min(pos, text.size()) - 1;
  if (!isValidUtf8(text)) return pos;
  while (pos > 0 && isContinuation(text[pos])) --pos;
  return pos;
}

std::size_t nextBoundary(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return text.size();
  ++pos;
  if (!isValidUtf8(text)) return pos;
  while (pos < text.size() && isContinuation(text[pos])) ++pos;
  return pos;
}

std::size_t charsBefore(std::string_view text, std::size_t pos) {
  pos = std::min(pos, text.size());
  if (!isValidUtf8(text)) return pos;
  std::size_t n = 0;
  for (std::size_t i = 0; i < pos; ++i) {
    if (!isContinuation(text[i])) ++n;
  }
  return n;
}

std::vector<LineSpan> splitLines(std::string_view text) {
  std::vector<LineSpan> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back({start, i});
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  lines.push_back({start, text.size()});
  return lines;
}

std::size_t lineOf(const std::vector<LineSpan>& lines, std::size_t pos) {
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (pos <= lines[i].end) return i;
  }
  return lines.size() - 1;
}

std::u32string shownFieldText(std::string_view text, bool password) {
  std::u32string shown = decodeText(text);
  if (password) shown.assign(shown.size(), U'*');
  return shown;
}

}  // namespace qv::ui::tty
