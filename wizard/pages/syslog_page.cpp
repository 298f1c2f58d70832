#include "wizard/pages/syslog_page.h"

#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/server_button.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {

namespace id = ids::sys_log;

void SyslogPage::fill(ui::Dialog& dialog) {
  const AnswerStore& a = ctx().state.answers;
  dialog.setText(id::kPort, "514");
  dialog.setText(id::kSeverity, "1");
  dialog.setText(id::kFacility, "14");
  dialog.setText(id::kServer, a.syslogServer);
  showIfStored(dialog, id::kPort, a.syslogPort);
  showIfStored(dialog, id::kSeverity, a.syslogSeverity);
  showIfStored(dialog, id::kFacility, a.syslogFacility);
}

// Text that is no number reads as 0, so it is refused like 0 itself.
bool SyslogPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.syslogServer = readText(dialog, id::kServer, cap::kServerName);
  if (a.syslogServer.empty()) return refuse(msg::kSyslogServerMissing);
  a.syslogPort = readNumber(dialog, id::kPort, kNumberFieldCapacity);
  if (a.syslogPort == 0) return refuse(msg::kSyslogPortMissing);
  a.syslogSeverity = readNumber(dialog, id::kSeverity, kNumberFieldCapacity);
  if (a.syslogSeverity == 0) return refuse(msg::kSyslogSeverityMissing);
  a.syslogFacility = readNumber(dialog, id::kFacility, kNumberFieldCapacity);
  if (a.syslogFacility == 0) return refuse(msg::kSyslogFacilityMissing);
  return true;
}

void SyslogPage::onPageCommand(ui::Dialog& dialog, int id) {
  if (id == ids::kBrowse) searchServerInto(ctx(), dialog, id::kServer, ServerSearchKind::Windows);
}

}  // namespace qv::wizard
