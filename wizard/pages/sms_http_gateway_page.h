// PARAM-SMS-HTTP1: an SMS gateway reached over HTTP: server, port, method,
// phone number, user and password; a provider named in the template path
// gives the server, port and method to start from.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmsHttpGatewayPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
