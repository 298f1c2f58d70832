// The automation script reader on any bytes: it parses or names the line it
// refuses, and what it accepts stays within the documented bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/ui/script/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qv::ui::script;
  std::vector<Action> actions;
  ParseError error{};
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  if (!parseScript(content, actions, error)) {
    if (error.line < 1 || error.message.empty()) std::abort();
    return 0;
  }
  for (const Action& a : actions) {
    if (a.line < 1) std::abort();
    if (a.verb == Verb::Wait && (a.a < 0 || a.a > kLongestWaitMs)) std::abort();
    if ((a.verb == Verb::Timer || a.verb == Verb::SysCommand) && a.id != a.a) std::abort();
  }
  return 0;
}
