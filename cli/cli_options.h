// qvscript's command line: a command, then files and options in any order.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qv::cli {

struct CliOptions {
  std::string command;  // empty with --help or --version alone
  std::vector<std::string> files;
  bool help = false;
  bool version = false;
  bool werror = false;
  bool json = false;
  std::optional<std::string> answers;  // --answers FILE
  std::vector<std::string> sets;       // --set KEY=VALUE, in order
  std::optional<std::string> target;   // -o TARGET ("-": standard output)
  std::optional<std::string> rows;     // --rows ROWS.csv
  std::optional<std::string> pattern;  // --output PATTERN
};

// nullopt with `error` set for an unknown option or one without its value.
// "--name=value" is taken as well as "--name value"; "--" ends the options.
std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace qv::cli
