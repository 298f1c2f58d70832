// PARAM-SYSLOG: the syslog server, its port, the severity and the facility.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class SyslogPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
