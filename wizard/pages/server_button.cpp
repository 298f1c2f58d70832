#include "wizard/pages/server_button.h"

#include "wizard/discovery/server_search.h"
#include "wizard/res/dialogs/control_ids.h"

namespace qv::wizard {

void searchServerInto(WizardContext& ctx, ui::Dialog& dialog, int fieldId,
                      ServerSearchKind search) {
  // A name left over from an earlier search must not stand for this one's.
  ctx.state.selectedServerName.clear();
  dialog.enable(ids::kBrowse, false);
  if (search == ServerSearchKind::Smtp) {
    openSmtpServerSearch(ctx);
  } else {
    openWindowsServerSearch(ctx);
  }
  dialog.enable(ids::kBrowse, true);
  if (!ctx.state.selectedServerName.empty()) {
    dialog.setText(fieldId, ctx.state.selectedServerName);
  }
}

}  // namespace qv::wizard
