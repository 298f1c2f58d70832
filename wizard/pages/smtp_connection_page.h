// PARAM-SMTPCONNECTION: the SMTP server, its port, the recipient and the sender
// of alert e-mails.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmtpConnectionPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
