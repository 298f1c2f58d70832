// PARAM-SMTPUSER: the user and password that log on to the SMTP server.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmtpUserPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
