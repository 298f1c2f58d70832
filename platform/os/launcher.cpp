#include "platform/os/launcher.h"

namespace qv::os {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> splitWindowsCommandLine(std::string_view commandLine) {
  std::vector<std::string> args;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  while (i < n && isBlank(commandLine[i])) ++i;
  if (i == n) return args;

  // The program: quotes switch quoting and are dropped, backslashes are plain.
  std::string program;
  bool inQuotes = false;
  for (; i < n; ++i) {
    const char c = commandLine[i];
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (!inQuotes && isBlank(c)) {
      break;
    } else {
      program.push_back(c);
    }
  }
  args.push_back(std::move(program));

  // The arguments.
  for (;;) {
    while (i < n && isBlank(commandLine[i])) ++i;
    if (i == n) break;
    std::string arg;
    inQuotes = false;
    while (i < n) {
      const char c = commandLine[i];
      if (!inQuotes && isBlank(c)) break;
      if (c == '\\') {
        std::size_t slashes = 0;
        while (i < n && commandLine[i] == '\\') {
          ++slashes;
          ++i;
        }
        if (i < n && commandLine[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2 == 1) {
            arg.push_back('"');  // an escaped quote
            ++i;
          }
          // With an even count the quote is handled as a quote below.
        } else {
          arg.append(slashes, '\\');
        }
        continue;
      }
      if (c == '"') {
        if (inQuotes && i + 1 < n && commandLine[i + 1] == '"') {
          arg.push_back('"');  // "" inside quotes: a literal quote, still quoted
          i += 2;
        } else {
          inQuotes = !inQuotes;
          ++i;
        }
        continue;
      }
      arg.push_back(c);
      ++i;
    }
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace qv::os
