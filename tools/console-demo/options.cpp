#include "tools/console-demo/options.h"

#include <arpa/inet.h>
#include <getopt.h>

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
  // getopt_long wants the C form: a program name and mutable strings.
  std::vector<std::string> texts{"qv-console-demo"};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(texts.size());

  static constexpr option kOptions[] = {
      {"port", required_argument, nullptr, 'p'}, {"bind", required_argument, nullptr, 'b'},
      {"log", required_argument, nullptr, 'l'},  {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},    {nullptr, 0, nullptr, 0}};
  Options options;
  optind = 0;  // glibc: start afresh
  opterr = 0;  // the errors are reported by the caller
  for (int c; (c = getopt_long(argc, argv.data(), "+:h", kOptions, nullptr)) != -1;) {
    const std::string given = argv[optind - 1];
    const std::string value = optarg ? optarg : "";
    switch (c) {
      case 'p':
        if (const auto port = parsePort(value)) {
          options.port = *port;
        } else {
          return {std::nullopt, "not a port number: " + value};
        }
        break;
      case 'b':
        if (value.empty()) return {std::nullopt, "--bind needs an address"};
        options.bindAddress = value;
        break;
      case 'l':
        if (value.empty()) return {std::nullopt, "--log needs a file name"};
        options.logFile = value;
        break;
      case 'h':
        options.help = true;
        break;
      case 'V':
        options.version = true;
        break;
      case ':':
        return {std::nullopt, given + " needs a value"};
      default:
        return {std::nullopt, "unknown option: " + given};
    }
  }
  if (optind < argc) return {std::nullopt, "unexpected argument: " + texts[optind]};
  return {options, {}};
}

std::string_view usageText() {
  return "usage: qv-console-demo [--port N] [--bind ADDR] [--log FILE]\n"
         "       qv-console-demo --help | --version\n"
         "A stand-in for a Quorvel monitoring server's web console, for trying qvbrowser.\n"
         "  --port N     port to listen on (default 8080; 0 picks a free one)\n"
         "  --bind ADDR  address to listen on (default 127.0.0.1)\n"
         "  --log FILE   append the request log to FILE instead of stderr\n"
         "  -h, --help   show this help and exit\n"
         "  --version    show the version and exit\n"
         "stdin commands: fail [STATUS] | recover | stop\n"
         "signals: SIGUSR1 fail with 500, SIGUSR2 recover, SIGINT/SIGTERM stop\n"
         "See qv-console-demo(1).\n";
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
