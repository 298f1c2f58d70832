// The Windows server search proper: fills a dialog's list with the servers of
// this machine's workgroup or domain.
#pragma once

#include "platform/os/server_enumeration.h"
#include "platform/ui/dialog.h"

namespace qv::wizard {

// Empties the list, enumerates once and adds every server delivered (no
// filtering, no removal of duplicates; the list sorts itself), showing
// progress in the status line. Returns the number of servers added, 0 when
// the enumeration failed.
int SearchWindowsServers(ui::Dialog& dialog, int listId, int statusId,
                         os::ServerEnumerator& servers);

}  // namespace qv::wizard
