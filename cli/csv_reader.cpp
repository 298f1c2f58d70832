#include "cli/csv_reader.h"

namespace qv::cli {

std::optional<std::vector<CsvRecord>> parseCsv(std::string_view text, CsvError& error) {
  std::vector<CsvRecord> records;
  CsvRecord record;
  std::string field;
  std::size_t line = 1;
  std::size_t i = 0;
  bool fieldStarted = false;  // the record has a field (perhaps empty) begun
  auto endRecord = [&] {
    // A line with nothing on it at all is no record.
    if (fieldStarted || !record.empty()) {
      record.push_back(std::move(field));
      records.push_back(std::move(record));
    }
    record.clear();
    field.clear();
    fieldStarted = false;
  };
  auto fail = [&](std::string message) {
    error = {line, std::move(message)};
    return std::nullopt;
  };
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') {
      if (!field.empty()) return fail("a double quote inside a field that is not quoted");
      const std::size_t openedAt = line;
      ++i;
      for (;;) {
        if (i >= text.size()) {
          error = {openedAt, "a quoted field that never ends"};
          return std::nullopt;
        }
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field.push_back('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        if (text[i] == '\n') ++line;
        field.push_back(text[i++]);
      }
      fieldStarted = true;
      // After the closing quote only a separator or the record's end may come.
      if (i < text.size() && text[i] != ',' && text[i] != '\n' &&
          !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
        return fail("text after the closing double quote of a field");
      }
      continue;
    }
    if (c == ',') {
      record.push_back(std::move(field));
      field.clear();
      fieldStarted = true;
      ++i;
      continue;
    }
    if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      endRecord();
      i += c == '\r' ? 2 : 1;
      ++line;
      continue;
    }
    field.push_back(c);
    fieldStarted = true;
    ++i;
  }
  endRecord();
  return records;
}

}  // namespace qv::cli
