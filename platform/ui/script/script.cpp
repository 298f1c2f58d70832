#include "platform/ui/script/script.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace qv::ui::script {
namespace {

struct VerbInfo {
  std::string_view name;
  Verb verb;
};

constexpr VerbInfo kVerbs[] = {
    {"dialog", Verb::Dialog},
    {"answer", Verb::Answer},
    {"file", Verb::File},
    {"folder", Verb::Folder},
    {"focus", Verb::Focus},
    {"set", Verb::Set},
    {"select", Verb::Select},
    {"check", Verb::Check},
    {"uncheck", Verb::Uncheck},
    {"click", Verb::Click},
    {"press", Verb::Press},
    {"key", Verb::Key},
    {"caret", Verb::Caret},
    {"dump", Verb::Dump},
    {"timer", Verb::Timer},
    {"wait", Verb::Wait},
    {"syscommand", Verb::SysCommand},
    {"navigated", Verb::Navigated},
    {"navigate-error", Verb::NavigateError},
    {"screenshot", Verb::Screenshot},
    {"screen", Verb::Screen},
};

// Splits off the next field (up to one blank); the rest follows the blank.
std::string_view nextField(std::string_view& rest) {
  const std::size_t blank = rest.find(' ');
  std::string_view field = rest.substr(0, blank);
  rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  return field;
}

bool toNumber(std::string_view field, long long& value) {
  if (field.empty() || field.size() > 18) return false;
  std::size_t i = field[0] == '-' ? 1 : 0;
  if (i == field.size()) return false;
  value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return false;
    value = value * 10 + (field[i] - '0');
  }
  if (field[0] == '-') value = -value;
  return true;
}

bool parseLine(std::string_view line, Action& action, std::string& message) {
  std::string_view rest = line;
  const std::string_view word = nextField(rest);
  bool known = false;
  for (const VerbInfo& v : kVerbs) {
    if (v.name == word) {
      action.verb = v.verb;
      known = true;
    }
  }
  if (!known) {
    message = "unknown action \"" + std::string(word) + "\"";
    return false;
  }
  auto needId = [&]() {
    long long id;
    if (!toNumber(nextField(rest), id) || id < 0 || id > 65535) {
      message = std::string(word) + " needs a control id";
      return false;
    }
    action.id = static_cast<int>(id);
    return true;
  };
  auto needNoMore = [&]() {
    if (!rest.empty()) {
      message = "unexpected text after " + std::string(word);
      return false;
    }
    return true;
  };
  switch (action.verb) {
    case Verb::Dialog:
      action.text = std::string(rest);
      if (action.text.empty()) message = "dialog needs a name";
      return !action.text.empty();
    case Verb::Answer:
      action.text = std::string(rest);
      if (action.text != "ok" && action.text != "yes" && action.text != "no" &&
          action.text != "cancel") {
        message = "answer must be ok, yes, no or cancel";
        return false;
      }
      return true;
    case Verb::File:
    case Verb::Folder:
      if (rest.empty()) {
        message = std::string(word) + " needs a path or cancel";
        return false;
      }
      action.cancel = rest == "cancel";
      action.text = std::string(rest);
      return true;
    case Verb::Focus:
    case Verb::Check:
    case Verb::Uncheck:
    case Verb::Click:
      return needId() && needNoMore();
    case Verb::Set:
      if (!needId()) return false;
      action.text = unescapeText(rest);
      return true;
    case Verb::Select:
      if (!needId()) return false;
      if (!toNumber(nextField(rest), action.a) || action.a < -1) {
        message = "select needs an index";
        return false;
      }
      return needNoMore();
    case Verb::Press:
      action.text = unescapeText(rest);
      if (action.text.empty()) message = "press needs a text";
      return !action.text.empty();
    case Verb::Key:
      action.text = std::string(rest);
      if (action.text != "enter" && action.text != "escape") {
        message = "key must be enter or escape";
        return false;
      }
      return true;
    case Verb::Caret: {
      if (!needId()) return false;
      if (!toNumber(nextField(rest), action.a) || action.a < 0) {
        message = "caret needs a start";
        return false;
      }
      action.b = action.a;
      if (!rest.empty() && (!toNumber(nextField(rest), action.b) || action.b < action.a)) {
        message = "caret end must be a number not below the start";
        return false;
      }
      return needNoMore();
    }
    case Verb::Dump:
    case Verb::NavigateError:
      return needNoMore();
    case Verb::Timer:
    case Verb::SysCommand:
    case Verb::Wait:
      if (!toNumber(nextField(rest), action.a) || action.a < 0) {
        message = std::string(word) + " needs a number";
        return false;
      }
      // Longer waits would only stand for a script that hangs; ids are ints.
      if (action.verb == Verb::Wait ? action.a > kLongestWaitMs : action.a > INT_MAX) {
        message = action.verb == Verb::Wait ? "wait takes at most 86400000 ms (one day)"
                                            : std::string(word) + " number out of range";
        return false;
      }
      action.id = static_cast<int>(action.a);
      return needNoMore();
    case Verb::Navigated:
    case Verb::Screenshot:
    case Verb::Screen:
      action.text = std::string(rest);
      if (action.text.empty()) message = std::string(word) + " needs an argument";
      return !action.text.empty();
  }
  return false;
}

}  // namespace

std::string unescapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char n = text[i + 1];
      const char mapped = n == 'n'    ? '\n'
                          : n == 'r'  ? '\r'
                          : n == 't'  ? '\t'
                          : n == '\\' ? '\\'
                                      : 0;
      if (mapped) {
        out += mapped;
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

bool parseScript(std::string_view content, std::vector<Action>& actions, ParseError& error) {
  int number = 0;
  while (!content.empty()) {
    ++number;
    const std::size_t lf = content.find('\n');
    std::string_view line = content.substr(0, lf);
    content = lf == std::string_view::npos ? std::string_view() : content.substr(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    Action action;
    action.line = number;
    std::string message;
    if (!parseLine(line, action, message)) {
      error = {number, message};
      return false;
    }
    actions.push_back(std::move(action));
  }
  return true;
}

const char* verbName(Verb verb) {
  for (const VerbInfo& v : kVerbs) {
    if (v.verb == verb) return v.name.data();
  }
  return "?";
}

}  // namespace qv::ui::script
