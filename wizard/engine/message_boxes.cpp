#include "wizard/engine/message_boxes.h"

#include "wizard/engine/messages.h"

namespace qv::wizard {

void warn(ui::Ui& ui, std::string_view text) {
  ui.messageBox(text, msg::kWizardTitle, ui::MessageIcon::Warning, ui::MessageButtons::Ok);
}

bool askYesNo(ui::Ui& ui, std::string_view text) {
  return ui.messageBox(text, msg::kWizardTitle, ui::MessageIcon::Question,
                       ui::MessageButtons::YesNo) == ui::MessageAnswer::Yes;
}

void inform(ui::Ui& ui, std::string_view text) {
  ui.messageBox(text, msg::kWizardTitle, ui::MessageIcon::Information, ui::MessageButtons::Ok);
}

}  // namespace qv::wizard
