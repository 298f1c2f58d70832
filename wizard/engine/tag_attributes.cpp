#include "wizard/engine/tag_attributes.h"

#include "platform/base/text.h"

namespace qv::wizard {
namespace {

// Calls `take` with every non-empty piece of `text` between separators.
// (A plain loop: find_first_of searches the separator set once per byte.)
template <typename IsSeparator, typename Take>
void forEachPiece(std::string_view text, IsSeparator isSeparator, Take take) {
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !isSeparator(text[i])) continue;
    if (i > start) take(text.substr(start, i - start));
    start = i + 1;
  }
}

bool endsAttribute(char c) {
  return c == ';' || c == '>' || c == '\n';
}
bool endsItem(char c) {
  return c == ',' || c == '\n';
}

bool takeValue(std::string_view piece, std::string_view name,
               std::optional<std::string_view>& field) {
  if (!startsWithNoCase(piece, name)) return false;
  field = piece.substr(name.size());
  return true;
}

}  // namespace

TagAttributes parseTagAttributes(std::string_view text) {
  TagAttributes tag;
  forEachPiece(text, endsAttribute, [&tag](std::string_view piece) {
    tag.anyPiece = true;
    // The names are tried in a fixed order and the first that fits decides;
    // names with different first letters cannot both fit, so the first letter
    // picks the few to try, in that order.
    switch (lowerAscii(piece[0])) {
      case 't':
        takeValue(piece, "Type=", tag.type);
        break;
      case 'q':
        takeValue(piece, "Question=", tag.question);
        break;
      case 'h':
        takeValue(piece, "Help=", tag.help);
        break;
      case 'd':
        if (!takeValue(piece, "Data=", tag.data)) takeValue(piece, "Default=", tag.defaultValue);
        break;
      case 'm':
        takeValue(piece, "MaxLength=", tag.maxLength);
        break;
      case 'n':
        if (startsWithNoCase(piece, "NumericOnly")) {
          tag.numericOnly = true;
        } else if (startsWithNoCase(piece, "NoEdit")) {
          tag.noEdit = true;
        }
        break;
      case 'g':
        if (startsWithNoCase(piece, "GenerateName")) tag.generateName = true;
        break;
      default:
        break;
    }
  });
  return tag;
}

void parseDataItems(std::string_view data, std::vector<DataItem>& items) {
  items.clear();
  forEachPiece(data, endsItem, [&items](std::string_view item) {
    const std::size_t equals = item.find('=');
    DataItem parsed{item.substr(0, equals), {}};
    if (equals != std::string_view::npos) {
      std::string_view value = item.substr(equals + 1);
      parsed.value = value.substr(0, value.find('='));  // a second "=" ends the value
    }
    if (parsed.value.empty()) parsed.value = parsed.label;
    items.push_back(parsed);
  });
}

}  // namespace qv::wizard
