// The ODBC data sources defined on this machine, as the driver manager lists
// them: one call that gives a status and the names in the order delivered.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qv::os {

enum class OdbcStatus {
  Ok,              // listed; the list may be empty when none is defined
  CannotAllocate,  // the driver manager gave no environment handle
  FetchError,      // the first fetch reported an error
};

struct OdbcSourceList {
  OdbcStatus status = OdbcStatus::Ok;
  std::vector<std::string> names;  // in the order the driver manager delivers them
};

class OdbcSources {
 public:
  virtual ~OdbcSources() = default;
  virtual OdbcSourceList listDataSources() = 0;
};

// The driver manager (unixODBC): user and system data sources, names cut to
// 99 bytes as a 100-byte buffer holds them.
class DriverManagerSources final : public OdbcSources {
 public:
  OdbcSourceList listDataSources() override;
};

// A fixed answer: the tests' double for a driver manager that lists given
// names or cannot be used.
class ListedOdbcSources final : public OdbcSources {
 public:
  explicit ListedOdbcSources(OdbcSourceList answer) : answer_(std::move(answer)) {}
  OdbcSourceList listDataSources() override { return answer_; }

 private:
  OdbcSourceList answer_;
};

}  // namespace qv::os
