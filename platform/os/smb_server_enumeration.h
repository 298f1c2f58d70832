// The server enumeration of a real network: the servers that the SMB browse
// service knows in this machine's workgroup or domain, asked through Samba's
// client library. The library is loaded when a search first needs it, so
// programs that never search do not pay for it.
#pragma once

#include <memory>
#include <string>

#include "platform/os/server_enumeration.h"

namespace qv::os {

// No browse service answered for the workgroup (the network management
// service's "no browser servers found").
inline constexpr int kEnumNoBrowserServers = 6118;

struct SmbBrowseSettings {
  std::string library = "libsmbclient.so.0";
  // How long the library waits for any one answer of the network.
  int timeoutMs = 3000;
};

// Fails with kEnumServiceNotStarted when the library cannot be loaded or set
// up, and with kEnumNoBrowserServers when no browse service answers.
std::unique_ptr<ServerEnumerator> makeNetworkServerEnumerator(SmbBrowseSettings settings = {});

}  // namespace qv::os
