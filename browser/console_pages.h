// The web console's pages: the page buttons with the page each requests and
// the title it puts into the page label, the start pages recognised on the
// command line, and the address and header of a request.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qv::browser {

// Sent with every navigation the program starts; reloads add nothing.
inline constexpr std::string_view kRefererHeader = "Referer:Quorvel Console Browser";

struct ConsolePage {
  int button;
  std::string_view page;
  std::string_view title;
};

// The pages that the page buttons request.
std::span<const ConsolePage> pageButtons();
const ConsolePage* pageOfButton(int button);

// The start page given on the command line, compared exactly: the button to
// select and the title to show, or null for any other page. A start page of
// "RecConsoleSummary.qvp" selects Summary, although Summary requests
// "ConsoleControl.qvp".
const ConsolePage* recogniseStartPage(std::string_view page);

// The base address, a slash and the page, cut to its buffer.
std::string pageAddress(std::string_view baseUrl, std::string_view page);

}  // namespace qv::browser
