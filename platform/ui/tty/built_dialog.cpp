#include "platform/ui/tty/built_dialog.h"

#include "platform/ui/tty/layout.h"

namespace qv::ui::tty {

BuiltDialog::BuiltDialog(std::string name, std::string title, int rows, int cols,
                         std::uint32_t style)
    : name_(std::move(name)), title_(std::move(title)), rows_(rows), cols_(cols), style_(style) {}

void BuiltDialog::add(int id, ControlKind kind, std::string text, int row, int col, int rows,
                      int cols, std::uint32_t style) {
  texts_.push_back(std::move(text));
  controls_.push_back({id, kind, texts_.back(), col * kUnitsPerCol, row * kUnitsPerRow,
                       cols * kUnitsPerCol, rows * kUnitsPerRow, style});
}

const DialogTemplate& BuiltDialog::tpl() {
  tpl_ = {name_, title_,   cols_ * kUnitsPerCol, rows_ * kUnitsPerRow, style_, "MS Shell Dlg",
          8,     controls_};
  return tpl_;
}

}  // namespace qv::ui::tty
