// One run of qvscript: the command line to a command's exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace qv::cli {

// `args` are the arguments after the program name.
int runQvscript(const std::vector<std::string>& args, Streams io);

}  // namespace qv::cli
