// What the terminal's web view knows of a page: it asks the server for it
// (HTTP, with the program's extra request headers) and keeps the answer's
// status and the page's title; rendering the page is not its business.
#pragma once

#include <string>
#include <string_view>

namespace qv::ui::tty {

struct PageAnswer {
  bool failed = false;  // no answer, or an HTTP error status
  std::string state;    // "HTTP 200", "cannot connect: ..."
  std::string title;
};

// `headers`: lines "Name:Value" separated by CR LF.
PageAnswer fetchPage(const std::string& url, std::string_view headers);

}  // namespace qv::ui::tty
