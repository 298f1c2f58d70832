#include "tools/console-demo/options.h"

#include <arpa/inet.h>

#include <charconv>
#include <cstring>

namespace qv::console {
namespace {

std::optional<int> parsePort(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (port < 0 || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string_view>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg != "--port" && arg != "--bind" && arg != "--log") {
      return {std::nullopt, "unknown argument: " + std::string(arg)};
    }
    if (i + 1 >= args.size()) return {std::nullopt, std::string(arg) + " needs a value"};
    const std::string_view value = args[++i];
    if (arg == "--port") {
      const auto port = parsePort(value);
      if (!port) return {std::nullopt, "not a port number: " + std::string(value)};
      options.port = *port;
    } else if (arg == "--bind") {
      if (value.empty()) return {std::nullopt, "--bind needs an address"};
      options.bindAddress = std::string(value);
    } else {
      if (value.empty()) return {std::nullopt, "--log needs a file name"};
      options.logFile = std::string(value);
    }
  }
  return {options, {}};
}

std::string_view usageText() {
  return "usage: qv-console-demo [--port N] [--bind ADDR] [--log FILE]\n"
         "  --port N     port to listen on (default 8080; 0 picks a free one)\n"
         "  --bind ADDR  address to listen on (default 127.0.0.1)\n"
         "  --log FILE   append the request log to FILE instead of stderr\n"
         "stdin commands: fail [STATUS] | recover | stop\n"
         "signals: SIGUSR1 fail with 500, SIGUSR2 recover, SIGINT/SIGTERM stop\n";
}

bool isLoopbackAddress(std::string_view address) {
  if (address == "localhost") return true;
  const std::string text(address);
  in_addr v4{};
  if (inet_pton(AF_INET, text.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
  in6_addr v6{};
  if (inet_pton(AF_INET6, text.c_str(), &v6) == 1) {
    if (std::memcmp(&v6, &in6addr_loopback, sizeof v6) == 0) return true;
    // An IPv4-mapped loopback address (::ffff:127.x.y.z).
    static constexpr unsigned char kMapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    return std::memcmp(v6.s6_addr, kMapped, sizeof kMapped) == 0 && v6.s6_addr[12] == 127;
  }
  return false;
}

}  // namespace qv::console
