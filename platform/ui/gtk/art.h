// The programs' pictures (banners, splash, icons, lamps), drawn for this
// project with cairo. Unknown names get a neutral placeholder.
#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <string_view>

namespace qv::ui::gtk {

enum class PictureKind { Icon, Bitmap };

// The picture's own size in pixels.
void pictureSize(PictureKind kind, std::string_view name, int& width, int& height);

// A new picture for the resource `name` at the given size (0 takes the
// picture's own). The caller owns the result.
GdkPixbuf* drawPicture(PictureKind kind, std::string_view name, int width, int height);

}  // namespace qv::ui::gtk
