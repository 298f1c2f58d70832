#include "wizard/discovery/search_windows_servers.h"

#include "wizard/discovery/search_lines.h"

namespace qv::wizard {

int SearchWindowsServers(ui::Dialog& dialog, int listId, int statusId,
                         os::ServerEnumerator& servers) {
  return listServers(dialog, listId, statusId, servers, "Searching for Servers - Please wait ...",
                     [](const std::string&) { return true; });
}

}  // namespace qv::wizard
