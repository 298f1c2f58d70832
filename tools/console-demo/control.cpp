#include "tools/console-demo/control.h"

#include <charconv>

namespace qv::console {
namespace {

std::string_view trim(std::string_view text) {
  constexpr std::string_view kSpace = " \t\r\n";
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kSpace);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<int> parseFailStatus(std::string_view text) {
  text = trim(text);
  if (text.empty()) return kDefaultFailStatus;
  int status = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), status);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (status < 400 || status > 599) return std::nullopt;
  return status;
}

std::optional<ControlCommand> parseControlLine(std::string_view line) {
  line = trim(line);
  const auto space = line.find_first_of(" \t");
  const std::string_view word = line.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? "" : line.substr(space);
  if (word == "fail") {
    const auto status = parseFailStatus(rest);
    if (!status) return std::nullopt;
    return ControlCommand{ControlAction::Fail, *status};
  }
  if (!trim(rest).empty()) return std::nullopt;
  if (word == "recover") return ControlCommand{ControlAction::Recover, 0};
  if (word == "stop" || word == "quit") return ControlCommand{ControlAction::Stop, 0};
  return std::nullopt;
}

}  // namespace qv::console
