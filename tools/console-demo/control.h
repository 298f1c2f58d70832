// Commands that switch the demo console between answering, failing and
// stopping; the same commands come over HTTP, stdin and signals.
#pragma once

#include <optional>
#include <string_view>

namespace qv::console {

inline constexpr int kDefaultFailStatus = 500;

enum class ControlAction { Fail, Recover, Stop };

struct ControlCommand {
  ControlAction action = ControlAction::Recover;
  int status = 0;  // for Fail
};

// An error status (400 to 599); empty text means kDefaultFailStatus.
std::optional<int> parseFailStatus(std::string_view text);

// One line typed on stdin: "fail [STATUS]", "recover", "stop" or "quit".
std::optional<ControlCommand> parseControlLine(std::string_view line);

}  // namespace qv::console
