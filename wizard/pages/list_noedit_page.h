// PARAM-LIST-NOEDIT: an entry chosen from the list; the script receives the
// entry's value. The choice is shown again when the page reopens.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class ListNoEditPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
