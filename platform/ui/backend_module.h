// Backends that need libraries a scripted run must not load (GTK, a
// terminal library) are shared modules, loaded when selected. Each exports
// one entry point of the type below and is found the same way: in
// QV_UI_MODULE_DIR when that is set, else in the installation's module
// folder relative to the program (bin/../lib/quorvel), which the build tree
// has too.
#pragma once

#include <string>

#include "platform/ui/run.h"

namespace qv::ui {
class Platform;
}

extern "C" {
using QvBackendProgram = int (*)(qv::ui::Platform* platform, void* context);
// Runs `program` on the module's platform and returns its exit status; 2
// with one line on standard error when the backend cannot start or a
// setting is bad, 3 when a script drives the run and it fails.
using QvBackendEntry = int (*)(const char* programName, QvBackendProgram program, void* context);
}

namespace qv::ui {

// The folder the modules are loaded from.
std::string backendModuleFolder();

// Runs the program on the backend in `moduleFile` (for example
// "libqv_ui_gtk.so") through its entry point `entryPoint`. A module that
// cannot be loaded gives one line naming the file and the loader's reason,
// and status 2.
int runOnBackendModule(const std::string& programName, const char* moduleFile,
                       const char* entryPoint, int argc, char** argv, const ProgramMain& main);

}  // namespace qv::ui
