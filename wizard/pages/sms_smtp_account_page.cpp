#include "wizard/pages/sms_smtp_account_page.h"

#include "wizard/pages/grouped_fields.h"

namespace qv::wizard {

void SmsSmtpAccountPage::fill(ui::Dialog& dialog) {
  showGatewayAccount(dialog, ctx().state.answers);
}

bool SmsSmtpAccountPage::accept(ui::Dialog& dialog) {
  const std::string_view missing = readGatewayAccount(dialog, ctx().state.answers);
  if (!missing.empty()) return refuse(missing);
  return true;
}

}  // namespace qv::wizard
