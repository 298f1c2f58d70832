#include "platform/ui/gtk/window_events.h"

#include <vector>

namespace qv::ui::gtk {
namespace {

bool concernsWindows(GdkEventType type) {
  switch (type) {
    case GDK_MAP:
    case GDK_UNMAP:
    case GDK_CONFIGURE:
    case GDK_EXPOSE:
    case GDK_VISIBILITY_NOTIFY:
    case GDK_WINDOW_STATE:
    case GDK_PROPERTY_NOTIFY:
    case GDK_DAMAGE:
      return true;
    default:
      return false;
  }
}

}  // namespace

void handleWindowEvents(GdkDisplay* display) {
  std::vector<GdkEvent*> input;
  while (GdkEvent* event = gdk_display_get_event(display)) {
    if (concernsWindows(event->type)) {
      gtk_main_do_event(event);
      gdk_event_free(event);
    } else {
      input.push_back(event);
    }
  }
  for (GdkEvent* event : input) {
    gdk_display_put_event(display, event);
    gdk_event_free(event);
  }
}

bool waitUntilMapped(GtkWindow* window, int timeoutMs) {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window));
  const gint64 end = g_get_monotonic_time() + gint64(timeoutMs) * 1000;
  gdk_display_sync(display);
  for (;;) {
    handleWindowEvents(display);
    GdkWindow* gw = gtk_widget_get_window(GTK_WIDGET(window));
    if (gw && gdk_window_is_viewable(gw) &&
        !(gdk_window_get_state(gw) & GDK_WINDOW_STATE_WITHDRAWN)) {
      return true;
    }
    if (g_get_monotonic_time() >= end) return false;
    g_usleep(5000);
  }
}

void drawInvalid(GtkWindow* window) {
  GdkWindow* gw = gtk_widget_get_window(GTK_WIDGET(window));
  if (!gw || !gtk_widget_get_visible(GTK_WIDGET(window))) return;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gdk_window_process_updates(gw, TRUE);
  G_GNUC_END_IGNORE_DEPRECATIONS
  gdk_display_flush(gdk_window_get_display(gw));
}

}  // namespace qv::ui::gtk
