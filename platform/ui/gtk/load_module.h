// Finds and loads a dialog backend module beside the program
// (/proc/self/exe's folder, then ../lib/), or in QV_UI_MODULE_DIR. Every
// backend module (desktop, terminal) is found and loaded here.
#pragma once

#include <string>

#include "platform/ui/run.h"

namespace qv::ui {

// A backend module: its file, the one function it exports (with the
// signature of qv_ui_gtk_run) and what to call it in messages.
struct BackendModule {
  const char* file;
  const char* entryPoint;
  const char* description;  // "desktop backend"
};

// Runs the program on the module's backend; a module that cannot be loaded
// gives one line naming the file and the loader's reason, and status 2.
int runInModule(const BackendModule& module, const std::string& programName, int argc, char** argv,
                const ProgramMain& main);

}  // namespace qv::ui

namespace qv::ui::gtk {

int runOnDesktop(const std::string& programName, int argc, char** argv, const ProgramMain& main);

}  // namespace qv::ui::gtk
