#include "wizard/pages/event_log_page.h"

#include <array>
#include <string_view>

#include "wizard/pages/server_button.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::event_log;

constexpr std::array<EventTypeEntry, 3> kTypes{{{"Error", 1}, {"Warning", 2}, {"Information", 4}}};
constexpr int kInformationEntry = 2;

}  // namespace

std::span<const EventTypeEntry> eventTypeEntries() {
  return kTypes;
}

void EventLogPage::fill(ui::Dialog& dialog) {
  const AnswerStore& a = ctx().state.answers;
  dialog.setText(id::kPc, a.eventLogPc);
  dialog.clearItems(id::kType);
  int shown = 0;  // Error, also while nothing is stored
  for (std::size_t i = 0; i < kTypes.size(); ++i) {
    dialog.addItem(id::kType, kTypes[i].label);
    if (kTypes[i].value == a.eventType) shown = static_cast<int>(i);
  }
  dialog.setSelection(id::kType, shown);
}

bool EventLogPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  int entry = dialog.selection(id::kType);
  if (entry < 0 || entry >= static_cast<int>(kTypes.size())) entry = kInformationEntry;
  a.eventType = kTypes[static_cast<std::size_t>(entry)].value;
  a.eventLogPc = readText(dialog, id::kPc, cap::kServerName);
  return true;
}

void EventLogPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id == ids::kBrowse) searchServerInto(ctx(), dialog, id::kPc, ServerSearchKind::Windows);
}

}  // namespace qv::wizard
