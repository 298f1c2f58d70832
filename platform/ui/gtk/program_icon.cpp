#include "platform/ui/gtk/program_icon.h"

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/os/paths.h"

namespace qv::ui::gtk {

void useProgramIcon(const std::string& programName) {
  g_set_prgname(programName.c_str());
  const std::vector<std::string> folders = os::dataFolders();
  GList* icons = nullptr;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    const std::string name = "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) +
                             "/apps/" + programName + ".png";
    const auto file = os::findInFolders(folders, name);
    if (!file) continue;
    if (GdkPixbuf* icon = gdk_pixbuf_new_from_file(file->c_str(), nullptr)) {
      icons = g_list_append(icons, icon);
    }
  }
  if (!icons) return;
  gtk_window_set_default_icon_list(icons);
  g_list_free_full(icons, g_object_unref);
}

bool haveProgramIcon() {
  GList* icons = gtk_window_get_default_icon_list();
  g_list_free(icons);
  return icons != nullptr;
}

}  // namespace qv::ui::gtk
