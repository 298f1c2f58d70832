#include "wizard/pages/address_checks.h"

#include "wizard/engine/message_boxes.h"
#include "wizard/engine/wizard_state.h"
#include "wizard/pages/grouped_texts.h"

namespace qv::wizard {

const AddressRule kRecipientRule{msg::kRecipientMissing, msg::kRecipientPlaceholder,
                                 msg::kRecipientFormatQuestion};
const AddressRule kSenderRule{msg::kSenderMissing, msg::kSenderPlaceholder,
                              msg::kSenderFormatQuestion};
const AddressRule kGatewayRecipientRule{msg::kRecipientMissing, {}, msg::kRecipientFormatQuestion};

bool checkAddress(ui::Ui& ui, std::string_view address, const AddressRule& rule) {
  if (address.empty()) {
    warn(ui, rule.missing);
    return false;
  }
  if (!rule.placeholderRefusal.empty() && textContains(address, msg::kPlaceholderWord)) {
    warn(ui, rule.placeholderRefusal);
    return false;
  }
  if (address.find('@') == std::string_view::npos) return askYesNo(ui, rule.formatQuestion);
  return true;
}

}  // namespace qv::wizard
