// One line per request: method, target, status and the Referer header as
// received ("-" when absent). Kept in memory for /_control/log and written to
// a sink as it happens.
#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace qv::console {

// The referer is quoted so that an empty value, spaces and quotes stay
// unambiguous; control bytes are escaped so a request cannot forge log lines
// or send terminal escapes.
std::string formatLogLine(std::string_view method, std::string_view target, int status,
                          std::optional<std::string_view> referer);

class RequestLog {
 public:
  // `sink` may be null; it must outlive the log.
  explicit RequestLog(std::ostream* sink, std::size_t linesKept = 1000);

  void record(std::string_view method, std::string_view target, int status,
              std::optional<std::string_view> referer);

  // The kept lines, oldest first, each ending with a newline.
  std::string text() const;

 private:
  mutable std::mutex mutex_;
  std::ostream* sink_;
  std::size_t linesKept_;
  std::deque<std::string> lines_;
};

}  // namespace qv::console
