// PARAM-EVENTLOG: the PC whose Application Event Log receives the alert (empty
// for the local PC) and the type of the entry.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "wizard/pages/param_page.h"

namespace qv::wizard {

// The type list's entries, in list order, with the event log's values.
struct EventTypeEntry {
  std::string_view label;
  std::int32_t value;
};
std::span<const EventTypeEntry> eventTypeEntries();

class EventLogPage final : public ParamPage {
 public:
  using ParamPage::ParamPage;

 protected:
  void fill(ui::Dialog& dialog) override;
  bool accept(ui::Dialog& dialog) override;
  void onPageCommand(ui::Dialog& dialog, int id) override;
};

}  // namespace qv::wizard
