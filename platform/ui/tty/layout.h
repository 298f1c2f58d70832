// Dialog units to character cells. A cell is about 4 horizontal and 8
// vertical dialog units; pictures shrink to one row, wide empty bands shrink
// to one blank row, and the result is scaled down to fit the space given.
// What still does not fit is scrolled by the view.
#pragma once

#include <vector>

#include "platform/ui/dialog_template.h"

namespace qv::ui::tty {

inline constexpr int kUnitsPerCol = 4;
inline constexpr int kUnitsPerRow = 8;

struct CellRect {
  int row = 0, col = 0, rows = 1, cols = 1;
  int spareRows = 0;  // free rows below, which a text may wrap into
  int bottom() const { return row + rows; }
  int right() const { return col + cols; }
};

struct DialogLayout {
  int rows = 0, cols = 0;          // the dialog's inside, without its frame
  std::vector<CellRect> controls;  // in template order
};

// `maxRows` x `maxCols` is the room inside the frame.
DialogLayout layoutDialog(const DialogTemplate& tpl, int maxRows, int maxCols);

}  // namespace qv::ui::tty
