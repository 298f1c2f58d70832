// Fixed web pages on a free loopback port, served from a thread of the
// test, with a log of what was asked for: pages of a test's own for the
// console browser (forms, frames, missing parts).
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace qv::gtktest {

struct Page {
  int status = 200;
  std::string body;  // HTML
};

class PageServer {
 public:
  // Paths ("/form.qvp") and their pages; any other path answers 404.
  explicit PageServer(std::map<std::string, Page> pages);
  ~PageServer();
  PageServer(const PageServer&) = delete;
  PageServer& operator=(const PageServer&) = delete;
  int port() const { return port_; }
  // Every request so far as "PATH" or "PATH?QUERY", in order.
  std::vector<std::string> requests() const;

 private:
  std::map<std::string, Page> pages_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace qv::gtktest
