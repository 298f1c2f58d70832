// The console browser's command line on any bytes: the fields keep their
// buffer's capacity and hold no delimiter.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "browser/console_connection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::browser;
  ConsoleConnection connection;
  readCommandLine(connection, std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string* field : {&connection.server, &connection.page}) {
    if (field->size() >= kTextCapacity) std::abort();
    if (field->find_first_of(",\n") != std::string::npos) std::abort();
  }
  if (consoleAddress(connection.server, connection.port).size() >= kTextCapacity) std::abort();
  return 0;
}
