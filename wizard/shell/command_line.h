// The wizard's command line: one optional argument, the script to generate.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::wizard {

// The target path from the program's arguments (without the program name):
// the first argument with leading blanks and tabs skipped, cut to a path's
// capacity (259 bytes); empty when there is none. Later arguments are ignored.
std::string targetFromArguments(const std::vector<std::string>& args);

inline constexpr std::string_view kSaveAnswersOption = "--save-answers";

// Takes "--save-answers FILE" from the front of the arguments; nullopt when
// they do not begin with it. An option without its file gives "".
std::optional<std::string> takeSaveAnswersOption(std::vector<std::string>& args);

// Removes every quotation mark, in place.
void removeQuotes(std::string& path);

}  // namespace qv::wizard
