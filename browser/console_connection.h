// ConsoleConnection: the monitoring server's connection details, read once
// from the command line, and the addresses formed from them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv::browser {

// Composed texts (addresses, the title, the command-line copy) are formed in
// buffers of this many bytes; longer texts are cut.
inline constexpr std::size_t kTextCapacity = 500;

struct ConsoleConnection {
  std::string server;
  std::int32_t port = 0;  // 0: missing
  std::string page;       // the page chosen; the page buttons replace it
  std::string baseUrl;    // empty unless the details were complete
  std::string reportsUrl;
};

// Fills server, port and page from the command-line tail "server,port,page".
// The tail is cut to its buffer, then split as strtok splits with "," and
// line feed: runs of delimiters count as one, so an empty field vanishes and
// the next moves up. Blanks and quotes stay in the fields; the port is
// converted as atol does. Fields after the third are ignored.
void readCommandLine(ConsoleConnection& connection, std::string_view tail);

// "http://server:port", cut to its buffer.
std::string consoleAddress(std::string_view server, std::int32_t port);

}  // namespace qv::browser
