// FIND_SERVER driven by scripts: the list, the status line and the hand-back.
// Ids: 1904 server list, 1905 "Search", 1906 status line, 1 OK, 2 Cancel.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/discovery/search_run.h"

namespace qv::wizard::test {
namespace {

using Strings = std::vector<std::string>;

TEST(WindowsServerSearch, ListsServersSortedWhileCountingThem) {
  const SearchRun run = runSearch(SearchKind::Windows,
                                  "dialog FIND_SERVER\n"
                                  "click 1905\n"
                                  "select 1904 1\n"
                                  "click 1\n",
                                  withServers({"ZULU", "alpha", "Mike"}));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(repaints(run.transcript), (Strings{
                                          "1906 \"Searching for Servers - Please wait ...\"",
                                          "1906 \"Checking ZULU (1 of 3) ...\"",
                                          "1904 [\"ZULU\"]",
                                          "1906 \"Checking alpha (2 of 3) ...\"",
                                          "1904 [\"alpha\",\"ZULU\"]",
                                          "1906 \"Checking Mike (3 of 3) ...\"",
                                          "1904 [\"alpha\",\"Mike\",\"ZULU\"]",
                                          "1906 \"Search Complete.\"",
                                      }));
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.selected, "Mike");
}

TEST(WindowsServerSearch, NothingFoundLeavesOnlyTheNoServersLine) {
  struct Case {
    const char* what;
    std::optional<Strings> servers;  // nullopt: the enumeration fails
  };
  for (const Case& c : {Case{"no servers", Strings{}}, Case{"enumeration error", std::nullopt}}) {
    SCOPED_TRACE(c.what);
    ui::script::ScriptSettings settings;
    settings.servers = c.servers;
    const SearchRun run = runSearch(SearchKind::Windows,
                                    "dialog FIND_SERVER\n"
                                    "click 1905\n"
                                    "dump\n"
                                    "select 1904 0\n"
                                    "click 1\n",
                                    settings);
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_NE(run.transcript.find("\"id\":1904,\"kind\":\"list\",\"text\":\"\",\"enabled\":true,"
                                  "\"visible\":true,\"items\":[\"No Windows Servers were found "
                                  "...\"],\"selected\":-1"),
              std::string::npos)
        << run.transcript;
    EXPECT_EQ(repaints(run.transcript).back(), "1906 \"Search Complete.\"");
    EXPECT_TRUE(run.selected.empty());  // the no-servers line is never a server
  }
}

TEST(WindowsServerSearch, SecondSearchStartsWithAnEmptyList) {
  const SearchRun run = runSearch(SearchKind::Windows,
                                  "dialog FIND_SERVER\n"
                                  "click 1905\n"
                                  "select 1904 2\n"
                                  "click 1905\n"
                                  "click 1\n",
                                  withServers({"B", "A", "C"}));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  // The second search shows exactly what the first did: it begins again at
  // one entry, not at four.
  const Strings seen = repaints(run.transcript);
  ASSERT_EQ(seen.size(), 16u);
  EXPECT_EQ(Strings(seen.begin() + 8, seen.end()), Strings(seen.begin(), seen.begin() + 8));
  EXPECT_EQ(seen[2], "1904 [\"B\"]");
  EXPECT_TRUE(run.selected.empty());  // the earlier selection was lost with the list
}

TEST(WindowsServerSearch, NamesAreCutToTheirSixteenByteBuffer) {
  const SearchRun run = runSearch(SearchKind::Windows,
                                  "dialog FIND_SERVER\n"
                                  "click 1905\n"
                                  "select 1904 0\n"
                                  "click 1\n",
                                  withServers({"ABCDEFGHIJKLMNOPQRST"}));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(repaints(run.transcript)[1], "1906 \"Checking ABCDEFGHIJKLMNO (1 of 1) ...\"");
  EXPECT_EQ(run.selected, "ABCDEFGHIJKLMNO");
}

// Every way of closing without a server hands back nothing, whatever the
// name held before the dialog opened.
TEST(WindowsServerSearch, ClosingWithoutAServerHandsBackNothing) {
  struct Case {
    const char* what;
    Strings servers;
    const char* actions;
    int result;
  };
  const Case cases[] = {
      {"OK on the hint line", {"SERVER1"}, "select 1904 0\nclick 1\n", 0},
      {"OK with nothing selected", {"SERVER1"}, "click 1905\nclick 1\n", 0},
      {"OK on the no-servers line", {}, "click 1905\nselect 1904 0\nclick 1\n", 0},
      {"Cancel after choosing a server", {"SERVER1"}, "click 1905\nselect 1904 0\nclick 2\n", 1},
      {"Escape after choosing a server", {"SERVER1"}, "click 1905\nselect 1904 0\nkey escape\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SearchRun run =
        runSearch(SearchKind::Windows, std::string("dialog FIND_SERVER\n") + c.actions,
                  withServers(c.servers), "PREVIOUS");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_EQ(run.result, c.result);
    EXPECT_EQ(run.selected, "");
  }
}

TEST(WindowsServerSearch, OpensWithTheHintLineAndAnEmptyStatus) {
  const SearchRun run = runSearch(SearchKind::Windows, "dialog FIND_SERVER\nclick 2\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("\"title\":\"Find Your Server\""), std::string::npos);
  EXPECT_NE(run.transcript.find("\"items\":[\"Click Search to locate Windows Servers ...\"]"),
            std::string::npos);
  EXPECT_NE(run.transcript.find("{\"id\":1906,\"kind\":\"static\",\"text\":\"\""),
            std::string::npos);
}

}  // namespace
}  // namespace qv::wizard::test
