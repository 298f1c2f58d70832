// What the terminal's web view knows of a page: it asks the server for it
// (HTTP, with the program's extra request headers) and keeps the answer's
// status, the page's title and its text, a line per paragraph, heading or
// table row; laying the page out is not its business.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv::ui::tty {

struct PageAnswer {
  bool failed = false;  // no answer, or an HTTP error status
  std::string state;    // "HTTP 200", "cannot connect: ..."
  std::string title;
  std::vector<std::string> text;
};

// The title and the text lines of an HTML page.
void readPage(const std::string& html, std::string& title, std::vector<std::string>& text);

// `headers`: lines "Name:Value" separated by CR LF.
PageAnswer fetchPage(const std::string& url, std::string_view headers);

}  // namespace qv::ui::tty
