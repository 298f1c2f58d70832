// The wizard's message boxes: all titled "Quorvel Scripting Wizard" and owned
// by the window that has the focus.
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace qv::wizard {

// A refusal: warning icon, OK.
void warn(ui::Ui& ui, std::string_view text);
// A question: question icon, Yes and No; true for Yes.
bool askYesNo(ui::Ui& ui, std::string_view text);
// A notice: information icon, OK.
void inform(ui::Ui& ui, std::string_view text);

}  // namespace qv::wizard
