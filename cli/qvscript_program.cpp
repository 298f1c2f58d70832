#include "cli/qvscript_program.h"

#include <string_view>

#include "platform/base/standard_options.h"

namespace qv::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: qvscript COMMAND [OPTION]... FILE...\n"
    "Checks, shows and renders script templates without a window.\n"
    "\n"
    "Commands:\n"
    "  check TEMPLATE...         report every fault and warning of each template\n"
    "  info FILE                 the header of a template or script\n"
    "  answers TEMPLATE          an answers file with every answer's default\n"
    "  render TEMPLATE --answers FILE [--set KEY=VALUE]... -o TARGET\n"
    "                            the script, every answer checked by its page\n"
    "  batch TEMPLATE --answers FILE --rows ROWS.csv --output PATTERN\n"
    "                            one script per row; {KEY} and {row} in PATTERN\n"
    "\n"
    "Options (before or after the files):\n"
    "  --werror          check: warnings count as errors\n"
    "  --json            info: one JSON object\n"
    "  --answers FILE    render: the answers file (docs/answers-file.md)\n"
    "  --set KEY=VALUE   render: an answer over the file's\n"
    "  -o TARGET         render: the script to write; - for standard output\n"
    "  --rows ROWS.csv   batch: a header row of answer keys, one row per script\n"
    "  --output PATTERN  batch: where each script goes\n"
    "  --help, --version\n"
    "\n"
    "Exit status: 0 done; 1 faults or refused answers; 2 a file that cannot be\n"
    "read or written, or a wrong command line.\n";

struct Command {
  std::string_view name;
  int (*run)(const CliOptions&, Streams);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"check", &runCheck, "Usage: qvscript check [--werror] TEMPLATE...\n"},
    {"info", &runInfo, "Usage: qvscript info [--json] FILE\n"},
    {"answers", &runAnswers, "Usage: qvscript answers TEMPLATE\n"},
    {"render", &runRender,
     "Usage: qvscript render TEMPLATE --answers FILE [--set KEY=VALUE]... -o TARGET|-\n"},
    {"batch", &runBatch,
     "Usage: qvscript batch TEMPLATE [--answers FILE] --rows ROWS.csv --output PATTERN\n"},
};

}  // namespace

int runQvscript(const std::vector<std::string>& args, Streams io) {
  std::string error;
  const std::optional<CliOptions> options = parseCliOptions(args, error);
  if (!options) {
    io.err << "qvscript: " << error << "\n" << kUsage;
    return kExitUnreadable;
  }
  if (options->version) {
    io.out << versionText("qvscript");
    return kExitOk;
  }
  if (options->command.empty()) {
    (options->help ? io.out : io.err) << kUsage;
    return options->help ? kExitOk : kExitUnreadable;
  }
  for (const Command& command : kCommands) {
    if (command.name != options->command) continue;
    if (options->help) {
      io.out << command.usage << "See qvscript --help and qvscript(1).\n";
      return kExitOk;
    }
    return command.run(*options, io);
  }
  io.err << "qvscript: unknown command " << options->command << "\n" << kUsage;
  return kExitUnreadable;
}

}  // namespace qv::cli
