// Command line of qv-console-demo: [--port N] [--bind ADDR] [--log FILE],
// --help, --version; read with getopt_long (--port=N works too).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::console {

struct Options {
  int port = 8080;  // 0 picks a free port
  std::string bindAddress = "127.0.0.1";
  std::string logFile;  // empty: log to stderr
  bool help = false;
  bool version = false;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // set when options is empty
};

// `args` excludes the program name.
ParsedOptions parseOptions(const std::vector<std::string_view>& args);

std::string_view usageText();

// Numeric loopback addresses (127.0.0.0/8, ::1) and "localhost".
bool isLoopbackAddress(std::string_view address);

}  // namespace qv::console
