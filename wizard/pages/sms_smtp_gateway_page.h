// PARAM-SMS-SMTP1: an SMS gateway reached by e-mail: SMTP server, port, the
// sender and the provider's SMS-by-e-mail address.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmsSmtpGatewayPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
