// PARAM-2OPTION: one of two options; no check.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class OptionPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
