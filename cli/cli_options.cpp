#include "cli/cli_options.h"

#include <string_view>

namespace qv::cli {
namespace {

enum class Takes { Nothing, Value };

struct OptionRule {
  std::string_view name;
  Takes takes;
};

constexpr OptionRule kOptions[] = {
    {"--help", Takes::Nothing},   {"-h", Takes::Nothing},     {"--version", Takes::Nothing},
    {"--werror", Takes::Nothing}, {"--json", Takes::Nothing}, {"--answers", Takes::Value},
    {"--set", Takes::Value},      {"-o", Takes::Value},       {"--rows", Takes::Value},
    {"--output", Takes::Value},
};

void take(CliOptions& options, std::string_view name, std::string value) {
  if (name == "--help" || name == "-h") options.help = true;
  if (name == "--version") options.version = true;
  if (name == "--werror") options.werror = true;
  if (name == "--json") options.json = true;
  if (name == "--answers") options.answers = std::move(value);
  if (name == "--set") options.sets.push_back(std::move(value));
  if (name == "-o") options.target = std::move(value);
  if (name == "--rows") options.rows = std::move(value);
  if (name == "--output") options.pattern = std::move(value);
}

}  // namespace

std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  CliOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool looksLikeOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (!looksLikeOption) {
      if (options.command.empty()) {
        options.command = arg;
      } else {
        options.files.push_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, equals);
    const OptionRule* rule = nullptr;
    for (const OptionRule& r : kOptions) {
      if (r.name == name) rule = &r;
    }
    if (rule == nullptr) {
      error = "unknown option " + std::string(name);
      return std::nullopt;
    }
    std::string value;
    if (rule->takes == Takes::Value) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        error = "option " + std::string(name) + " needs a value";
        return std::nullopt;
      }
    } else if (equals != std::string::npos) {
      error = "option " + std::string(name) + " takes no value";
      return std::nullopt;
    }
    take(options, name, std::move(value));
  }
  return options;
}

}  // namespace qv::cli
