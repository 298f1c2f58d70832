#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>

#include "tools/console-demo/console_server.h"

namespace qv::console {
namespace {

// Sends `request` as raw bytes and returns everything the server answers, so
// headers can be written exactly as the console browser writes them.
std::string rawExchange(int port, const std::string& request) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return {};
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string answer;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
          static_cast<ssize_t>(request.size())) {
    char buffer[4096];
    for (ssize_t n; (n = recv(fd, buffer, sizeof buffer, 0)) > 0;) {
      answer.append(buffer, static_cast<std::size_t>(n));
    }
  }
  close(fd);
  return answer;
}

class consoleServer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.start("127.0.0.1", 0));
    ASSERT_GT(server.port(), 0);
    client = std::make_unique<httplib::Client>("127.0.0.1", server.port());
    client->set_connection_timeout(5);
    client->set_read_timeout(5);
  }

  int status(const std::string& path, const httplib::Headers& headers = {}) {
    const auto result = client->Get(path, headers);
    return result ? result->status : -1;
  }

  std::string requestLog() {
    const auto result = client->Get("/_control/log");
    return result ? result->body : std::string();
  }

  ConsoleState state;
  RequestLog log{nullptr};
  ConsoleServer server{state, log};
  std::unique_ptr<httplib::Client> client;
};

TEST_F(consoleServer, ServesEveryConsolePageAsHtmlWithLinks) {
  for (const char* page : {"/RecConsoleStatus.qvp", "/RecConsoleErrors.qvp", "/ConsoleControl.qvp",
                           "/RecConsoleSummary.qvp"}) {
    SCOPED_TRACE(page);
    const auto result = client->Get(page);
    ASSERT_TRUE(result) << httplib::to_string(result.error());
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->get_header_value("Content-Type").rfind("text/html", 0), 0u);
    EXPECT_NE(result->body.find("href=\"RecConsoleErrors.qvp\""), std::string::npos);
    EXPECT_NE(result->body.find("href=\"details?server="), std::string::npos);
  }
  EXPECT_EQ(status("/details?server=QV-SQL01"), 200);
}

TEST_F(consoleServer, UnknownPagesAnswerNotFoundAndOtherMethodsAreRefused) {
  EXPECT_EQ(status("/NoSuchPage.qvp"), 404);
  EXPECT_EQ(status("/_control/unknown"), 404);
  const auto posted = client->Post("/RecConsoleStatus.qvp", "x", "text/plain");
  ASSERT_TRUE(posted);
  EXPECT_EQ(posted->status, 405);
  EXPECT_NE(requestLog().find("POST /RecConsoleStatus.qvp 405 -"), std::string::npos);
}

TEST_F(consoleServer, ContentChangesBetweenTwoRequests) {
  const auto first = client->Get("/RecConsoleStatus.qvp");
  const auto second = client->Get("/RecConsoleStatus.qvp");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->body, second->body);
}

TEST_F(consoleServer, LogsTheRefererAsReceivedOrADashWhenAbsent) {
  // The console browser writes the header with no space after the colon.
  const std::string answer = rawExchange(server.port(),
                                         "GET /RecConsoleStatus.qvp HTTP/1.1\r\n"
                                         "Host: 127.0.0.1\r\n"
                                         "Referer:Quorvel Console Browser\r\n"
                                         "Connection: close\r\n\r\n");
  EXPECT_EQ(answer.rfind("HTTP/1.1 200", 0), 0u) << answer.substr(0, 80);
  EXPECT_EQ(status("/RecConsoleErrors.qvp", {{"Referer", "Quorvel Console Browser"}}), 200);
  EXPECT_EQ(status("/ConsoleControl.qvp"), 200);
  EXPECT_EQ(status("/Missing.qvp", {{"Referer", "http://127.0.0.1/RecConsoleStatus.qvp"}}), 404);

  EXPECT_EQ(requestLog(),
            "GET /RecConsoleStatus.qvp 200 \"Quorvel Console Browser\"\n"
            "GET /RecConsoleErrors.qvp 200 \"Quorvel Console Browser\"\n"
            "GET /ConsoleControl.qvp 200 -\n"
            "GET /Missing.qvp 404 \"http://127.0.0.1/RecConsoleStatus.qvp\"\n");
}

TEST_F(consoleServer, FailSwitchMakesPagesAnswerTheStatusUntilRecovered) {
  EXPECT_EQ(status("/_control/fail?status=503"), 200);
  EXPECT_EQ(status("/RecConsoleStatus.qvp"), 503);
  EXPECT_EQ(status("/details?server=QV-DC01"), 503);
  EXPECT_EQ(status("/_control/log"), 200) << "control stays reachable";

  EXPECT_EQ(status("/_control/fail"), 200);
  EXPECT_EQ(status("/RecConsoleErrors.qvp"), 500);

  EXPECT_EQ(status("/_control/recover"), 200);
  EXPECT_EQ(status("/RecConsoleErrors.qvp"), 200);
}

TEST_F(consoleServer, FailSwitchRefusesStatusesThatAreNotErrors) {
  for (const char* bad : {"200", "302", "600", "abc", "-500", "500x"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(status(std::string("/_control/fail?status=") + bad), 400);
    EXPECT_EQ(status("/RecConsoleStatus.qvp"), 200);
  }
}

TEST_F(consoleServer, StopEndsTheServer) {
  const auto result = client->Get("/_control/stop");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);

  auto stopped = std::async(std::launch::async, [this] { server.wait(); });
  ASSERT_EQ(stopped.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_FALSE(server.running());
  EXPECT_FALSE(client->Get("/RecConsoleStatus.qvp"));
  EXPECT_NE(log.text().find("GET /_control/stop 200 -"), std::string::npos);
}

TEST(consoleServerLifetime, AnOccupiedPortIsReportedAndStopWorksRightAfterStart) {
  ConsoleState state;
  RequestLog log{nullptr};
  ConsoleServer first(state, log);
  ASSERT_TRUE(first.start("127.0.0.1", 0));
  EXPECT_FALSE(first.start("127.0.0.1", 0)) << "already started";

  ConsoleServer second(state, log);
  EXPECT_FALSE(second.start("127.0.0.1", first.port()));
  EXPECT_FALSE(second.running());

  first.stop();
  first.wait();
  EXPECT_FALSE(first.running());
}

}  // namespace
}  // namespace qv::console
