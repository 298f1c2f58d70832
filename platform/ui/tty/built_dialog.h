// A dialog template made at run time (message boxes, file choosers), laid
// out in cells and holding the texts its controls point to.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/ui/dialog_template.h"

namespace qv::ui::tty {

class BuiltDialog {
 public:
  BuiltDialog(std::string name, std::string title, int rows, int cols, std::uint32_t style);
  BuiltDialog(const BuiltDialog&) = delete;
  BuiltDialog& operator=(const BuiltDialog&) = delete;

  // Position and size in cells.
  void add(int id, ControlKind kind, std::string text, int row, int col, int rows, int cols,
           std::uint32_t style = cs::kNone);
  const DialogTemplate& tpl();

 private:
  std::string name_, title_;
  int rows_, cols_;
  std::uint32_t style_;
  std::deque<std::string> texts_;  // stable addresses for the controls' views
  std::vector<ControlTemplate> controls_;
  DialogTemplate tpl_{};
};

}  // namespace qv::ui::tty
