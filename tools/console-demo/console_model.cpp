#include "tools/console-demo/console_model.h"

#include <array>

#include "platform/base/text.h"

namespace qv::console {
namespace {

struct Reading {
  CheckState state;
  std::string value;
};

struct CheckDefinition {
  std::string_view server;
  std::string_view name;
  Reading (*read)(std::uint64_t n);
};

int cycle(std::uint64_t n, std::uint64_t step, std::uint64_t period) {
  return static_cast<int>((n * step) % period);
}

Reading ping(std::uint64_t n) {
  return {CheckState::Ok, formatText("%d ms", 1 + cycle(n, 1, 4))};
}
Reading running(std::uint64_t) {
  return {CheckState::Ok, "Running"};
}
Reading systemDisk(std::uint64_t n) {
  return {CheckState::Ok, formatText("%d%% free", 41 - cycle(n, 1, 3))};
}
Reading dataDisk(std::uint64_t n) {
  const int free = 12 + cycle(n, 5, 11);
  return {free < 15 ? CheckState::Warning : CheckState::Ok, formatText("%d%% free", free)};
}
Reading databaseCpu(std::uint64_t n) {
  const int load = 20 + cycle(n, 13, 50);
  return {load >= 65 ? CheckState::Warning : CheckState::Ok, formatText("%d%%", load)};
}
// Fails on every fourth request, so the status page visibly flips.
Reading httpResponse(std::uint64_t n) {
  if (n % 4 == 0) return {CheckState::Error, "HTTP 503 Service Unavailable"};
  return {CheckState::Ok, formatText("200 OK in %d ms", 80 + cycle(n, 7, 90))};
}
Reading webCpu(std::uint64_t n) {
  const int load = 35 + cycle(n, 17, 60);
  const CheckState state =
      load >= 90 ? CheckState::Error : (load >= 75 ? CheckState::Warning : CheckState::Ok);
  return {state, formatText("%d%%", load)};
}
Reading applicationLog(std::uint64_t n) {
  if (n % 5 == 2) return {CheckState::Warning, formatText("%d new errors", 1 + cycle(n, 1, 3))};
  return {CheckState::Ok, "No new errors"};
}
Reading smtpBanner(std::uint64_t) {
  return {CheckState::Ok, "220 ready"};
}
Reading mailQueue(std::uint64_t n) {
  const int queued = cycle(n, 3, 11);
  return {queued > 6 ? CheckState::Warning : CheckState::Ok, formatText("%d messages", queued)};
}

constexpr std::array<MonitoredServer, 4> kServers{{
    {"QV-DC01", "Domain controller"},
    {"QV-SQL01", "Database server"},
    {"QV-WEB01", "Web server"},
    {"QV-MAIL01", "Mail server"},
}};

constexpr std::array<CheckDefinition, 11> kChecks{{
    {"QV-DC01", "Ping response", ping},
    {"QV-DC01", "NETLOGON service", running},
    {"QV-DC01", "Disk space C:", systemDisk},
    {"QV-SQL01", "SQL Server service", running},
    {"QV-SQL01", "Disk space D:", dataDisk},
    {"QV-SQL01", "CPU load", databaseCpu},
    {"QV-WEB01", "HTTP response", httpResponse},
    {"QV-WEB01", "CPU load", webCpu},
    {"QV-WEB01", "Event log: Application", applicationLog},
    {"QV-MAIL01", "SMTP port 25", smtpBanner},
    {"QV-MAIL01", "Mail queue length", mailQueue},
}};

constexpr std::uint64_t kFirstAlertId = 1040;
constexpr int kAlertsShown = 8;

std::uint64_t latestAlertId(const ConsoleSnapshot& snapshot) {
  return kFirstAlertId + snapshot.requestNumber / 2;
}

}  // namespace

std::string_view stateName(CheckState state) {
  switch (state) {
    case CheckState::Ok:
      return "OK";
    case CheckState::Warning:
      return "Warning";
    case CheckState::Error:
      return "Error";
  }
  return "Unknown";
}

std::span<const MonitoredServer> monitoredServers() {
  return kServers;
}

const MonitoredServer* findServer(std::string_view name) {
  for (const auto& server : kServers) {
    if (server.name == name) return &server;
  }
  return nullptr;
}

std::vector<CheckRow> currentChecks(const ConsoleSnapshot& snapshot) {
  std::vector<CheckRow> rows;
  rows.reserve(kChecks.size());
  for (std::size_t i = 0; i < kChecks.size(); ++i) {
    const auto& definition = kChecks[i];
    Reading reading = definition.read(snapshot.requestNumber);
    const auto age = static_cast<std::int64_t>((i * 13 + snapshot.requestNumber * 7) % 60);
    rows.push_back({std::string(definition.server), std::string(definition.name), reading.state,
                    std::move(reading.value), snapshot.now - age});
  }
  return rows;
}

std::vector<AlertRow> recentAlerts(const ConsoleSnapshot& snapshot) {
  std::vector<AlertRow> alerts;
  const std::uint64_t latest = latestAlertId(snapshot);
  for (int i = 0; i < kAlertsShown; ++i) {
    const std::uint64_t id = latest - static_cast<std::uint64_t>(i);
    const auto& definition = kChecks[(id * 7) % kChecks.size()];
    const CheckState severity = id % 3 == 0 ? CheckState::Error : CheckState::Warning;
    AlertRow alert;
    alert.id = id;
    alert.triggeredAt = snapshot.now - 45 - static_cast<std::int64_t>(i) * 540 -
                        static_cast<std::int64_t>(id % 5) * 60;
    alert.server = std::string(definition.server);
    alert.check = std::string(definition.name);
    alert.severity = severity;
    alert.message = formatText("%s on %s reported %s", alert.check.c_str(), alert.server.c_str(),
                               severity == CheckState::Error ? "an error" : "a warning");
    alerts.push_back(std::move(alert));
  }
  return alerts;
}

CheckCounts countChecks(const std::vector<CheckRow>& checks, std::string_view server) {
  CheckCounts counts;
  for (const auto& row : checks) {
    if (!server.empty() && row.server != server) continue;
    switch (row.state) {
      case CheckState::Ok:
        ++counts.ok;
        break;
      case CheckState::Warning:
        ++counts.warning;
        break;
      case CheckState::Error:
        ++counts.error;
        break;
    }
  }
  return counts;
}

int alertsToday(const ConsoleSnapshot& snapshot) {
  return 3 + static_cast<int>(snapshot.requestNumber / 2 % 1000);
}

std::int64_t serviceUptimeSeconds(const ConsoleSnapshot& snapshot) {
  constexpr std::int64_t kRunningBeforeDemo = 3 * 86400 + 4 * 3600;
  const std::int64_t sinceStart =
      snapshot.now > snapshot.startedAt ? snapshot.now - snapshot.startedAt : 0;
  return kRunningBeforeDemo + sinceStart;
}

std::uint64_t checksRunSinceStart(const ConsoleSnapshot& snapshot) {
  return (snapshot.requestNumber + 120) * kChecks.size();
}

}  // namespace qv::console
