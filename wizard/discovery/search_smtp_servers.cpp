#include "wizard/discovery/search_smtp_servers.h"

#include "platform/os/smtp_probe.h"
#include "wizard/discovery/search_lines.h"

namespace qv::wizard {

// Sockets need no start-up on this system, so the search always runs.
int SearchSmtpServers(ui::Dialog& dialog, int listId, int statusId, os::ServerEnumerator& servers,
                      int smtpPort) {
  // The name as listed is the name probed: a name cut to its buffer is
  // looked up cut.
  return listServers(dialog, listId, statusId, servers,
                     "Searching for e-mail Servers - Please wait ...",
                     [smtpPort](const std::string& name) {
                       return os::probeSmtpServer(name, smtpPort) == os::SmtpProbeResult::Connected;
                     });
}

}  // namespace qv::wizard
