// The programs' window icons are the project's icon files, installed into
// the hicolor icon theme (share/icons/hicolor/<size>/apps/<program>.png)
// and found in the data folders as the programs' other data is: the
// installation's own first, then XDG_DATA_DIRS.
#pragma once

#include <string>

namespace qv::ui::gtk {

// Makes the icon files named after the program every window's icon and
// the program's name its window class (as its desktop entry expects).
// Nothing changes when no icon file is found.
void useProgramIcon(const std::string& programName);

// The program's icon files were found and are every window's icon.
bool haveProgramIcon();

}  // namespace qv::ui::gtk
