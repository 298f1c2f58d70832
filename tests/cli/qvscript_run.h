// qvscript run in-process, with what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/qvscript_program.h"

namespace qv::cli::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun runCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = runQvscript(args, {out, err});
  run.out = out.str();
  run.err = err.str();
  return run;
}

}  // namespace qv::cli::test
