#include "platform/ui/tty/web_page.h"

#include <httplib.h>
#include <libxml/HTMLparser.h>

#include <initializer_list>

namespace qv::ui::tty {
namespace {

constexpr int kTimeoutSeconds = 5;

bool isOneOf(const xmlChar* name, std::initializer_list<const char*> names) {
  for (const char* n : names) {
    if (xmlStrcasecmp(name, reinterpret_cast<const xmlChar*>(n)) == 0) return true;
  }
  return false;
}

// Collects the text of a page: blanks run together, a new line at every
// block, cells of a row apart by two blanks.
class TextCollector {
 public:
  void walk(xmlNode* node) {
    for (; node; node = node->next) {
      if (node->type == XML_TEXT_NODE) {
        add(reinterpret_cast<const char*>(node->content));
      } else if (node->type == XML_ELEMENT_NODE) {
        if (isOneOf(node->name, {"script", "style", "head"})) continue;
        const bool block = isOneOf(node->name, {"p", "div", "h1", "h2", "h3", "h4", "h5", "h6",
                                                "tr", "li", "table", "br", "ul", "ol", "pre"});
        if (block) endLine();
        if (isOneOf(node->name, {"td", "th"}) && !line_.empty()) line_ += "  ";
        walk(node->children);
        if (block) endLine();
      }
    }
  }
  std::vector<std::string> finish() {
    endLine();
    return std::move(lines_);
  }

 private:
  void add(const char* text) {
    for (; text && *text; ++text) {
      const bool blank = *text == ' ' || *text == '\n' || *text == '\r' || *text == '\t';
      if (blank) {
        if (!line_.empty() && line_.back() != ' ') line_ += ' ';
      } else {
        line_ += *text;
      }
    }
  }
  void endLine() {
    while (!line_.empty() && line_.back() == ' ') line_.pop_back();
    if (!line_.empty()) lines_.push_back(std::move(line_));
    line_.clear();
  }
  std::string line_;
  std::vector<std::string> lines_;
};

xmlNode* findElement(xmlNode* node, const char* name) {
  for (; node; node = node->next) {
    if (node->type == XML_ELEMENT_NODE && isOneOf(node->name, {name})) return node;
    if (xmlNode* found = findElement(node->children, name)) return found;
  }
  return nullptr;
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
  readPage(result->body, answer.title, answer.text);
  return answer;
}

void readPage(const std::string& html, std::string& title, std::vector<std::string>& text) {
  htmlDocPtr doc = htmlReadMemory(
      html.data(), static_cast<int>(html.size()), "page.html", "UTF-8",
      HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
  if (!doc) return;
  xmlNode* root = xmlDocGetRootElement(doc);
  if (xmlNode* t = findElement(root, "title")) {
    TextCollector collector;
    collector.walk(t->children);
    const auto lines = collector.finish();
    if (!lines.empty()) title = lines.front();
  }
  TextCollector collector;
  collector.walk(root);
  text = collector.finish();
  xmlFreeDoc(doc);
}

}  // namespace qv::ui::tty
