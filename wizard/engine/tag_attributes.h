// Reading a tag's attributes and a List's or Option's data items. The views
// point into the line being compiled and live only as long as it does.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qv::wizard {

struct TagAttributes {
  bool anyPiece = false;  // false for a bare "<PARAM:>": the tag is ignored
  std::optional<std::string_view> type;
  std::optional<std::string_view> question;
  std::optional<std::string_view> help;
  std::optional<std::string_view> data;
  std::optional<std::string_view> defaultValue;
  std::optional<std::string_view> maxLength;
  bool numericOnly = false;
  bool generateName = false;
  bool noEdit = false;
};

// Reads the attributes from `text`, everything after "<PARAM:" to the end of
// the line: pieces split at ";", ">" and line feeds, pieces after the ">"
// included; a later repeat wins; unknown pieces are ignored.
TagAttributes parseTagAttributes(std::string_view text);

struct DataItem {
  std::string_view label;
  std::string_view value;  // the label when the item gives no value
};

// Splits a "Data=" value into its non-empty items.
void parseDataItems(std::string_view data, std::vector<DataItem>& items);

}  // namespace qv::wizard
