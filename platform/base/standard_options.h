// --help and --version, the two options every program answers before it
// reads its own command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class StandardOption { None, Help, Version, Invalid };

// Reads the first argument as an option when it begins with "--", with
// getopt_long (so an unambiguous abbreviation such as --vers counts). None
// when there is no argument or the first does not begin with "--": it keeps
// its meaning for the program. Invalid for an unknown option, an option
// given a value and "--" alone; getopt_long has then said why on standard
// error (except for "--").
StandardOption readStandardOption(int argc, char** argv);

// "<program> (quorvel-tools) <version>", with a line end.
std::string versionText(std::string_view program);

// Answers the first argument: --help prints `helpText`, --version the
// version, both on standard output with status 0
// (1 when standard output cannot be written); an invalid option gives a
// hint on standard error and status 2. nullopt when the program goes on.
std::optional<int> answerStandardOption(int argc, char** argv, std::string_view program,
                                        std::string_view helpText);

inline constexpr int kExitUsage = 2;

}  // namespace qv
