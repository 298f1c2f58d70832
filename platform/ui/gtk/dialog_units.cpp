#include "platform/ui/gtk/dialog_units.h"

#include <gtk/gtk.h>

namespace qv::ui::gtk {

std::string pangoFontFor(std::string_view /*font*/, int points) {
  // "MS Sans Serif" and "MS Shell Dlg" are both the plain sans dialog font.
  return "Sans " + std::to_string(points > 0 ? points : 8);
}

BaseUnits measureBaseUnits(const std::string& pangoFont) {
  BaseUnits units;
  PangoContext* context = gdk_pango_context_get();
  if (!context) return units;
  PangoFontDescription* description = pango_font_description_from_string(pangoFont.c_str());
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_font_description(layout, description);
  pango_layout_set_text(layout, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", -1);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  // Rounded as the window system rounds: (width / 26 + 1) / 2.
  if (width > 0) units.x = (width / 26 + 1) / 2;
  if (height > 0) units.y = height;
  g_object_unref(layout);
  pango_font_description_free(description);
  g_object_unref(context);
  return units;
}

}  // namespace qv::ui::gtk
