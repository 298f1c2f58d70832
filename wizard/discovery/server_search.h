// The server searches that the "..." buttons beside server fields open. Each
// leaves the chosen server in state.selectedServerName, empty when the user
// chose none or cancelled.
#pragma once

#include "wizard/shell/wizard_context.h"

namespace qv::wizard {

// FIND_SERVER: the servers of this machine's workgroup or domain. Returns the
// dialog's own result (0 after OK, 1 after Cancel), which callers ignore.
int openWindowsServerSearch(WizardContext& ctx);

// FIND_EMAILSERVER: those servers that accept a connection on the SMTP port.
int openSmtpServerSearch(WizardContext& ctx);

}  // namespace qv::wizard
