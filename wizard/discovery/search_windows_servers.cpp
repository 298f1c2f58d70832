#include "wizard/discovery/search_windows_servers.h"

#include <string>

#include "wizard/discovery/search_lines.h"

namespace qv::wizard {

int SearchWindowsServers(ui::Dialog& dialog, int listId, int statusId,
                         os::ServerEnumerator& servers) {
  int count = 0;
  dialog.clearItems(listId);
  showSearchStatus(dialog, statusId, "Searching for Servers - Please wait ...");

  const os::ServerEnumeration found = servers.enumerateServers();
  if (found.status != os::kEnumSuccess && found.status != os::kEnumMoreData) return 0;

  const long total = static_cast<long>(found.names.size());
  long index = 0;
  for (const std::string& entry : found.names) {
    const std::string name = serverNameText(entry);
    showCheckingStatus(dialog, statusId, name, ++index, total);
    addFoundServer(dialog, listId, name);
    ++count;
  }
  return count;
}

}  // namespace qv::wizard
