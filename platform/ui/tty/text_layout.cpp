#include "platform/ui/tty/text_layout.h"

#include "platform/ui/tty/canvas.h"

namespace qv::ui::tty {

Label parseLabel(std::string_view resourceText) {
  Label label;
  const std::u32string text = decodeText(resourceText);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != U'&' && label.mnemonic < 0) {
        label.mnemonic = static_cast<int>(label.text.size());
      }
    }
    label.text += text[i];
  }
  return label;
}

std::vector<std::u32string> wrapText(std::u32string_view text, int width) {
  std::vector<std::u32string> lines;
  if (width < 1) return lines;
  const auto w = static_cast<std::size_t>(width);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t lineEnd = text.find_first_of(U"\r\n", start);
    if (lineEnd == std::u32string_view::npos) lineEnd = text.size();
    std::u32string_view rest = text.substr(start, lineEnd - start);
    do {
      if (rest.size() <= w) {
        lines.emplace_back(rest);
        rest = {};
        break;
      }
      std::size_t cut = rest.rfind(U' ', w);
      if (cut == std::u32string_view::npos || cut == 0) cut = w;
      lines.emplace_back(rest.substr(0, cut));
      rest = rest.substr(cut);
      while (!rest.empty() && rest.front() == U' ') rest.remove_prefix(1);
    } while (!rest.empty());
    if (lineEnd >= text.size()) break;
    // CR LF is one break.
    start = lineEnd + 1;
    if (text[lineEnd] == U'\r' && start < text.size() && text[start] == U'\n') ++start;
  }
  return lines;
}

PictureMark iconMark(std::string_view name) {
  if (name == "145") return {U"(●)", attr::kRed | attr::kBold};
  if (name == "146") return {U"(●)", attr::kGreen | attr::kBold};
  return {U"(i)", attr::kBold};
}

PictureMark bitmapMark(std::string_view name) {
  if (name == "102") return {U"Quorvel Scripting Wizard", attr::kBold | attr::kReverse};
  if (name == "136" || name == "139")
    return {U"Quorvel Console Browser", attr::kBold | attr::kReverse};
  return {U"[picture]", attr::kDim};
}

}  // namespace qv::ui::tty
