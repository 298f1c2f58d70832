// PARAM-SERVER, PARAM-DOMAIN and PARAM-ODBC, the last on the real driver
// manager with a temporary configuration and on a listing that fails.
#include <gtest/gtest.h>

#include "tests/grouped_pages/fill_script.h"
#include "tests/grouped_pages/grouped_run.h"
#include "tests/os_odbc/odbc_config.h"
#include "wizard/pages/domain_page.h"
#include "wizard/pages/grouped_texts.h"

namespace qv::wizard::test {
namespace {

using ConnectionPages = GroupedPages;
using Answers = std::initializer_list<std::string_view>;

TEST_F(ConnectionPages, ServerKeepsItsAnswerInItsRecordAndIgnoresDefault) {
  param.defaultValue = "DEFAULTSRV";
  Visit v = visit("PARAM-SERVER", fillScript("PARAM-SERVER", {}, {"ok"}, false));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(control(1014, "edit", "")));
  EXPECT_TRUE(v.has(warning(msg::kServerMissing)));
  EXPECT_TRUE(v.has(control(1044, "static", "Please enter the server you wish to access ...")));
  v = visit("PARAM-SERVER", fillScript("PARAM-SERVER", {{1014, std::string(1200, 's')}}));
  EXPECT_EQ(param.answer, std::string(999, 's'));
  param.answer = "DB01";
  param.question = "Which database server ...";
  v = visit("PARAM-SERVER", lookScript("PARAM-SERVER"));
  EXPECT_TRUE(v.has(control(1014, "edit", "DB01")));
  EXPECT_TRUE(v.has(control(1044, "static", "Which database server ...")));
  EXPECT_TRUE(v.has(control(1043, "static",
                            "This is the name or IP address of the server which the script will "
                            "connect to in order to perform its logic. ")));
}

TEST(DirectoryName, PiecesBetweenDotsAndLineBreaksAndTheFieldBound) {
  std::string ones = "a";
  for (int i = 1; i < 333; ++i) ones += ".a";  // 333 pieces: 333 * 4 + 332 * 2 = 1996 bytes
  struct Case {
    std::string domain;
    std::optional<std::string> dc;  // nullopt: does not fit
    std::size_t size;
  };
  const Case cases[] = {
      {"corp.example.local", "DC=corp, DC=example, DC=local", 29},
      {"MYDOMAIN", "DC=MYDOMAIN", 11},
      {".example..com.", "DC=example, DC=com", 18},
      {"corp\r\nexample", "DC=corp, DC=example", 19},
      {"...", "", 0},
      {ones + "bcd", std::nullopt, 1999},  // fits exactly
      {ones + "bcde", std::nullopt, 0},    // 2000 bytes
      {ones + ".a", std::nullopt, 0},      // 334 pieces, 2002 bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.domain.substr(0, 40));
    const std::optional<std::string> dc = directoryNameOf(c.domain);
    if (c.dc) {
      EXPECT_EQ(dc, c.dc);
    } else {
      EXPECT_EQ(dc.has_value(), c.size != 0);
    }
    if (dc) {
      EXPECT_EQ(dc->size(), c.size);
    }
  }
}

TEST_F(ConnectionPages, DomainStoresTheNameAndItsDirectoryForm) {
  struct Case {
    std::string entered;
    Answers answers;
    bool ends;
    std::string dc;
  };
  const Case cases[] = {
      {"corp.example.local", {}, true, "DC=corp, DC=example, DC=local"},
      {"MYDOMAIN", {"yes"}, true, "DC=MYDOMAIN"},
      {"MYDOMAIN", {"no"}, false, ""},
      {".example..com.", {}, true, "DC=example, DC=com"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entered);
    state = WizardState{};
    const Visit v =
        visit("PARAM-DOMAIN", fillScript("PARAM-DOMAIN", {{1064, c.entered}}, c.answers, c.ends));
    ASSERT_VISIT_RAN(v);
    EXPECT_EQ(v.has(messageEvent(msg::kDomainFormatQuestion)), c.answers.size() == 1);
    EXPECT_EQ(state.answers.domainName, c.ends ? c.entered : "");
    EXPECT_EQ(state.answers.domainDc, c.dc);
  }
}

TEST_F(ConnectionPages, DomainReplacesBothTextsOnReturnOrKeepsBothWhenRefused) {
  Visit v = visit("PARAM-DOMAIN", fillScript("PARAM-DOMAIN", {{1064, "corp.example.local"}}));
  ASSERT_VISIT_RAN(v);
  v = visit("PARAM-DOMAIN", "dialog PARAM-DOMAIN\ndump\nset 1064 sales.local\nclick 1034\n");
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(control(1064, "edit", "corp.example.local")));
  EXPECT_EQ(v.result, kPageBack);
  EXPECT_EQ(state.answers.domainName, "sales.local");
  EXPECT_EQ(state.answers.domainDc, "DC=sales, DC=local");

  // 500 one-letter pieces would give a directory form of 2998 bytes.
  std::string tooMany = "a";
  for (int i = 1; i < 500; ++i) tooMany += ".a";
  v = visit("PARAM-DOMAIN", fillScript("PARAM-DOMAIN", {{1064, tooMany}}, {"ok"}, false));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(warning(msg::kDomainTooLong)));
  EXPECT_EQ(state.answers.domainName, "sales.local");
  EXPECT_EQ(state.answers.domainDc, "DC=sales, DC=local");
  v = visit("PARAM-DOMAIN", fillScript("PARAM-DOMAIN", {{1064, ""}}, {"ok"}, false));
  EXPECT_TRUE(v.has(warning(msg::kDomainMissing)));
}

// The data source combo box: its edit text, entries and selection.
std::string dataSources(std::string_view text, std::string_view itemsJson) {
  return control(1054, "combo", text) + ",\"enabled\":true,\"visible\":true," +
         listState(itemsJson, -1);
}

TEST_F(ConnectionPages, OdbcListsTheDefinedSourcesSortedAndShowsTheStoredOneOnReturn) {
  qv::test::OdbcConfig config({"Metrics", "alerts", "Inventory"});
  os::DriverManagerSources sources;
  Visit v = visitOdbc(sources, "dialog PARAM-ODBC\nset 1054 Inventory\nclick 1010\n");
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(dataSources("", "[\"alerts\",\"Inventory\",\"Metrics\"]"))) << v.transcript;
  EXPECT_FALSE(v.has("\"event\":\"message\""));
  EXPECT_EQ(v.result, kPageNext);
  EXPECT_EQ(state.answers.odbcDsn, "Inventory");
  v = visitOdbc(sources, lookScript("PARAM-ODBC"));
  EXPECT_TRUE(v.has(dataSources("Inventory", "[\"alerts\",\"Inventory\",\"Metrics\"]")));
}

TEST_F(ConnectionPages, OdbcWithNoSourceDefinedListsNothingAndSaysNothing) {
  qv::test::OdbcConfig config({});
  os::DriverManagerSources sources;
  const Visit v = visitOdbc(sources, lookScript("PARAM-ODBC"));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(dataSources("", "[]")));
  EXPECT_EQ(v.count("\"event\":\"message\""), 1);  // the cancel question only
}

TEST_F(ConnectionPages, AFailedListingIsToldAndATypedNameIsStillTaken) {
  struct Case {
    os::OdbcStatus status;
    std::string_view message;
  };
  const Case cases[] = {{os::OdbcStatus::CannotAllocate, msg::kOdbcUnavailable},
                        {os::OdbcStatus::FetchError, msg::kOdbcListFailed}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    state = WizardState{};
    state.answers.userId = "kept";
    os::ListedOdbcSources sources({c.status, {}});
    // The warning comes while the page opens, before it waits for the user.
    const Visit v = visitOdbc(sources,
                              "answer ok\ndialog PARAM-ODBC\nset 1054 QuorvelDB\n"
                              "set 1007 \nclick 1010\n");
    ASSERT_VISIT_RAN(v);
    EXPECT_TRUE(v.has(warning(c.message)));
    EXPECT_TRUE(v.has(dataSources("", "[]")));
    EXPECT_EQ(v.result, kPageNext);
    EXPECT_EQ(state.answers.odbcDsn, "QuorvelDB");
    // Server, database, user and password may all be empty.
    EXPECT_EQ(state.answers.userId, "");
  }
}

TEST_F(ConnectionPages, OdbcNeedsADataSourceNameOnly) {
  os::ListedOdbcSources sources({os::OdbcStatus::Ok, {"B", "A"}});
  Visit v = visitOdbc(sources, fillScript("PARAM-ODBC", {{1014, "DBSRV"}}, {"ok"}, false));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(warning(msg::kOdbcDsnMissing)));
  EXPECT_EQ(state.answers.odbcServer, "");  // nothing after the refused name was read
  v = visitOdbc(sources, "dialog PARAM-ODBC\nselect 1054 0\nclick 1034\n");
  EXPECT_EQ(v.result, kPageBack);
  EXPECT_EQ(state.answers.odbcDsn, "A");
}

TEST_F(ConnectionPages, TheAdministratorIsStartedByNameAndAFailureIsTold) {
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails);
    ui::script::ScriptSettings settings;
    settings.launchFails = fails;
    os::ListedOdbcSources sources({os::OdbcStatus::Ok, {}});
    const Visit v = visitOdbc(sources,
                              "dialog PARAM-ODBC\nclick 4\n" +
                                  std::string(fails ? "answer ok\n" : "") + std::string(kLeave),
                              settings);
    ASSERT_VISIT_RAN(v);
    EXPECT_TRUE(v.has("{\"event\":\"launch\",\"command\":\"ODBCAD32.EXE\",\"ok\":" +
                      std::string(fails ? "false" : "true")));
    EXPECT_EQ(v.has(warning(msg::kOdbcAdministratorFailed)), fails);
  }
}

}  // namespace
}  // namespace qv::wizard::test
