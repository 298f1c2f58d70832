#include "platform/ui/tty/web_page.h"

#include <httplib.h>

namespace qv::ui::tty {
namespace {

constexpr int kTimeoutSeconds = 5;

std::string titleOf(const std::string& body) {
  const std::size_t open = body.find("<title>");
  if (open == std::string::npos) return {};
  const std::size_t start = open + 7;
  const std::size_t close = body.find("</title>", start);
  if (close == std::string::npos) return {};
  return body.substr(start, close - start);
}

}  // namespace

PageAnswer fetchPage(const std::string& url, std::string_view headers) {
  PageAnswer answer;
  const std::size_t scheme = url.find("://");
  if (scheme == std::string::npos) {
    answer.failed = true;
    answer.state = "not a web address";
    return answer;
  }
  const std::size_t pathAt = url.find('/', scheme + 3);
  const std::string origin = url.substr(0, pathAt);
  const std::string path = pathAt == std::string::npos ? "/" : url.substr(pathAt);
  httplib::Headers extra;
  std::string_view rest = headers;
  while (!rest.empty()) {
    const std::size_t end = rest.find("\r\n");
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    extra.emplace(std::string(line.substr(0, colon)), std::string(value));
  }
  httplib::Client client(origin);
  client.set_connection_timeout(kTimeoutSeconds, 0);
  client.set_read_timeout(kTimeoutSeconds, 0);
  const httplib::Result result = client.Get(path, extra);
  if (!result) {
    answer.failed = true;
    answer.state = "cannot connect: " + httplib::to_string(result.error());
    return answer;
  }
  answer.state = "HTTP " + std::to_string(result->status);
  answer.failed = result->status >= 400;
  answer.title = titleOf(result->body);
  return answer;
}

}  // namespace qv::ui::tty
