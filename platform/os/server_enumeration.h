// The servers of this machine's workgroup or domain, as one call that gives a
// status and a list of names.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv::os {

// Status codes as the network management service reports them.
inline constexpr int kEnumSuccess = 0;
inline constexpr int kEnumMoreData = 234;
inline constexpr int kEnumServiceNotStarted = 2184;

struct ServerEnumeration {
  int status = kEnumServiceNotStarted;
  std::vector<std::string> names;  // in the order delivered
};

class ServerEnumerator {
 public:
  virtual ~ServerEnumerator() = default;
  virtual ServerEnumeration enumerateServers() = 0;
};

// A fixed list of names, or a failing enumeration when there is none: the
// scripted platform's server list and the tests' double.
class ListedServers final : public ServerEnumerator {
 public:
  explicit ListedServers(std::optional<std::vector<std::string>> names)
      : names_(std::move(names)) {}
  ServerEnumeration enumerateServers() override {
    if (!names_) return {};
    return {kEnumSuccess, *names_};
  }

 private:
  std::optional<std::vector<std::string>> names_;
};

}  // namespace qv::os
