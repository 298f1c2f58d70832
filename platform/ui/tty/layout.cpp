#include "platform/ui/tty/layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qv::ui::tty {
namespace {

bool isPicture(ControlKind kind) {
  return kind == ControlKind::Icon || kind == ControlKind::Bitmap;
}

// Controls drawn on one row whatever their height.
bool isOneRow(const ControlTemplate& c) {
  switch (c.kind) {
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
    case ControlKind::Combo:
    case ControlKind::Progress:
    case ControlKind::Icon:
    case ControlKind::Bitmap:
      return true;
    case ControlKind::Edit:
      return (c.style & cs::kMultiLine) == 0;
    case ControlKind::Static:
      return c.h <= 12;
    default:
      return false;
  }
}

int minRows(ControlKind kind) {
  switch (kind) {
    case ControlKind::WebView:
      return 3;
    case ControlKind::List:
    case ControlKind::Group:
      return 2;
    default:
      return 1;
  }
}

// A combo box's height in the template includes its dropped-down list.
constexpr int kComboFieldUnits = 12;

// The vertical extent a control needs: a picture needs one text row, a
// combo box its field.
std::pair<int, int> extent(const ControlTemplate& c) {
  if (c.kind == ControlKind::Combo) return {c.y, c.y + std::min(c.h, kComboFieldUnits)};
  if (isPicture(c.kind)) {
    // The picture's middle row, which lines a lamp up with its label.
    const int middle = c.y + std::max(c.h, kUnitsPerRow) / 2;
    return {middle - kUnitsPerRow / 2, middle + kUnitsPerRow / 2};
  }
  return {c.y, c.y + std::max(c.h, 1)};
}

// Maps template y to compressed y: every band no control covers that is
// wider than one row shrinks to one row.
class BandCompression {
 public:
  explicit BandCompression(const DialogTemplate& tpl) {
    std::vector<std::pair<int, int>> spans;
    for (const ControlTemplate& c : tpl.controls) spans.push_back(extent(c));
    std::sort(spans.begin(), spans.end());
    int covered = 0;  // the end of the spans seen so far
    for (const auto& [top, bottom] : spans) {
      if (top - covered > kUnitsPerRow) gaps_.push_back({covered, top - covered - kUnitsPerRow});
      covered = std::max(covered, bottom);
    }
    if (tpl.h - covered > kUnitsPerRow) gaps_.push_back({covered, tpl.h - covered - kUnitsPerRow});
  }
  double map(int y) const {
    int removed = 0;
    for (const auto& [start, cut] : gaps_) {
      if (y > start) removed += std::min(cut, y - start);
    }
    return y - removed;
  }

 private:
  std::vector<std::pair<int, int>> gaps_;  // where a gap starts, how much of it goes
};

int cellOf(double units, double perCell) {
  return static_cast<int>(std::lround(units / perCell));
}

DialogLayout place(const DialogTemplate& tpl, const BandCompression& bands, double scaleY,
                   double scaleX, bool& collides) {
  DialogLayout out;
  const double perRow = kUnitsPerRow / scaleY;
  const double perCol = kUnitsPerCol / scaleX;
  out.cols = std::max(1, cellOf(tpl.w, perCol));
  out.rows = std::max(1, cellOf(bands.map(tpl.h), perRow));
  std::vector<bool> forced;
  for (const ControlTemplate& c : tpl.controls) {
    const auto [top, bottom] = extent(c);
    const double y0 = bands.map(top);
    const double y1 = bands.map(bottom);
    CellRect r;
    int w = c.w;
    if (w <= 0) w = tpl.w - c.x;  // a picture at its natural size
    r.col = cellOf(c.x, perCol);
    r.cols = cellOf(c.x + w, perCol) - r.col;
    const int rowTop = cellOf(y0, perRow);
    const int rowEnd = cellOf(y1, perRow);
    // What reaches past the dialog's edge is cut there, as a window cuts it.
    r.col = std::min(r.col, out.cols - 1);
    r.cols = std::min(r.cols, out.cols - r.col);
    bool grown = r.cols < 1;
    r.cols = std::max(r.cols, 1);
    if (isOneRow(c)) {
      // The row through the control's middle lines labels up with fields.
      r.row = static_cast<int>(std::floor((y0 + y1) / 2 / perRow));
      r.row = std::clamp(r.row, rowTop, std::max(rowTop, rowEnd - 1));
      r.rows = 1;
      grown = grown || rowEnd <= rowTop;
    } else {
      r.row = rowTop;
      r.rows = rowEnd - rowTop;
      if (r.rows < minRows(c.kind)) {
        r.rows = minRows(c.kind);
        grown = true;
      }
    }
    out.controls.push_back(r);
    forced.push_back(grown);
    out.rows = std::max(out.rows, r.bottom());
  }
  // Edges are rounded the same way, so controls apart in the template stay
  // apart in cells unless one had to grow; check those.
  collides = false;
  for (std::size_t i = 0; i < out.controls.size() && !collides; ++i) {
    if (!forced[i]) continue;
    const CellRect& a = out.controls[i];
    for (std::size_t j = 0; j < out.controls.size(); ++j) {
      if (i == j) continue;
      const CellRect& b = out.controls[j];
      const ControlTemplate& ca = tpl.controls[i];
      const ControlTemplate& cb = tpl.controls[j];
      const auto [aTop, aBottom] = extent(ca);
      const auto [bTop, bBottom] = extent(cb);
      const bool apartInTemplate =
          ca.x + ca.w <= cb.x || cb.x + cb.w <= ca.x || aBottom <= bTop || bBottom <= aTop;
      const bool overlap =
          a.col < b.right() && b.col < a.right() && a.row < b.bottom() && b.row < a.bottom();
      if (apartInTemplate && overlap) {
        collides = true;
        break;
      }
    }
  }
  return out;
}

DialogLayout layoutScaled(const DialogTemplate& tpl, int maxRows, int maxCols) {
  const BandCompression bands(tpl);
  const double naturalCols = static_cast<double>(tpl.w) / kUnitsPerCol;
  const double scaleX = naturalCols > maxCols ? maxCols / naturalCols : 1.0;
  bool collides = false;
  DialogLayout best = place(tpl, bands, 1.0, scaleX, collides);
  if (collides || best.rows <= maxRows) return best;
  // Smaller vertical scales until it fits; one where controls would run into
  // each other is never taken, so what does not fit then scrolls.
  for (double scaleY = 0.98; scaleY >= 0.4; scaleY -= 0.02) {
    DialogLayout candidate = place(tpl, bands, scaleY, scaleX, collides);
    if (collides) continue;
    best = std::move(candidate);
    if (best.rows <= maxRows) break;
  }
  return best;
}

// Rows below each text that no other control takes: a label whose words
// need more rows than its rectangle uses them (the terminal's font is
// wider than the desktop's).
void findSpareRows(const DialogTemplate& tpl, DialogLayout& layout) {
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    if (tpl.controls[i].kind != ControlKind::Static) continue;
    CellRect& r = layout.controls[i];
    int limit = layout.rows;
    for (std::size_t j = 0; j < layout.controls.size(); ++j) {
      const CellRect& o = layout.controls[j];
      if (i == j || o.col >= r.right() || r.col >= o.right()) continue;
      if (tpl.controls[j].kind == ControlKind::Group && o.row < r.row) {
        limit = std::min(limit, o.bottom() - 1);  // inside the box
      } else if (o.row >= r.bottom()) {
        limit = std::min(limit, o.row);
      }
    }
    r.spareRows = std::max(0, limit - r.bottom());
  }
}

}  // namespace

DialogLayout layoutDialog(const DialogTemplate& tpl, int maxRows, int maxCols) {
  DialogLayout layout = layoutScaled(tpl, maxRows, maxCols);
  findSpareRows(tpl, layout);
  return layout;
}

}  // namespace qv::ui::tty
