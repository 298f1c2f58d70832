#include "tools/console-demo/console_pages.h"

#include <ctime>

#include "platform/base/text.h"
#include "tools/console-demo/console_model.h"

namespace qv::console {
namespace {

std::string clockText(std::int64_t seconds) {
  const auto t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
  return buffer;
}

std::string durationText(std::int64_t seconds) {
  const std::int64_t days = seconds / 86400;
  const std::int64_t rest = seconds % 86400;
  return formatText("%lld day%s %02lld:%02lld:%02lld", static_cast<long long>(days),
                    days == 1 ? "" : "s", static_cast<long long>(rest / 3600),
                    static_cast<long long>(rest % 3600 / 60), static_cast<long long>(rest % 60));
}

std::string stateCell(CheckState state) {
  const char* css =
      state == CheckState::Ok ? "ok" : (state == CheckState::Warning ? "warn" : "err");
  return formatText("<td class=\"%s\">%s</td>", css, std::string(stateName(state)).c_str());
}

std::string detailsLink(std::string_view server) {
  const std::string name = escapeHtml(server);
  return formatText("<a href=\"details?server=%s\">%s</a>", name.c_str(), name.c_str());
}

std::string layout(std::string_view title, const std::string& content,
                   const ConsoleSnapshot& snapshot) {
  const std::string heading = escapeHtml(title);
  std::string html;
  html += "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + heading +
          "</title>\n<style>body{font-family:sans-serif;font-size:10pt}"
          "table{border-collapse:collapse}td,th{border:1px solid #999;padding:2px 6px}"
          ".ok{color:#060}.warn{color:#a60}.err{color:#c00;font-weight:bold}</style>"
          "</head><body>\n";
  html +=
      "<p class=\"nav\"><a href=\"RecConsoleStatus.qvp\">Status</a> | "
      "<a href=\"RecConsoleErrors.qvp\">Alerts</a> | "
      "<a href=\"ConsoleControl.qvp\">System summary</a> | "
      "<a href=\"RecConsoleSummary.qvp\">Server summary</a> | "
      "<a href=\"./\">Other web reports</a></p>\n";
  html += "<h1>" + heading + "</h1>\n";
  html += content;
  html += formatText("<p class=\"footer\">Generated %s, request %llu.</p>\n</body></html>\n",
                     clockText(snapshot.now).c_str(),
                     static_cast<unsigned long long>(snapshot.requestNumber));
  return html;
}

Reply htmlReply(int status, std::string_view title, const std::string& content,
                const ConsoleSnapshot& snapshot) {
  return {status, std::string(kHtml), layout(title, content, snapshot)};
}

Reply statusPage(const ConsoleSnapshot& snapshot) {
  std::string table =
      "<table>\n<tr><th>Server</th><th>Check</th><th>State</th><th>Value</th>"
      "<th>Last check</th></tr>\n";
  for (const auto& row : currentChecks(snapshot)) {
    table += "<tr><td>" + detailsLink(row.server) + "</td><td>" + escapeHtml(row.check) + "</td>" +
             stateCell(row.state) + "<td>" + escapeHtml(row.value) + "</td><td>" +
             clockText(row.lastCheck) + "</td></tr>\n";
  }
  table += "</table>\n";
  return htmlReply(200, "Current Monitoring Status", table, snapshot);
}

Reply alertsPage(const ConsoleSnapshot& snapshot) {
  std::string table =
      "<table>\n<tr><th>Alert</th><th>Triggered</th><th>Server</th><th>Check</th>"
      "<th>Severity</th><th>Message</th></tr>\n";
  for (const auto& alert : recentAlerts(snapshot)) {
    table += formatText("<tr><td>%llu</td><td>", static_cast<unsigned long long>(alert.id)) +
             clockText(alert.triggeredAt) + "</td><td>" + detailsLink(alert.server) + "</td><td>" +
             escapeHtml(alert.check) + "</td>" + stateCell(alert.severity) + "<td>" +
             escapeHtml(alert.message) + "</td></tr>\n";
  }
  table += "</table>\n";
  return htmlReply(200, "Recently Triggered Alerts", table, snapshot);
}

Reply systemSummaryPage(const ConsoleSnapshot& snapshot) {
  const auto checks = currentChecks(snapshot);
  const CheckCounts counts = countChecks(checks);
  std::string table = "<table>\n";
  table += "<tr><th>Monitoring service</th><td>Running</td></tr>\n";
  table += "<tr><th>Service uptime</th><td>" + durationText(serviceUptimeSeconds(snapshot)) +
           "</td></tr>\n";
  table += formatText("<tr><th>Servers monitored</th><td>%zu:", monitoredServers().size());
  for (const auto& server : monitoredServers()) table += " " + detailsLink(server.name);
  table += "</td></tr>\n";
  table += formatText("<tr><th>Checks configured</th><td>%zu</td></tr>\n", checks.size());
  table += formatText("<tr><th>Checks run since start</th><td>%llu</td></tr>\n",
                      static_cast<unsigned long long>(checksRunSinceStart(snapshot)));
  table += formatText("<tr><th>Checks OK / warning / error</th><td>%d / %d / %d</td></tr>\n",
                      counts.ok, counts.warning, counts.error);
  table += formatText("<tr><th>Alerts today</th><td>%d</td></tr>\n", alertsToday(snapshot));
  table += "</table>\n";
  return htmlReply(200, "Quorvel Monitor System Summary", table, snapshot);
}

Reply serverSummaryPage(const ConsoleSnapshot& snapshot) {
  const auto checks = currentChecks(snapshot);
  std::string table =
      "<table>\n<tr><th>Server</th><th>Role</th><th>OK</th><th>Warning</th><th>Error</th>"
      "<th>Overall</th></tr>\n";
  for (const auto& server : monitoredServers()) {
    const CheckCounts counts = countChecks(checks, server.name);
    const CheckState overall = counts.error > 0     ? CheckState::Error
                               : counts.warning > 0 ? CheckState::Warning
                                                    : CheckState::Ok;
    table += "<tr><td>" + detailsLink(server.name) + "</td><td>" + escapeHtml(server.role) +
             formatText("</td><td>%d</td><td>%d</td><td>%d</td>", counts.ok, counts.warning,
                        counts.error) +
             stateCell(overall) + "</tr>\n";
  }
  table += "</table>\n";
  return htmlReply(200, "Quorvel Monitor Summary", table, snapshot);
}

Reply reportsIndex(const ConsoleSnapshot& snapshot) {
  std::string list = "<ul>\n";
  list += "<li><a href=\"RecConsoleStatus.qvp\">Current Monitoring Status</a></li>\n";
  list += "<li><a href=\"RecConsoleErrors.qvp\">Recently Triggered Alerts</a></li>\n";
  list += "<li><a href=\"ConsoleControl.qvp\">Quorvel Monitor System Summary</a></li>\n";
  list += "<li><a href=\"RecConsoleSummary.qvp\">Quorvel Monitor Summary</a></li>\n";
  for (const auto& server : monitoredServers()) {
    list += "<li>Server details: " + detailsLink(server.name) + "</li>\n";
  }
  list += "</ul>\n";
  return htmlReply(200, "Quorvel Web Reports", list, snapshot);
}

Reply errorPage(int status, std::string_view explanation, const ConsoleSnapshot& snapshot) {
  const std::string title = formatText("%d %s", status, std::string(reasonPhrase(status)).c_str());
  return htmlReply(status, title, "<p>" + escapeHtml(explanation) + "</p>\n", snapshot);
}

Reply detailsPage(const QueryParams& params, const ConsoleSnapshot& snapshot) {
  const auto param = params.find("server");
  const MonitoredServer* server = param == params.end() ? nullptr : findServer(param->second);
  if (server == nullptr) return errorPage(404, "No monitored server of that name.", snapshot);

  std::string content = "<p>Role: " + escapeHtml(server->role) + "</p>\n";
  content += "<table>\n<tr><th>Check</th><th>State</th><th>Value</th><th>Last check</th></tr>\n";
  for (const auto& row : currentChecks(snapshot)) {
    if (row.server != server->name) continue;
    content += "<tr><td>" + escapeHtml(row.check) + "</td>" + stateCell(row.state) + "<td>" +
               escapeHtml(row.value) + "</td><td>" + clockText(row.lastCheck) + "</td></tr>\n";
  }
  content += "</table>\n";
  return htmlReply(200, "Server details: " + std::string(server->name), content, snapshot);
}

}  // namespace

Reply answerPage(std::string_view path, const QueryParams& params,
                 const ConsoleSnapshot& snapshot) {
  if (snapshot.failStatus != 0) {
    return errorPage(snapshot.failStatus, "The monitoring server is not answering.", snapshot);
  }
  if (path == "/") return reportsIndex(snapshot);
  if (path == kDetailsPath) return detailsPage(params, snapshot);
  if (path.starts_with('/')) {
    const std::string_view page = path.substr(1);
    if (page == kStatusPage) return statusPage(snapshot);
    if (page == kAlertsPage) return alertsPage(snapshot);
    if (page == kSystemSummaryPage) return systemSummaryPage(snapshot);
    if (page == kServerSummaryPage) return serverSummaryPage(snapshot);
  }
  return errorPage(404, "The console has no page at this address.", snapshot);
}

std::string_view reasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 401:
      return "Unauthorized";
    case 403:
      return "Forbidden";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 408:
      return "Request Timeout";
    case 429:
      return "Too Many Requests";
    case 500:
      return "Internal Server Error";
    case 501:
      return "Not Implemented";
    case 502:
      return "Bad Gateway";
    case 503:
      return "Service Unavailable";
    case 504:
      return "Gateway Timeout";
    default:
      return status >= 500 ? "Server Error" : (status >= 400 ? "Client Error" : "Status");
  }
}

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace qv::console
