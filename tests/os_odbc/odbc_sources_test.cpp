// The data source listing on the real driver manager (unixODBC) with a
// temporary configuration.
#include "platform/os/odbc_sources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/os_odbc/odbc_config.h"

namespace qv::os {
namespace {

using Names = std::vector<std::string>;

TEST(OdbcSources, ListsTheDefinedSourcesAsDeliveredAndNoneAsAnEmptyList) {
  struct Case {
    const char* what;
    std::initializer_list<std::string_view> defined;
    Names listed;
  };
  const Case cases[] = {
      {"three", {"Metrics", "Alerts", "Inventory"}, {"Metrics", "Alerts", "Inventory"}},
      {"one", {"Quorvel"}, {"Quorvel"}},
      {"none", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::OdbcConfig config(c.defined);
    DriverManagerSources sources;
    const OdbcSourceList list = sources.listDataSources();
    EXPECT_EQ(list.status, OdbcStatus::Ok);
    EXPECT_EQ(list.names, c.listed);
  }
}

TEST(OdbcSources, ANameLongerThanTheBufferIsCutTo99Bytes) {
  const std::string longName(120, 'D');
  test::OdbcConfig config({longName, "Short"});
  DriverManagerSources sources;
  const OdbcSourceList list = sources.listDataSources();
  ASSERT_EQ(list.status, OdbcStatus::Ok);
  ASSERT_EQ(list.names.size(), 2u);
  EXPECT_EQ(list.names[0], std::string(99, 'D'));
  EXPECT_EQ(list.names[1], "Short");
}

}  // namespace
}  // namespace qv::os
