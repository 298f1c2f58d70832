// Drawing while a handler blocks: the window system's events that concern
// windows (map, configure, expose, state) are handled at once, while input
// (keys, clicks, pointer, focus, close requests) stays queued for the main
// loop, as it waits on Windows until the handler returns.
#pragma once

#include <gtk/gtk.h>

namespace qv::ui::gtk {

// Handles every pending window event of `display`; input is put back, in
// its order, for the main loop.
void handleWindowEvents(GdkDisplay* display);

// Waits until `window`, just shown, is mapped on screen (a window manager
// may take a moment), handling window events meanwhile; false after
// `timeoutMs`.
bool waitUntilMapped(GtkWindow* window, int timeoutMs);

// Draws what is invalid in `window` now.
void drawInvalid(GtkWindow* window);

}  // namespace qv::ui::gtk
