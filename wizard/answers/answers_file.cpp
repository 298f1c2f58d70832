#include "wizard/answers/answers_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/regular_file.h"

namespace qv::wizard {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool isQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// The inside of a quoted value with its escapes undone; nullopt at an
// escape that is none of the five.
std::optional<std::string> unquoted(std::string_view inside, std::string& error) {
  std::string value;
  value.reserve(inside.size());
  for (std::size_t i = 0; i < inside.size(); ++i) {
    if (inside[i] != '\\') {
      value.push_back(inside[i]);
      continue;
    }
    const char next = i + 1 < inside.size() ? inside[i + 1] : '\0';
    switch (next) {
      case 'n':
        value.push_back('\n');
        break;
      case 'r':
        value.push_back('\r');
        break;
      case 't':
        value.push_back('\t');
        break;
      case '"':
      case '\\':
        value.push_back(next);
        break;
      default:
        error = "unknown escape in a quoted value (only \\n, \\r, \\t, \\\" and \\\\ are known)";
        return std::nullopt;
    }
    ++i;
  }
  return value;
}

std::optional<AnswerLine> parseSetting(std::string_view text, std::string& error) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    error = "no \"=\" between key and value";
    return std::nullopt;
  }
  AnswerLine answer;
  answer.key = std::string(trimmed(text.substr(0, equals)));
  if (answer.key.empty()) {
    error = "no key before \"=\"";
    return std::nullopt;
  }
  const std::string_view value = trimmed(text.substr(equals + 1));
  if (!isQuoted(value)) {
    answer.value = std::string(value);
    return answer;
  }
  std::optional<std::string> inside = unquoted(value.substr(1, value.size() - 2), error);
  if (!inside) return std::nullopt;
  answer.value = std::move(*inside);
  return answer;
}

}  // namespace

ParsedAnswers parseAnswers(std::string_view text) {
  ParsedAnswers parsed;
  std::int32_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') continue;
    std::string error;
    if (std::optional<AnswerLine> answer = parseSetting(content, error)) {
      answer->line = number;
      parsed.answers.push_back(std::move(*answer));
    } else {
      parsed.errors.push_back({number, std::move(error)});
    }
  }
  return parsed;
}

std::optional<AnswerLine> parseAnswerSetting(std::string_view setting, std::string& error) {
  return parseSetting(setting, error);
}

std::string writtenAnswerValue(std::string_view value) {
  const bool needsQuotes = (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))) ||
                           value.find_first_of("\r\n") != std::string_view::npos || isQuoted(value);
  if (!needsQuotes) return std::string(value);
  std::string written = "\"";
  for (char c : value) {
    switch (c) {
      case '\n':
        written += "\\n";
        break;
      case '\r':
        written += "\\r";
        break;
      case '\t':
        written += "\\t";
        break;
      case '"':
        written += "\\\"";
        break;
      case '\\':
        written += "\\\\";
        break;
      default:
        written.push_back(c);
        break;
    }
  }
  written.push_back('"');
  return written;
}

std::string answerLineText(std::string_view key, std::string_view value) {
  std::string line(key);
  line += " = ";
  line += writtenAnswerValue(value);
  line.push_back('\n');
  return line;
}

bool writePrivateFile(const std::string& path, std::string_view text) {
  const int fd = os::openRegularFile(path, O_WRONLY | O_CREAT, 0600);
  if (fd < 0) return false;
  // The mode of open(2) counts only for a new file; an old one is made
  // private before what it held is replaced.
  bool ok = ::fchmod(fd, 0600) == 0 && ::ftruncate(fd, 0) == 0;
  while (ok && !text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace qv::wizard
