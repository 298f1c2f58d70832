// The probe of the SMTP server search: can a TCP connection be made to a
// server's SMTP port? Nothing is sent or read; the connection is closed at once.
#pragma once

#include <string_view>

namespace qv::os {

enum class SmtpProbeResult {
  Connected,     // the server accepted the connection
  NotResolved,   // the name has no IPv4 address
  NoSocket,      // no socket could be created
  NotConnected,  // refused, unreachable or given up by the system
};

// Resolves `host` to its first IPv4 address and connects to `port` there: a
// blocking connect with no time-out of its own, so an unreachable host holds
// the caller for the system's connection time-out.
SmtpProbeResult probeSmtpServer(std::string_view host, int port);

}  // namespace qv::os
