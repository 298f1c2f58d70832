#include "wizard/discovery/server_search.h"

#include "wizard/discovery/search_dialog.h"
#include "wizard/discovery/search_smtp_servers.h"
#include "wizard/discovery/search_windows_servers.h"
#include "wizard/res/resources.h"

namespace qv::wizard {

int openWindowsServerSearch(WizardContext& ctx) {
  os::ServerEnumerator& servers = ctx.platform.servers();
  return runServerSearchDialog(ctx, res::kFindServer, kWindowsServerLines,
                               [&servers](ui::Dialog& dialog, int listId, int statusId) {
                                 return SearchWindowsServers(dialog, listId, statusId, servers);
                               });
}

int openSmtpServerSearch(WizardContext& ctx) {
  ui::Platform& platform = ctx.platform;
  return runServerSearchDialog(ctx, res::kFindEmailServer, kSmtpServerLines,
                               [&platform](ui::Dialog& dialog, int listId, int statusId) {
                                 return SearchSmtpServers(dialog, listId, statusId,
                                                          platform.servers(),
                                                          platform.smtpProbePort());
                               });
}

}  // namespace qv::wizard
