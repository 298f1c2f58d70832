// The script of user actions that drives a scripted run.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::script {

enum class Verb {
  // What the program asks for.
  Dialog,
  Answer,
  File,
  Folder,
  // What the user does in the innermost modal dialog.
  Focus,
  Set,
  Select,
  Check,
  Uncheck,
  Click,
  Press,
  Key,
  Caret,
  Dump,
  Timer,
  Wait,
  SysCommand,
  Navigated,
  NavigateError,
  Screenshot,
  Screen,
};

struct Action {
  int line = 0;  // 1-based line of the script
  Verb verb = Verb::Dump;
  int id = 0;
  long long a = 0;      // select: index; caret: start; wait: ms; timer/syscommand: id
  long long b = 0;      // caret: end
  std::string text;     // dialog name, answer, path, text, key, url (escapes resolved in TEXT)
  bool cancel = false;  // file cancel, folder cancel
};

struct ParseError {
  int line;
  std::string message;
};

// The longest `wait` a script may ask for: one day of virtual time.
inline constexpr long long kLongestWaitMs = 86'400'000;
// The largest script file read.
inline constexpr std::size_t kLargestScriptBytes = 16 * 1024 * 1024;

// Resolves \n, \r, \t and \\ in a TEXT field.
std::string unescapeText(std::string_view text);

// Parses a whole script; the first malformed line is reported.
bool parseScript(std::string_view content, std::vector<Action>& actions, ParseError& error);

// The actions in order, consumed as the program does what they announce.
class Script {
 public:
  explicit Script(std::vector<Action> actions) : actions_(std::move(actions)) {}
  bool atEnd() const { return next_ >= actions_.size(); }
  const Action& peek() const { return actions_[next_]; }
  const Action& take() { return actions_[next_++]; }
  std::size_t remaining() const { return actions_.size() - next_; }

 private:
  std::vector<Action> actions_;
  std::size_t next_ = 0;
};

const char* verbName(Verb verb);

}  // namespace qv::ui::script
