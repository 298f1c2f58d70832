#include <gtest/gtest.h>

#include <sstream>

#include "tools/console-demo/control.h"
#include "tools/console-demo/options.h"
#include "tools/console-demo/request_log.h"

namespace qv::console {
namespace {

TEST(consoleOptions, ParsesTheCommandLine) {
  struct Case {
    std::vector<std::string_view> args;
    bool ok;
    int port;
    const char* bind;
    const char* log;
    bool help = false;
    bool version = false;
  };
  const Case cases[] = {
      {{}, true, 8080, "127.0.0.1", ""},
      {{"--port", "0"}, true, 0, "127.0.0.1", ""},
      {{"--port", "65535", "--bind", "::1", "--log", "r.log"}, true, 65535, "::1", "r.log"},
      {{"--bind", "0.0.0.0"}, true, 8080, "0.0.0.0", ""},
      {{"--port", "65536"}, false, 0, "", ""},
      {{"--port", "-1"}, false, 0, "", ""},
      {{"--port", "80x"}, false, 0, "", ""},
      {{"--port", ""}, false, 0, "", ""},
      {{"--port"}, false, 0, "", ""},
      {{"--bind", ""}, false, 0, "", ""},
      {{"--log"}, false, 0, "", ""},
      {{"8080"}, false, 0, "", ""},
      {{"--verbose"}, false, 0, "", ""},
      {{"--port=9000", "--log=x.log"}, true, 9000, "127.0.0.1", "x.log"},
      {{"--po", "1"}, true, 1, "127.0.0.1", "", false, false},
      {{"--port=x"}, false, 0, "", ""},
      {{"--help=yes"}, false, 0, "", ""},
      {{"--", "--port"}, false, 0, "", ""},
      {{"--port", "1", "extra"}, false, 0, "", ""},
      {{"-h"}, true, 8080, "127.0.0.1", "", true, false},
      {{"--help"}, true, 8080, "127.0.0.1", "", true, false},
      {{"--version"}, true, 8080, "127.0.0.1", "", false, true},
      {{"--vers"}, true, 8080, "127.0.0.1", "", false, true},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const auto a : c.args) joined += std::string(a) + " ";
    SCOPED_TRACE(joined);
    const auto parsed = parseOptions(c.args);
    ASSERT_EQ(parsed.options.has_value(), c.ok) << parsed.error;
    if (!c.ok) {
      EXPECT_FALSE(parsed.error.empty());
      continue;
    }
    EXPECT_EQ(parsed.options->port, c.port);
    EXPECT_EQ(parsed.options->bindAddress, c.bind);
    EXPECT_EQ(parsed.options->logFile, c.log);
    EXPECT_EQ(parsed.options->help, c.help);
    EXPECT_EQ(parsed.options->version, c.version);
  }
}

TEST(consoleOptions, RecognisesLoopbackAddresses) {
  for (const char* address : {"127.0.0.1", "127.1.2.3", "::1", "localhost", "::ffff:127.0.0.1"}) {
    EXPECT_TRUE(isLoopbackAddress(address)) << address;
  }
  for (const char* address :
       {"0.0.0.0", "::", "192.168.1.10", "128.0.0.1", "::ffff:10.0.0.1", "", "127.0.0.1 ", "x"}) {
    EXPECT_FALSE(isLoopbackAddress(address)) << address;
  }
}

TEST(consoleControl, ParsesStdinCommands) {
  struct Case {
    const char* line;
    std::optional<ControlAction> action;
    int status;
  };
  const Case cases[] = {
      {"fail", ControlAction::Fail, 500},
      {"fail 503", ControlAction::Fail, 503},
      {"  fail\t404 \r", ControlAction::Fail, 404},
      {"fail 599", ControlAction::Fail, 599},
      {"fail 399", std::nullopt, 0},
      {"fail 200", std::nullopt, 0},
      {"fail 600", std::nullopt, 0},
      {"fail 5x0", std::nullopt, 0},
      {"fail 500 501", std::nullopt, 0},
      {"recover", ControlAction::Recover, 0},
      {"stop", ControlAction::Stop, 0},
      {"quit", ControlAction::Stop, 0},
      {"stop now", std::nullopt, 0},
      {"failure", std::nullopt, 0},
      {"", std::nullopt, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto command = parseControlLine(c.line);
    ASSERT_EQ(command.has_value(), c.action.has_value());
    if (!command) continue;
    EXPECT_EQ(command->action, *c.action);
    EXPECT_EQ(command->status, c.status);
  }
}

TEST(consoleLogLine, KeepsTheRefererAsReceivedAndEscapesControlBytes) {
  EXPECT_EQ(formatLogLine("GET", "/RecConsoleStatus.qvp", 200, "Quorvel Console Browser"),
            "GET /RecConsoleStatus.qvp 200 \"Quorvel Console Browser\"");
  EXPECT_EQ(formatLogLine("GET", "/x", 404, std::nullopt), "GET /x 404 -");
  EXPECT_EQ(formatLogLine("GET", "/x", 200, ""), "GET /x 200 \"\"");
  EXPECT_EQ(formatLogLine("GET", "/x", 200, "-"), "GET /x 200 \"-\"");
  EXPECT_EQ(formatLogLine("GET", "/x", 200, R"(a "b" \c)"), R"(GET /x 200 "a \"b\" \\c")");
  EXPECT_EQ(formatLogLine("GET", "/a\nGET /forged 200 -", 200, "\x1b[31m"),
            "GET /a\\x0aGET /forged 200 - 200 \"\\x1b[31m\"");
}

TEST(consoleRequestLog, WritesEachLineToTheSinkAndKeepsOnlyTheNewest) {
  std::ostringstream sink;
  RequestLog log(&sink, 2);
  log.record("GET", "/1", 200, std::nullopt);
  log.record("GET", "/2", 200, std::nullopt);
  log.record("GET", "/3", 500, "r");
  EXPECT_EQ(sink.str(), "GET /1 200 -\nGET /2 200 -\nGET /3 500 \"r\"\n");
  EXPECT_EQ(log.text(), "GET /2 200 -\nGET /3 500 \"r\"\n");
}

}  // namespace
}  // namespace qv::console
