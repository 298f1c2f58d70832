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

}  // namespace qv::wizard
