// Dialog units to pixels: the base units come from the dialog's font, as the
// window system measures them (average width of the 52 Latin letters, the
// font's height).
#pragma once

#include <string>
#include <string_view>

namespace qv::ui::gtk {

struct BaseUnits {
  int x = 6;
  int y = 13;
  int toPixelsX(int units) const { return (units * x + 2) / 4; }
  int toPixelsY(int units) const { return (units * y + 4) / 8; }
};

// The Pango font that stands for a dialog's font: the classic dialog fonts
// become the desktop's sans font at the same size.
std::string pangoFontFor(std::string_view font, int points);

// Measures the base units of a Pango font description ("Sans 8").
BaseUnits measureBaseUnits(const std::string& pangoFont);

}  // namespace qv::ui::gtk
