#include "tools/console-demo/console_server.h"

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "platform/base/text.h"
#include "tools/console-demo/console_pages.h"
#include "tools/console-demo/control.h"

namespace qv::console {
namespace {

constexpr const char* kText = "text/plain; charset=utf-8";

std::optional<std::string_view> refererOf(const httplib::Request& req) {
  const auto it = req.headers.find("Referer");
  if (it == req.headers.end()) return std::nullopt;
  return std::string_view(it->second);
}

}  // namespace

struct ConsoleServer::Impl {
  Impl(ConsoleState& s, RequestLog& l) : state(s), log(l) {}

  ConsoleState& state;
  RequestLog& log;
  httplib::Server server;
  std::thread thread;
  std::atomic<int> port{0};
  std::atomic<bool> serving{false};

  // Logged inside the handler, before the answer goes out, so a client that
  // has its answer finds the request in the log.
  void answer(const httplib::Request& req, httplib::Response& res, int status,
              const std::string& body, const char* contentType) {
    res.status = status;
    res.set_content(body, contentType);
    log.record(req.method, req.target, status, refererOf(req));
  }

  void routes() {
    server.Get("/_control/fail", [this](const httplib::Request& req, httplib::Response& res) {
      const auto status = parseFailStatus(req.get_param_value("status"));
      if (!status) {
        answer(req, res, 400, "status must be an error status from 400 to 599\n", kText);
        return;
      }
      state.fail(*status);
      answer(req, res, 200, formatText("console pages now answer %d\n", *status), kText);
    });
    server.Get("/_control/recover", [this](const httplib::Request& req, httplib::Response& res) {
      state.recover();
      answer(req, res, 200, "console pages answer normally\n", kText);
    });
    server.Get("/_control/stop", [this](const httplib::Request& req, httplib::Response& res) {
      answer(req, res, 200, "stopping\n", kText);
      // Only closes the listening socket; this answer is still delivered.
      server.stop();
    });
    server.Get("/_control/log", [this](const httplib::Request& req, httplib::Response& res) {
      const std::string text = log.text();
      answer(req, res, 200, text, kText);
    });
    // "[\s\S]" rather than "." so that decoded paths holding a newline are
    // answered (and logged) here too.
    server.Get(R"([\s\S]*)", [this](const httplib::Request& req, httplib::Response& res) {
      const QueryParams params(req.params.begin(), req.params.end());
      const Reply reply = answerPage(req.path, params, state.nextSnapshot());
      answer(req, res, reply.status, reply.body, reply.contentType.c_str());
    });
    const auto notAllowed = [this](const httplib::Request& req, httplib::Response& res) {
      res.set_header("Allow", "GET, HEAD");
      answer(req, res, 405, "only GET and HEAD are served\n", kText);
    };
    server.Post(R"([\s\S]*)", notAllowed);
    server.Put(R"([\s\S]*)", notAllowed);
    server.Patch(R"([\s\S]*)", notAllowed);
    server.Delete(R"([\s\S]*)", notAllowed);
    server.Options(R"([\s\S]*)", notAllowed);
  }
};

ConsoleServer::ConsoleServer(ConsoleState& state, RequestLog& log)
    : impl_(std::make_unique<Impl>(state, log)) {
  impl_->routes();
  // The library's default adds SO_REUSEPORT, which lets a second demo share
  // an occupied port and take half of its requests; only reuse TIME_WAIT
  // addresses instead, so a busy port is reported.
  impl_->server.set_socket_options([](socket_t sock) {
    const int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  // Idle keep-alive connections hold up a stop for this long.
  impl_->server.set_keep_alive_timeout(1);
}

ConsoleServer::~ConsoleServer() {
  stop();
  wait();
}

bool ConsoleServer::start(const std::string& address, int port) {
  if (impl_->thread.joinable()) return false;
  int bound = port;
  if (port == 0) {
    bound = impl_->server.bind_to_any_port(address);
    if (bound <= 0) return false;
  } else if (!impl_->server.bind_to_port(address, port)) {
    return false;
  }
  impl_->port = bound;
  impl_->serving = true;
  impl_->thread = std::thread([impl = impl_.get()] {
    impl->server.listen_after_bind();
    impl->serving = false;
  });
  // A stop issued before the listen loop runs would be lost.
  while (impl_->serving && !impl_->server.is_running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

int ConsoleServer::port() const {
  return impl_->port;
}

bool ConsoleServer::running() const {
  return impl_->serving;
}

void ConsoleServer::stop() {
  impl_->server.stop();
}

void ConsoleServer::wait() {
  if (impl_->thread.joinable()) impl_->thread.join();
}

}  // namespace qv::console
