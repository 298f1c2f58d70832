// Reading the scripted backend's transcript in tests: every event becomes one
// short line, so a test compares what the program did with a list of lines.
//
//   navigate URL [HEADERS]     stop     reload
//   repaint ID TEXT            (static text and buttons)
//   repaint ID shown|hidden    (icons)
//   repaint DIALOG             (a whole dialog)
//   sleep MS   timer ID MS   kill-timer ID   open-url URL
//   message TEXT / TITLE / ICON
//   open DIALOG TITLE   show DIALOG   close DIALOG RESULT   exit CODE
//   script-error MESSAGE
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

std::vector<std::string> summarise(std::string_view transcript);

// The lines after the first that begins with `prefix`; all when none does.
std::vector<std::string> after(const std::vector<std::string>& lines, std::string_view prefix);

// The lines that begin with one of `prefixes`, in order.
std::vector<std::string> only(const std::vector<std::string>& lines,
                              std::initializer_list<std::string_view> prefixes);

// The raw transcript lines of one event kind.
std::vector<std::string> eventLines(std::string_view transcript, std::string_view event);

// A member of a flat JSON object (the first occurrence of the key), as text:
// strings unescaped, other values as written.
std::optional<std::string> member(std::string_view line, std::string_view key);

// A member of control `id` in an open or dump line.
std::optional<std::string> controlMember(std::string_view line, int id, std::string_view key);

}  // namespace qv::test
