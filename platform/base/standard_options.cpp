#include "platform/base/standard_options.h"

#include <getopt.h>

#include <cstdio>

#include "platform/base/build_info.h"

namespace qv {
namespace {

// 0 when the text reached standard output (a full disk or a closed pipe
// is a failure, 1).
int printed(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace

StandardOption readStandardOption(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]).substr(0, 2) != "--") return StandardOption::None;
  if (std::string_view(argv[1]) == "--") {
    std::fprintf(stderr, "%s: \"--\" is not an option\n", argv[0]);
    return StandardOption::Invalid;
  }
  // Only the first argument: the programs give every later one its own
  // meaning or ignore it.
  char* first[] = {argv[0], argv[1], nullptr};
  static constexpr option kOptions[] = {{"help", no_argument, nullptr, 'h'},
                                        {"version", no_argument, nullptr, 'V'},
                                        {nullptr, 0, nullptr, 0}};
  optind = 0;  // glibc: start afresh, also after an earlier call
  opterr = 1;
  switch (getopt_long(2, first, "+", kOptions, nullptr)) {
    case 'h':
      return StandardOption::Help;
    case 'V':
      return StandardOption::Version;
    default:
      return StandardOption::Invalid;
  }
}

std::string versionText(std::string_view program) {
  return std::string(program) + " (" + build::kPackageName + ") " + build::kVersion + "\n";
}

std::optional<int> answerStandardOption(int argc, char** argv, std::string_view program,
                                        std::string_view helpText) {
  switch (readStandardOption(argc, argv)) {
    case StandardOption::None:
      return std::nullopt;
    case StandardOption::Help:
      return printed(helpText);
    case StandardOption::Version:
      return printed(versionText(program));
    case StandardOption::Invalid:
      break;
  }
  std::fprintf(stderr, "Try '%.*s --help' for more information.\n",
               static_cast<int>(program.size()), program.data());
  return kExitUsage;
}

}  // namespace qv
