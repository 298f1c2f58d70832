#include "wizard/pages/odbc_page.h"

#include "wizard/engine/message_boxes.h"
#include "wizard/pages/grouped_fields.h"
#include "wizard/pages/grouped_texts.h"
#include "wizard/pages/server_button.h"
#include "wizard/res/dialogs/grouped_page_ids.h"

namespace qv::wizard {
namespace {

namespace id = ids::odbc;

}  // namespace

// A failed listing is told and leaves the list empty; the page opens all the
// same, so a data source name can still be typed.
void OdbcPage::listDataSources(ui::Dialog& dialog) {
  const os::OdbcSourceList list = sources_.listDataSources();
  switch (list.status) {
    case os::OdbcStatus::CannotAllocate:
      warn(ctx().ui(), msg::kOdbcUnavailable);
      return;
    case os::OdbcStatus::FetchError:
      warn(ctx().ui(), msg::kOdbcListFailed);
      return;
    case os::OdbcStatus::Ok:
      break;
  }
  for (const std::string& name : list.names) dialog.addItem(id::kDataSource, name);
}

void OdbcPage::fill(ui::Dialog& dialog) {
  listDataSources(dialog);
  const AnswerStore& a = ctx().state.answers;
  showIfStored(dialog, id::kDataSource, a.odbcDsn);
  showIfStored(dialog, id::kServer, a.odbcServer);
  showIfStored(dialog, id::kDatabase, a.odbcDatabase);
  showIfStored(dialog, ids::logon::kUser, a.userId);
  showIfStored(dialog, ids::logon::kPassword, a.password);
}

bool OdbcPage::accept(ui::Dialog& dialog) {
  AnswerStore& a = ctx().state.answers;
  a.odbcDsn = readText(dialog, id::kDataSource, cap::kOdbcDsn);
  if (a.odbcDsn.empty()) return refuse(msg::kOdbcDsnMissing);
  a.odbcServer = readText(dialog, id::kServer, cap::kServerName);
  a.odbcDatabase = readText(dialog, id::kDatabase, cap::kOdbcDatabase);
  a.userId = readText(dialog, ids::logon::kUser, cap::kUserId);
  a.password = readText(dialog, ids::logon::kPassword, cap::kPassword);
  return true;
}

void OdbcPage::onPageCommand(ui::Dialog& dialog, int command) {
  switch (command) {
    case ids::kBrowse:
      searchServerInto(ctx(), dialog, id::kServer, ServerSearchKind::Windows);
      break;
    case id::kAdministrator:
      // Not waited for, and the list is not read again afterwards.
      if (!ctx().launcher().startProgram(msg::kOdbcAdministratorProgram,
                                         os::WindowState::Maximised)) {
        warn(ctx().ui(), msg::kOdbcAdministratorFailed);
      }
      break;
    default:
      break;
  }
}

int runOdbcPage(WizardContext& ctx, TemplateParam& param, const ui::DialogTemplate& dialog) {
  os::DriverManagerSources sources;
  OdbcPage page(ctx, param, sources);
  return ctx.ui().runModal(dialog, page);
}

}  // namespace qv::wizard
