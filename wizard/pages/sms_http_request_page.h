// PARAM-SMS-HTTP2: the gateway URL with its parameters, and the result code
// and texts that tell success from failure.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SmsHttpRequestPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
