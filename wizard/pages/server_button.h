// The "..." button beside a server field: it opens a server search and puts
// the server chosen there into the field.
#pragma once

#include "platform/ui/dialog.h"
#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

enum class ServerSearchKind {
  Windows,  // FIND_SERVER: the servers of the domain
  Smtp,     // FIND_EMAILSERVER: those of them that take mail
};

// "..." stays disabled while the search is open. A chosen server replaces the
// field's text; when none was chosen the field keeps its text.
void searchServerInto(WizardContext& ctx, ui::Dialog& dialog, int fieldId, ServerSearchKind search);

}  // namespace qv::wizard
