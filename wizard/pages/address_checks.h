// The checks of an e-mail address field on the e-mail pages: present, not
// the suggested placeholder, and of the form name@domain unless the user
// confirms it.
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace qv::wizard {

struct AddressRule {
  std::string_view missing;             // refusal for an empty address
  std::string_view placeholderRefusal;  // refusal for the placeholder; empty: not looked for
  std::string_view formatQuestion;      // asked when the address has no "@"
};

// The recipient and sender of PARAM-SMTPCONNECTION, and the sender of
// PARAM-SMS-SMTP1.
extern const AddressRule kRecipientRule;
extern const AddressRule kSenderRule;
// The recipient of PARAM-SMS-SMTP1: the provider's own address, so there is
// no placeholder to look for.
extern const AddressRule kGatewayRecipientRule;

// True when the address passes; else a refusal or a question answered No has
// been shown.
bool checkAddress(ui::Ui& ui, std::string_view address, const AddressRule& rule);

}  // namespace qv::wizard
