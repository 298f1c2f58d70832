// What the demo console reports: monitored servers, their checks and the
// alerts they raised. Every value is derived from a snapshot (request number
// and clock), so refreshing a page shows a difference.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/console-demo/console_state.h"

namespace qv::console {

enum class CheckState { Ok, Warning, Error };

std::string_view stateName(CheckState state);

struct MonitoredServer {
  std::string_view name;
  std::string_view role;
};

struct CheckRow {
  std::string server;
  std::string check;
  CheckState state = CheckState::Ok;
  std::string value;
  std::int64_t lastCheck = 0;  // seconds since the epoch
};

struct AlertRow {
  std::uint64_t id = 0;
  std::int64_t triggeredAt = 0;  // seconds since the epoch
  std::string server;
  std::string check;
  CheckState severity = CheckState::Warning;
  std::string message;
};

struct CheckCounts {
  int ok = 0;
  int warning = 0;
  int error = 0;
};

std::span<const MonitoredServer> monitoredServers();
const MonitoredServer* findServer(std::string_view name);

// Every check of every server, in server order.
std::vector<CheckRow> currentChecks(const ConsoleSnapshot& snapshot);
// The most recent alerts, newest first.
std::vector<AlertRow> recentAlerts(const ConsoleSnapshot& snapshot);
CheckCounts countChecks(const std::vector<CheckRow>& checks, std::string_view server = {});

int alertsToday(const ConsoleSnapshot& snapshot);
// The monitoring service has been running for a while before the demo started.
std::int64_t serviceUptimeSeconds(const ConsoleSnapshot& snapshot);
std::uint64_t checksRunSinceStart(const ConsoleSnapshot& snapshot);

}  // namespace qv::console
