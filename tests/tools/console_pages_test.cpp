#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tools/console-demo/console_model.h"
#include "tools/console-demo/console_pages.h"

namespace qv::console {
namespace {

ConsoleSnapshot snapshotAt(std::uint64_t request) {
  ConsoleSnapshot snapshot;
  snapshot.requestNumber = request;
  snapshot.startedAt = 1'700'000'000;
  snapshot.now = snapshot.startedAt + 100 + static_cast<std::int64_t>(request);
  return snapshot;
}

Reply get(std::string_view pathAndQuery, const ConsoleSnapshot& snapshot) {
  const auto q = pathAndQuery.find('?');
  QueryParams params;
  if (q != std::string_view::npos) {
    const std::string query(pathAndQuery.substr(q + 1));
    const auto eq = query.find('=');
    params.emplace(query.substr(0, eq), eq == std::string::npos ? "" : query.substr(eq + 1));
  }
  return answerPage(pathAndQuery.substr(0, q), params, snapshot);
}

std::vector<std::string> links(const std::string& html) {
  static const std::regex kHref("href=\"([^\"]*)\"");
  std::vector<std::string> found;
  for (std::sregex_iterator it(html.begin(), html.end(), kHref), end; it != end; ++it) {
    found.push_back((*it)[1]);
  }
  return found;
}

struct PageCase {
  const char* path;
  const char* title;
};

const PageCase kPages[] = {
    {"/RecConsoleStatus.qvp", "Current Monitoring Status"},
    {"/RecConsoleErrors.qvp", "Recently Triggered Alerts"},
    {"/ConsoleControl.qvp", "Quorvel Monitor System Summary"},
    {"/RecConsoleSummary.qvp", "Quorvel Monitor Summary"},
    {"/", "Quorvel Web Reports"},
    {"/details?server=QV-WEB01", "Server details: QV-WEB01"},
};

TEST(consolePages, EveryPageIsHtmlWithItsTitleAndLinksToAllConsolePages) {
  const auto snapshot = snapshotAt(3);
  for (const auto& page : kPages) {
    SCOPED_TRACE(page.path);
    const Reply reply = get(page.path, snapshot);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.contentType.rfind("text/html", 0), 0u);
    EXPECT_NE(reply.body.find(std::string("<title>") + page.title + "</title>"), std::string::npos);
    const auto found = links(reply.body);
    const std::set<std::string> set(found.begin(), found.end());
    for (const char* target : {"RecConsoleStatus.qvp", "RecConsoleErrors.qvp", "ConsoleControl.qvp",
                               "RecConsoleSummary.qvp"}) {
      EXPECT_TRUE(set.count(target)) << target;
    }
  }
}

// Following any link in the console must land on a page, and at least one
// link must lead to an address without a console page name.
TEST(consolePages, EveryLinkLeadsToAPageAndSomeLeaveTheConsolePageNames) {
  const auto snapshot = snapshotAt(5);
  bool leavesPageNames = false;
  for (const auto& page : kPages) {
    for (const auto& link : links(get(page.path, snapshot).body)) {
      SCOPED_TRACE(std::string(page.path) + " -> " + link);
      ASSERT_FALSE(link.empty());
      ASSERT_NE(link[0], '/') << "links are relative";
      const std::string absolute = link == "./" ? "/" : "/" + link;
      EXPECT_EQ(get(absolute, snapshot).status, 200);
      if (link.find(".qvp") == std::string::npos && link != "./") leavesPageNames = true;
    }
  }
  EXPECT_TRUE(leavesPageNames);
}

TEST(consolePages, UnknownAddressesAnswerNotFound) {
  const auto snapshot = snapshotAt(1);
  for (const char* path : {"/Nothing.qvp", "/recconsolestatus.qvp", "/RecConsoleStatus.qvp/x",
                           "/RecConsoleStatus", "//RecConsoleStatus.qvp", "/details",
                           "/details?server=NOPE", "/details?server=<b>QV-DC01</b>", ""}) {
    SCOPED_TRACE(path);
    const Reply reply = get(path, snapshot);
    EXPECT_EQ(reply.status, 404);
    EXPECT_NE(reply.body.find("404 Not Found"), std::string::npos);
    EXPECT_EQ(reply.body.find("<b>"), std::string::npos);
  }
}

TEST(consolePages, AFailureStatusIsAnsweredByEveryPage) {
  for (const int status : {500, 503, 404}) {
    auto snapshot = snapshotAt(2);
    snapshot.failStatus = status;
    for (const auto& page : kPages) {
      SCOPED_TRACE(std::string(page.path) + " " + std::to_string(status));
      const Reply reply = get(page.path, snapshot);
      EXPECT_EQ(reply.status, status);
      EXPECT_NE(reply.body.find(std::to_string(status) + " " + std::string(reasonPhrase(status))),
                std::string::npos);
    }
  }
}

TEST(consolePages, ContentChangesFromOneRequestToTheNext) {
  for (const auto& page : kPages) {
    SCOPED_TRACE(page.path);
    EXPECT_NE(get(page.path, snapshotAt(7)).body, get(page.path, snapshotAt(8)).body);
  }
}

TEST(consoleModel, AWebCheckFlipsBetweenOkAndErrorAcrossRefreshes) {
  std::set<CheckState> seen;
  for (std::uint64_t n = 1; n <= 8; ++n) {
    for (const auto& row : currentChecks(snapshotAt(n))) {
      if (row.server == "QV-WEB01" && row.check == "HTTP response") seen.insert(row.state);
    }
  }
  EXPECT_EQ(seen, (std::set<CheckState>{CheckState::Ok, CheckState::Error}));
}

TEST(consoleModel, CheckTimesAndCountsAreConsistent) {
  for (std::uint64_t n = 1; n <= 30; ++n) {
    const auto snapshot = snapshotAt(n);
    const auto checks = currentChecks(snapshot);
    const CheckCounts all = countChecks(checks);
    EXPECT_EQ(all.ok + all.warning + all.error, static_cast<int>(checks.size()));
    int perServer = 0;
    for (const auto& server : monitoredServers()) {
      const CheckCounts counts = countChecks(checks, server.name);
      perServer += counts.ok + counts.warning + counts.error;
    }
    EXPECT_EQ(perServer, static_cast<int>(checks.size()));
    for (const auto& row : checks) {
      EXPECT_LE(row.lastCheck, snapshot.now);
      EXPECT_NE(findServer(row.server), nullptr) << row.server;
    }
    const auto alerts = recentAlerts(snapshot);
    ASSERT_FALSE(alerts.empty());
    for (std::size_t i = 1; i < alerts.size(); ++i) {
      EXPECT_LT(alerts[i].id, alerts[i - 1].id);
      EXPECT_LT(alerts[i].triggeredAt, alerts[i - 1].triggeredAt);
    }
    EXPECT_LE(alerts.front().triggeredAt, snapshot.now);
  }
}

TEST(consoleModel, UptimeDoesNotShrinkWhenTheClockIsBehindTheStart) {
  auto atStart = snapshotAt(1);
  atStart.now = atStart.startedAt;
  auto behind = atStart;
  behind.now = atStart.startedAt - 500;
  EXPECT_EQ(serviceUptimeSeconds(behind), serviceUptimeSeconds(atStart));
  auto later = atStart;
  later.now = atStart.startedAt + 60;
  EXPECT_EQ(serviceUptimeSeconds(later), serviceUptimeSeconds(atStart) + 60);
}

TEST(consolePages, EscapeHtmlCoversMarkupCharacters) {
  EXPECT_EQ(escapeHtml(R"(<a href="x">Tom & 'Jerry'</a>)"),
            "&lt;a href=&quot;x&quot;&gt;Tom &amp; &#39;Jerry&#39;&lt;/a&gt;");
}

}  // namespace
}  // namespace qv::console
