#include "platform/ui/gtk/art.h"

#include <cairo.h>
#include <gdk/gdk.h>

#include <array>
#include <cmath>
#include <string>

namespace qv::ui::gtk {
namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb kNavy{0.07, 0.19, 0.37};
constexpr Rgb kTeal{0.05, 0.52, 0.58};
constexpr Rgb kWhite{1, 1, 1};

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void text(cairo_t* cr, const char* s, double x, double y, double size, bool bold, Rgb c) {
  cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  setColour(cr, c);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, s);
}

// The product mark: a ring with a tick, as on a monitoring lamp.
void productMark(cairo_t* cr, double cx, double cy, double r, Rgb ring) {
  cairo_set_line_width(cr, r * 0.28);
  setColour(cr, ring);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + r * 0.35, cy + r * 0.35);
  cairo_line_to(cr, cx + r * 1.05, cy + r * 1.05);
  cairo_stroke(cr);
  cairo_set_line_width(cr, r * 0.18);
  cairo_move_to(cr, cx - r * 0.45, cy);
  cairo_line_to(cr, cx - r * 0.1, cy + r * 0.35);
  cairo_line_to(cr, cx + r * 0.5, cy - r * 0.4);
  cairo_stroke(cr);
}

void banner(cairo_t* cr, int w, int h, const char* title, const char* subtitle) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, kNavy.r, kNavy.g, kNavy.b);
  cairo_pattern_add_color_stop_rgb(p, 1, kTeal.r, kTeal.g, kTeal.b);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  // A faint pulse line across the banner.
  setColour(cr, kWhite, 0.18);
  cairo_set_line_width(cr, 2);
  const double base = h * 0.72;
  cairo_move_to(cr, 0, base);
  for (double x = 0; x < w; x += 60) {
    cairo_line_to(cr, x + 20, base);
    cairo_line_to(cr, x + 28, base - h * 0.35);
    cairo_line_to(cr, x + 36, base + h * 0.15);
    cairo_line_to(cr, x + 44, base);
  }
  cairo_stroke(cr);
  const double r = h * 0.26;
  productMark(cr, h * 0.5, h * 0.45, r, kWhite);
  text(cr, title, h * 1.05, h * 0.46, h * 0.26, true, kWhite);
  text(cr, subtitle, h * 1.05, h * 0.76, h * 0.15, false, kWhite);
}

void lamp(cairo_t* cr, int w, int h, Rgb colour) {
  const double cx = w / 2.0, cy = h / 2.0, r = std::min(w, h) * 0.42;
  cairo_pattern_t* p =
      cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 0.35, colour.r, colour.g, colour.b);
  cairo_pattern_add_color_stop_rgb(p, 1, colour.r * 0.5, colour.g * 0.5, colour.b * 0.5);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void productIcon(cairo_t* cr, int w, int h) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(p, 0, kTeal.r, kTeal.g, kTeal.b);
  cairo_pattern_add_color_stop_rgb(p, 1, kNavy.r, kNavy.g, kNavy.b);
  cairo_set_source(cr, p);
  roundedRect(cr, 1, 1, w - 2, h - 2, w * 0.18);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  productMark(cr, w * 0.45, h * 0.45, w * 0.24, kWhite);
}

// A page icon: a sheet with a coloured band and a glyph that differs by name.
void pageIcon(cairo_t* cr, int w, int h, std::string_view name) {
  unsigned hash = 0;
  for (char c : name) hash = hash * 31 + static_cast<unsigned char>(c);
  constexpr std::array<Rgb, 6> kBands{{{0.10, 0.45, 0.75},
                                       {0.12, 0.60, 0.35},
                                       {0.80, 0.45, 0.10},
                                       {0.55, 0.25, 0.65},
                                       {0.70, 0.15, 0.20},
                                       {0.05, 0.52, 0.58}}};
  const Rgb band = kBands[hash % kBands.size()];
  const double fold = w * 0.28;
  cairo_set_source_rgb(cr, 0.98, 0.98, 0.96);
  cairo_move_to(cr, w * 0.15, h * 0.06);
  cairo_line_to(cr, w * 0.85 - fold, h * 0.06);
  cairo_line_to(cr, w * 0.85, h * 0.06 + fold);
  cairo_line_to(cr, w * 0.85, h * 0.94);
  cairo_line_to(cr, w * 0.15, h * 0.94);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.35, 0.35, 0.4);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  setColour(cr, band);
  cairo_rectangle(cr, w * 0.15 + 1, h * 0.62, w * 0.7 - 2, h * 0.18);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0.55, 0.55, 0.6);
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, w * 0.25, h * (0.26 + 0.1 * i), w * (0.4 - 0.08 * (hash >> i & 1)), 1.5);
    cairo_fill(cr);
  }
}

void placeholder(cairo_t* cr, int w, int h) {
  cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, h);
  cairo_move_to(cr, w, 0);
  cairo_line_to(cr, 0, h);
  cairo_stroke(cr);
}

bool isLamp(std::string_view name) {
  return name == "145" || name == "146";
}
bool isProductIcon(std::string_view name) {
  return name == "128" || name == "133";
}
bool isPageIcon(std::string_view name) {
  return !name.empty() && name.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

void pictureSize(PictureKind kind, std::string_view name, int& width, int& height) {
  width = height = 32;
  if (kind == PictureKind::Icon) return;
  if (name == "102") {
    width = 537, height = 80;
  } else if (name == "136") {
    width = 846, height = 84;
  } else if (name == "139") {
    width = 412, height = 101;
  }
}

GdkPixbuf* drawPicture(PictureKind kind, std::string_view name, int width, int height) {
  int w = width, h = height;
  if (w <= 0 || h <= 0) pictureSize(kind, name, w, h);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(surface);
  if (kind == PictureKind::Bitmap) {
    if (name == "102") {
      banner(cr, w, h, "Quorvel Scripting Wizard", "Monitoring and alert scripts from templates");
    } else if (name == "136") {
      banner(cr, w, h, "Quorvel Console Browser", "Monitoring status, alerts and summary");
    } else if (name == "139") {
      banner(cr, w, h, "Quorvel Console Browser", "Connecting to the monitoring server ...");
    } else {
      placeholder(cr, w, h);
    }
  } else if (isLamp(name)) {
    lamp(cr, w, h, name == "145" ? Rgb{0.85, 0.1, 0.1} : Rgb{0.1, 0.75, 0.2});
  } else if (isProductIcon(name)) {
    productIcon(cr, w, h);
  } else if (isPageIcon(name)) {
    pageIcon(cr, w, h, name);
  } else {
    placeholder(cr, w, h);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  GdkPixbuf* pixbuf = gdk_pixbuf_get_from_surface(surface, 0, 0, w, h);
  cairo_surface_destroy(surface);
  return pixbuf;
}

}  // namespace qv::ui::gtk
