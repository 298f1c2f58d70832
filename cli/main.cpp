// qvscript: the wizard's templates checked, shown and rendered on the
// command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/qvscript_program.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return qv::cli::runQvscript(args, {std::cout, std::cerr});
}
