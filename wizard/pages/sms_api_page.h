// PARAM-SMS-API: the API ID that the SMS gateway provider allocated.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmsApiPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
