// The start of every program run: selects the dialog backend from the
// environment (QV_UI), runs the program on it and turns a failed scripted run
// into its exit status.
#pragma once

#include <functional>

#include "platform/ui/platform.h"

namespace qv::ui {

using ProgramMain = std::function<int(Platform&, int argc, char** argv)>;

// Exit status: the program's own, 2 for a bad setting (one line on standard
// error), 3 for a failed scripted run.
int runProgram(int argc, char** argv, const ProgramMain& main);

inline constexpr int kExitBadSetting = 2;
inline constexpr int kExitScriptFailed = 3;

}  // namespace qv::ui
