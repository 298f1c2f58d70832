// PARAM-EVENTLOG: the PC whose Application Event Log receives the alert (empty
// for the local PC) and the type of the entry.
#pragma once

#include "wizard/pages/param_page.h"

namespace qv::wizard {

class EventLogPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
