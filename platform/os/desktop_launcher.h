// The real Launcher of a desktop session, built on GIO (the desktop's MIME
// associations and URI handlers). It comes with the desktop dialog backends;
// library qv_os_desktop, the only part of platform/os that needs GIO.
#pragma once

#include <memory>

#include "platform/os/launcher.h"

namespace qv::os {

// startProgram: startWindowsCommandLine (program_start.h), the default
//   application for a content type being started through GIO; the window
//   state is dropped (no Linux launcher can pass "maximised" on).
// openAddress: the desktop's handler for the address
//   (g_app_info_launch_default_for_uri); an address without a scheme is taken
//   as a file name.
// findAssociatedProgram: the executable (full path, found on PATH) of the
//   default application for the content type of an existing file, the type
//   being guessed from the file's name as Windows goes by the extension (from
//   its content only when the name tells no type); empty when
//   the file is missing, no application is associated or its executable is
//   not found. Only the executable is given, not the desktop entry's own
//   arguments (an entry whose Exec line starts with "env" or "flatpak" gives
//   that program).
std::unique_ptr<Launcher> makeDesktopLauncher();

}  // namespace qv::os
