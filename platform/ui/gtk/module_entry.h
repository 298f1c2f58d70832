// The desktop backend is a shared module loaded only when selected, so a
// scripted run never links GTK. This is the one entry point it exports.
#pragma once

#include "platform/ui/backend_module.h"

extern "C" {

// A QvBackendEntry: 2 with one line on standard error when no display can be
// opened or a setting is bad.
using QvGtkProgram = QvBackendProgram;
int qv_ui_gtk_run(const char* programName, QvGtkProgram program, void* context);
}

namespace qv::ui::gtk {
inline constexpr const char* kModuleFile = "libqv_ui_gtk.so";
inline constexpr const char* kEntryPoint = "qv_ui_gtk_run";
}  // namespace qv::ui::gtk
