// The demo console served over HTTP: the console pages plus the control
// endpoints /_control/fail?status=N, /_control/recover, /_control/stop and
// /_control/log. Every request is logged.
#pragma once

#include <memory>
#include <string>

#include "tools/console-demo/console_state.h"
#include "tools/console-demo/request_log.h"

namespace qv::console {

class ConsoleServer {
 public:
  // `state` and `log` must outlive the server.
  ConsoleServer(ConsoleState& state, RequestLog& log);
  ~ConsoleServer();  // stops and waits
  ConsoleServer(const ConsoleServer&) = delete;
  ConsoleServer& operator=(const ConsoleServer&) = delete;

  // Binds `address`:`port` (port 0 picks a free one) and serves on a
  // background thread. False when binding fails or the server was started.
  bool start(const std::string& address, int port);
  // The bound port; 0 before start.
  int port() const;
  // False once the server has stopped serving (or before start).
  bool running() const;
  // Asks the server to stop; safe from any thread, including a handler.
  void stop();
  // Blocks until the serving thread has ended. Not from a handler.
  void wait();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qv::console
