// Scripts for the grouped pages: type into fields, press a button, answer
// what the page asks, and leave the page when it stays open.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace qv::wizard::test {

struct Entry {
  int id;
  std::string value;
};

// Waits for `dialog`, types every entry (an empty value clears the field),
// clicks `button` (1010 Next, 1034 Back), answers the message boxes in turn
// ("ok", "yes", "no"), and, when the page is not expected to end, cancels it.
inline std::string fillScript(std::string_view dialog, std::initializer_list<Entry> entries,
                              std::initializer_list<std::string_view> answers = {},
                              bool ends = true, int button = 1010) {
  std::string s = "dialog " + std::string(dialog) + "\n";
  for (const Entry& e : entries) s += "set " + std::to_string(e.id) + " " + e.value + "\n";
  s += "click " + std::to_string(button) + "\n";
  for (std::string_view a : answers) s += "answer " + std::string(a) + "\n";
  if (!ends) s += "key escape\nanswer yes\n";
  return s;
}

// Opens the page and leaves it at once, for what it shows on opening.
inline std::string lookScript(std::string_view dialog) {
  return "dialog " + std::string(dialog) + "\nkey escape\nanswer yes\n";
}

}  // namespace qv::wizard::test
