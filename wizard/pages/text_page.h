// PARAM-TEXT: a free-text answer, optionally numeric or of limited length.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class TextPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
