#include "wizard/shell/command_line.h"

#include <algorithm>

#include "platform/base/text.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {

std::string targetFromArguments(const std::vector<std::string>& args) {
  if (args.empty()) return {};
  const std::string& first = args.front();
  const std::size_t start = first.find_first_not_of(" \t");
  if (start == std::string::npos) return {};
  return cutToCapacity(std::string_view(first).substr(start), cap::kPath);
}

std::optional<std::string> takeSaveAnswersOption(std::vector<std::string>& args) {
  if (args.empty() || args.front() != kSaveAnswersOption) return std::nullopt;
  std::string path = args.size() > 1 ? args[1] : std::string();
  args.erase(args.begin(), args.begin() + std::min<std::ptrdiff_t>(2, args.size()));
  return path;
}

void removeQuotes(std::string& path) {
  std::erase(path, '"');
}

}  // namespace qv::wizard
