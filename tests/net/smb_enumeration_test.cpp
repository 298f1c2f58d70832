// The real server enumeration where no browse service answers, as on a test
// machine: it must fail as an enumeration error within a few seconds.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>

#include "platform/os/smb_server_enumeration.h"

namespace qv::os {
namespace {

using Clock = std::chrono::steady_clock;

TEST(SmbServerEnumeration, MissingLibraryFailsAsServiceNotStarted) {
  auto servers = makeNetworkServerEnumerator({"libqv-no-such-smbclient.so.0", 3000});
  for (int search = 0; search < 2; ++search) {  // each search tries again, and fails again
    const ServerEnumeration found = servers->enumerateServers();
    EXPECT_EQ(found.status, kEnumServiceNotStarted);
    EXPECT_TRUE(found.names.empty());
  }
}

TEST(SmbServerEnumeration, NoBrowseServiceFailsWithinSeconds) {
  if (void* library = ::dlopen("libsmbclient.so.0", RTLD_LAZY | RTLD_LOCAL)) {
    ::dlclose(library);
  } else {
    GTEST_SKIP() << "libsmbclient.so.0 is not installed";
  }
  auto servers = makeNetworkServerEnumerator();
  for (int search = 0; search < 2; ++search) {  // a second search sets up afresh
    const auto start = Clock::now();
    const ServerEnumeration found = servers->enumerateServers();
    const auto took = Clock::now() - start;
    if (found.status == kEnumSuccess || found.status == kEnumMoreData) {
      GTEST_SKIP() << "a browse service answered on this network";
    }
    EXPECT_TRUE(found.names.empty());
    EXPECT_LT(took, std::chrono::seconds(10));
  }
}

}  // namespace
}  // namespace qv::os
