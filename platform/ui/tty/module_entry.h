// The terminal backend is a shared module loaded only when selected, so a
// scripted or desktop run never loads curses. This is the one entry point
// it exports.
#pragma once

namespace qv::ui {
class Platform;
}

extern "C" {

// Runs `program` on the terminal platform and returns its exit status; 2
// with one line on standard error when there is no terminal or a setting is
// bad, 3 when a script drives the run and it fails.
using QvTtyProgram = int (*)(qv::ui::Platform* platform, void* context);
int qv_ui_tty_run(const char* programName, QvTtyProgram program, void* context);
}

namespace qv::ui::tty {
inline constexpr const char* kModuleFile = "libqv_ui_tty.so";
inline constexpr const char* kEntryPoint = "qv_ui_tty_run";
}  // namespace qv::ui::tty
