// The terminal backend is a shared module loaded only when selected, so a
// scripted or desktop run never loads curses. This is the one entry point
// it exports.
#pragma once

#include "platform/ui/backend_module.h"

extern "C" {

// A QvBackendEntry: 2 with one line on standard error when there is no
// terminal or a setting is bad.
using QvTtyProgram = QvBackendProgram;
int qv_ui_tty_run(const char* programName, QvTtyProgram program, void* context);
}

namespace qv::ui::tty {
inline constexpr const char* kModuleFile = "libqv_ui_tty.so";
inline constexpr const char* kEntryPoint = "qv_ui_tty_run";
}  // namespace qv::ui::tty
