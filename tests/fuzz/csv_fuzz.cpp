// qvscript's CSV reader on any bytes: it never crashes, and what it reads
// is written back by the quoting rules and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/csv_reader.h"

namespace {

std::string quoted(const std::string& field) {
  std::string text = "\"";
  for (char c : field) {
    if (c == '"') text.push_back('"');
    text.push_back(c);
  }
  return text + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::cli;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CsvError error;
  const auto records = parseCsv(text, error);
  if (!records) {
    if (error.line == 0 || error.message.empty()) std::abort();
    return 0;
  }
  std::string written;
  for (const CsvRecord& record : *records) {
    if (record.empty()) std::abort();
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (i > 0) written.push_back(',');
      written += quoted(record[i]);
    }
    written += "\r\n";
  }
  CsvError again;
  const auto reread = parseCsv(written, again);
  if (!reread || *reread != *records) std::abort();
  return 0;
}
