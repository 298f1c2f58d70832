// An RFC 4180 CSV reader: records end at CR LF or LF; a field in double
// quotes may hold commas, quotes (doubled) and line breaks; nothing is
// trimmed. Kept small because nothing in the distribution fits; it is
// table-tested and fuzzed (tests/fuzz/csv_fuzz.cpp).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

using CsvRecord = std::vector<std::string>;

struct CsvError {
  std::size_t line = 0;  // where the fault is, counted from 1
  std::string message;
};

// Every record of `text`; a blank line is no record, a last line break is
// optional. nullopt with `error` set for a quote where none may be, or a
// quoted field that never ends.
std::optional<std::vector<CsvRecord>> parseCsv(std::string_view text, CsvError& error);

}  // namespace qv::cli
