// The SMTP probe on loopback: only an accepted connection counts.
#include "platform/os/smtp_probe.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/net/loopback_listener.h"

namespace qv::os {
namespace {

using test::LoopbackSocket;

TEST(SmtpProbe, ListenerThatSendsNothingCountsAsConnected) {
  LoopbackSocket listener(/*listen=*/true);
  ASSERT_NE(listener.port(), 0);
  EXPECT_EQ(probeSmtpServer("localhost", listener.port()), SmtpProbeResult::Connected);
  EXPECT_EQ(probeSmtpServer("127.0.0.1", listener.port()), SmtpProbeResult::Connected);
}

TEST(SmtpProbe, RefusedPortIsNotConnected) {
  LoopbackSocket bound(/*listen=*/false);  // holds the port so that nothing else listens on it
  ASSERT_NE(bound.port(), 0);
  EXPECT_EQ(probeSmtpServer("localhost", bound.port()), SmtpProbeResult::NotConnected);
}

TEST(SmtpProbe, NamesWithoutAnAddressAreNotResolved) {
  LoopbackSocket listener(/*listen=*/true);
  ASSERT_NE(listener.port(), 0);
  const std::string withNul("localhost\0.invalid", 18);
  for (const std::string& name : {std::string("nonexistent.invalid"), std::string(), withNul}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(probeSmtpServer(name, listener.port()), SmtpProbeResult::NotResolved);
  }
}

TEST(SmtpProbe, PortsOutsideSixteenBitsAreNotConnected) {
  LoopbackSocket listener(/*listen=*/true);
  ASSERT_NE(listener.port(), 0);
  // 65536 more than the listening port would wrap onto it in 16 bits.
  for (const int port : {0, -1, listener.port() + 65536}) {
    SCOPED_TRACE(port);
    EXPECT_EQ(probeSmtpServer("localhost", port), SmtpProbeResult::NotConnected);
  }
}

}  // namespace
}  // namespace qv::os
