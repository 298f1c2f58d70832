#include "wizard/discovery/search_smtp_servers.h"

#include <string>

#include "platform/os/smtp_probe.h"
#include "wizard/discovery/search_lines.h"

namespace qv::wizard {

// Sockets need no start-up on this system, so the search always runs.
int SearchSmtpServers(ui::Dialog& dialog, int listId, int statusId, os::ServerEnumerator& servers,
                      int smtpPort) {
  int count = 0;
  dialog.clearItems(listId);
  showSearchStatus(dialog, statusId, "Searching for e-mail Servers - Please wait ...");

  const os::ServerEnumeration found = servers.enumerateServers();
  if (found.status != os::kEnumSuccess && found.status != os::kEnumMoreData) return 0;

  const long total = static_cast<long>(found.names.size());
  long index = 0;
  for (const std::string& entry : found.names) {
    const std::string name = serverNameText(entry);
    showCheckingStatus(dialog, statusId, name, ++index, total);
    // The name as listed is the name probed: a name cut to its buffer is
    // looked up cut.
    if (os::probeSmtpServer(name, smtpPort) != os::SmtpProbeResult::Connected) continue;
    addFoundServer(dialog, listId, name);
    ++count;
  }
  return count;
}

}  // namespace qv::wizard
