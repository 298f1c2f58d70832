// The demo console's pages: pure functions from a path and a snapshot to a
// reply, so the content can be checked without sockets.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "tools/console-demo/console_state.h"

namespace qv::console {

inline constexpr std::string_view kStatusPage = "RecConsoleStatus.qvp";
inline constexpr std::string_view kAlertsPage = "RecConsoleErrors.qvp";
inline constexpr std::string_view kSystemSummaryPage = "ConsoleControl.qvp";
inline constexpr std::string_view kServerSummaryPage = "RecConsoleSummary.qvp";
// Server details live at an address without any console page name, so
// following a link there can be tried.
inline constexpr std::string_view kDetailsPath = "/details";

inline constexpr std::string_view kHtml = "text/html; charset=utf-8";

struct Reply {
  int status = 200;
  std::string contentType{kHtml};
  std::string body;
};

using QueryParams = std::multimap<std::string, std::string>;

// Answers a GET for `path` (decoded, beginning with '/'). While the snapshot
// carries a failure status, every page answers with it.
Reply answerPage(std::string_view path, const QueryParams& params, const ConsoleSnapshot& snapshot);

std::string_view reasonPhrase(int status);
std::string escapeHtml(std::string_view text);

}  // namespace qv::console
