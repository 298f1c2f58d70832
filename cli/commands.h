// The commands of qvscript. Each returns the program's exit status: 0 done,
// 1 faults found or answers refused, 2 a file that cannot be read or written
// (2 wins over 1).
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace qv::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUnreadable = 2;

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

int runCheck(const CliOptions& options, Streams io);
int runInfo(const CliOptions& options, Streams io);
int runAnswers(const CliOptions& options, Streams io);
int runRender(const CliOptions& options, Streams io);
int runBatch(const CliOptions& options, Streams io);

}  // namespace qv::cli
