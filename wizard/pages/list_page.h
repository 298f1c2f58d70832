// PARAM-LIST: a label chosen from the list or a text typed into its edit
// field; the script receives that text. An earlier answer is not shown again.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class ListPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
};

}  // namespace qv::wizard
