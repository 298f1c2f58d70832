// PARAM-SERVER: one server the script connects to. Not grouped: each Server
// tag has a page of its own and keeps its answer in its own record.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class ServerPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
