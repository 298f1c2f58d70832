// PARAM-SMS-SMTP2: phone number, user and password of an SMS gateway reached
// by e-mail.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmsSmtpAccountPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
