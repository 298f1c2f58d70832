// The SMTP server search proper: fills a dialog's list with those servers of
// this machine's workgroup or domain that accept a connection on the SMTP port.
#pragma once

#include "platform/os/server_enumeration.h"
#include "platform/ui/dialog.h"

namespace qv::wizard {

// Empties the list, enumerates once and probes every server delivered, one
// after the other, each once; adds those that accept the connection. Returns
// the number of servers added, 0 when the enumeration failed.
int SearchSmtpServers(ui::Dialog& dialog, int listId, int statusId, os::ServerEnumerator& servers,
                      int smtpPort);

}  // namespace qv::wizard
