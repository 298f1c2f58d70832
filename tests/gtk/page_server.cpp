#include "page_server.h"

#include <httplib.h>

namespace qv::gtktest {

PageServer::PageServer(std::map<std::string, Page> pages)
    : pages_(std::move(pages)), server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    std::string asked = request.path;
    std::string query;
    for (const auto& [name, value] : request.params) {
      query += (query.empty() ? "" : "&") + name + "=" + value;
    }
    if (!query.empty()) asked += "?" + query;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(asked);
    }
    const auto page = pages_.find(request.path);
    if (page == pages_.end()) {
      response.status = 404;
      response.set_content("<html><body>Not here</body></html>", "text/html");
      return;
    }
    response.status = page->second.status;
    response.set_content(page->second.body, "text/html");
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  if (port_ > 0) thread_ = std::thread([this] { server_->listen_after_bind(); });
}

PageServer::~PageServer() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

std::vector<std::string> PageServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

}  // namespace qv::gtktest
