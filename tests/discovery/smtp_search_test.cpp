// FIND_EMAILSERVER driven by scripts, probing real loopback ports: only a
// server that accepts the connection is listed.
// Ids: 1904 server list, 1905 "Search", 1906 status line, 1 OK, 2 Cancel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/discovery/search_run.h"
#include "tests/net/loopback_listener.h"

namespace qv::wizard::test {
namespace {

using os::test::LoopbackSocket;
using Strings = std::vector<std::string>;

const std::string kNoSmtpServers =
    "\"items\":[\"No Windows SMTP Servers were found ...\"],\"selected\":";

TEST(SmtpServerSearch, ListsOnlyServersThatAcceptTheConnection) {
  LoopbackSocket listener(/*listen=*/true);  // accepts, and never greets
  ASSERT_NE(listener.port(), 0);
  const SearchRun run =
      runSearch(SearchKind::Smtp,
                "dialog FIND_EMAILSERVER\n"
                "click 1905\n"
                "select 1904 1\n"
                "click 1\n",
                withServers({"nowhere.invalid", "localhost", "127.0.0.1"}, listener.port()));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(repaints(run.transcript), (Strings{
                                          "1906 \"Searching for e-mail Servers - Please wait ...\"",
                                          "1906 \"Checking nowhere.invalid (1 of 3) ...\"",
                                          "1906 \"Checking localhost (2 of 3) ...\"",
                                          "1904 [\"localhost\"]",
                                          "1906 \"Checking 127.0.0.1 (3 of 3) ...\"",
                                          "1904 [\"127.0.0.1\",\"localhost\"]",
                                          "1906 \"Search Complete.\"",
                                      }));
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.selected, "localhost");
}

TEST(SmtpServerSearch, RefusedEverywhereLeavesOnlyTheNoServersLine) {
  LoopbackSocket bound(/*listen=*/false);  // refuses, and keeps the port from others
  ASSERT_NE(bound.port(), 0);
  const SearchRun run = runSearch(SearchKind::Smtp,
                                  "dialog FIND_EMAILSERVER\n"
                                  "click 1905\n"
                                  "dump\n"
                                  "select 1904 0\n"
                                  "click 1\n",
                                  withServers({"localhost", "127.0.0.1"}, bound.port()));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(repaints(run.transcript), (Strings{
                                          "1906 \"Searching for e-mail Servers - Please wait ...\"",
                                          "1906 \"Checking localhost (1 of 2) ...\"",
                                          "1906 \"Checking 127.0.0.1 (2 of 2) ...\"",
                                          "1906 \"Search Complete.\"",
                                      }));
  EXPECT_NE(run.transcript.find(kNoSmtpServers + "-1"), std::string::npos) << run.transcript;
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.selected, "");  // the no-servers line is never a server
}

TEST(SmtpServerSearch, FailedEnumerationProbesNothing) {
  const SearchRun run = runSearch(SearchKind::Smtp,
                                  "dialog FIND_EMAILSERVER\n"
                                  "click 1905\n"
                                  "dump\n"
                                  "click 2\n",
                                  {}, "PREVIOUS");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("\"title\":\"Find Your E-mail (SMTP) Server\""), std::string::npos);
  EXPECT_NE(run.transcript.find("\"items\":[\"Click Search to locate SMTP Servers ...\"]"),
            std::string::npos);
  EXPECT_EQ(repaints(run.transcript), (Strings{
                                          "1906 \"Searching for e-mail Servers - Please wait ...\"",
                                          "1906 \"Search Complete.\"",
                                      }));
  EXPECT_NE(run.transcript.find(kNoSmtpServers), std::string::npos);
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(run.selected, "");  // cleared on opening, nothing handed back
}

TEST(SmtpServerSearch, OkOnTheHintLineHandsBackNothing) {
  const SearchRun run =
      runSearch(SearchKind::Smtp, "dialog FIND_EMAILSERVER\nselect 1904 0\nclick 1\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(run.result, 0);
  EXPECT_EQ(run.selected, "");
}

}  // namespace
}  // namespace qv::wizard::test
