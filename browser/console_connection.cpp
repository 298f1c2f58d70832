#include "browser/console_connection.h"

#include <vector>

#include "platform/base/text.h"

namespace qv::browser {
namespace {

std::vector<std::string_view> splitFields(std::string_view text, std::string_view delimiters,
                                          std::size_t wanted) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (fields.size() < wanted) {
    pos = text.find_first_not_of(delimiters, pos);
    if (pos == std::string_view::npos) break;
    const std::size_t end = text.find_first_of(delimiters, pos);
    fields.push_back(text.substr(pos, end == std::string_view::npos ? end : end - pos));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return fields;
}

}  // namespace

void readCommandLine(ConsoleConnection& connection, std::string_view tail) {
  const std::string copy = cutToCapacity(tail, kTextCapacity);
  const std::vector<std::string_view> fields = splitFields(copy, ",\n", 3);
  if (fields.size() > 0) connection.server = std::string(fields[0]);
  if (fields.size() > 1) connection.port = atolText(fields[1]);
  if (fields.size() > 2) connection.page = std::string(fields[2]);
}

std::string consoleAddress(std::string_view server, std::int32_t port) {
  return cutToCapacity(
      formatText("http://%s:%ld", std::string(server).c_str(), static_cast<long>(port)),
      kTextCapacity);
}

}  // namespace qv::browser
