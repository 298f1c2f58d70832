#include "wizard/discovery/search_lines.h"

#include "platform/base/text.h"

namespace qv::wizard {

std::string serverNameText(std::string_view name) {
  return cutToCapacity(name, kServerNameCapacity);
}

void showSearchStatus(ui::Dialog& dialog, int statusId, std::string_view text) {
  dialog.setText(statusId, cutToCapacity(text, kSearchStatusCapacity));
  dialog.repaint(statusId);
}

void showCheckingStatus(ui::Dialog& dialog, int statusId, std::string_view name, long index,
                        long total) {
  const std::string text(name);
  showSearchStatus(dialog, statusId,
                   formatText("Checking %s (%ld of %ld) ...", text.c_str(), index, total));
}

void addFoundServer(ui::Dialog& dialog, int listId, std::string_view name) {
  dialog.addItem(listId, name);
  dialog.repaint(listId);
}

int listServers(ui::Dialog& dialog, int listId, int statusId, os::ServerEnumerator& servers,
                std::string_view searching, const std::function<bool(const std::string&)>& accept) {
  int count = 0;
  dialog.clearItems(listId);
  showSearchStatus(dialog, statusId, searching);

  const os::ServerEnumeration found = servers.enumerateServers();
  if (found.status != os::kEnumSuccess && found.status != os::kEnumMoreData) return 0;

  const long total = static_cast<long>(found.names.size());
  long index = 0;
  for (const std::string& entry : found.names) {
    const std::string name = serverNameText(entry);
    showCheckingStatus(dialog, statusId, name, ++index, total);
    if (!accept(name)) continue;
    addFoundServer(dialog, listId, name);
    ++count;
  }
  return count;
}

}  // namespace qv::wizard
