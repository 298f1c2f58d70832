#include "tools/console-demo/request_log.h"

#include "platform/base/text.h"

namespace qv::console {
namespace {

void appendEscaped(std::string& out, std::string_view text, bool quoted) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) {
      out += formatText("\\x%02x", byte);
    } else if (quoted && (c == '"' || c == '\\')) {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
}

}  // namespace

std::string formatLogLine(std::string_view method, std::string_view target, int status,
                          std::optional<std::string_view> referer) {
  std::string line;
  appendEscaped(line, method, false);
  line += ' ';
  appendEscaped(line, target, false);
  line += formatText(" %d ", status);
  if (referer) {
    line += '"';
    appendEscaped(line, *referer, true);
    line += '"';
  } else {
    line += '-';
  }
  return line;
}

RequestLog::RequestLog(std::ostream* sink, std::size_t linesKept)
    : sink_(sink), linesKept_(linesKept) {}

void RequestLog::record(std::string_view method, std::string_view target, int status,
                        std::optional<std::string_view> referer) {
  std::string line = formatLogLine(method, target, status, referer);
  const std::lock_guard lock(mutex_);
  if (sink_ != nullptr) *sink_ << line << std::endl;
  lines_.push_back(std::move(line));
  while (lines_.size() > linesKept_) lines_.pop_front();
}

std::string RequestLog::text() const {
  const std::lock_guard lock(mutex_);
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += '\n';
  }
  return out;
}

}  // namespace qv::console
