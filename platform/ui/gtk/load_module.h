// Finds and loads the desktop backend module beside the program
// (/proc/self/exe's folder, then ../lib/), or in QV_UI_MODULE_DIR.
#pragma once

#include <string>

#include "platform/ui/run.h"

namespace qv::ui::gtk {

// Runs the program on the desktop backend; a module that cannot be loaded
// gives one line naming the file and the loader's reason, and status 2.
int runOnDesktop(const std::string& programName, int argc, char** argv, const ProgramMain& main);

}  // namespace qv::ui::gtk
