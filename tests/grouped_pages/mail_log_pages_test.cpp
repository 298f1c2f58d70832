// PARAM-SMTPCONNECTION, PARAM-SMTPUSER, PARAM-SYSLOG and PARAM-EVENTLOG: what
// they show on the first visit and on return, their checks in order, and
// what each stores before a later check refuses.
#include <gtest/gtest.h>

#include "tests/grouped_pages/fill_script.h"
#include "tests/grouped_pages/grouped_run.h"
#include "wizard/pages/grouped_texts.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kSmtp = "PARAM-SMTPCONNECTION";

using MailPages = GroupedPages;

TEST_F(MailPages, SmtpConnectionShowsPort25FirstAndTheEnteredValuesOnReturn) {
  Visit v = visit(kSmtp, lookScript(kSmtp));
  ASSERT_VISIT_RAN(v);
  for (const auto& [id, text] : {std::pair{1014, ""}, {1015, "25"}, {1017, ""}, {1016, ""}}) {
    EXPECT_TRUE(v.has(control(id, "edit", text))) << id;
  }
  v = visit(kSmtp, fillScript(kSmtp, {{1014, "mail.corp.example"},
                                      {1015, "2525"},
                                      {1017, "ops@corp.example"},
                                      {1016, "quorvel@corp.example"}}));
  ASSERT_VISIT_RAN(v);
  EXPECT_EQ(v.result, kPageNext);
  v = visit(kSmtp, lookScript(kSmtp));
  EXPECT_TRUE(v.has(control(1014, "edit", "mail.corp.example")));
  EXPECT_TRUE(v.has(control(1015, "edit", "2525")));
  EXPECT_TRUE(v.has(control(1017, "edit", "ops@corp.example")));
  EXPECT_TRUE(v.has(control(1016, "edit", "quorvel@corp.example")));
}

TEST_F(MailPages, SmtpConnectionChecksInOrderAndKeepsWhatItReadBeforeARefusal) {
  struct Case {
    const char* what;
    std::string server, port, recipient, sender;
    std::initializer_list<std::string_view> answers;
    std::string shown;  // the message, or the question, that stops the page; empty: none
    bool ends;
    std::string storedRecipient;  // what the recipient field left in the store
  };
  const std::string ok = "ops@corp.example";
  const std::string from = "quorvel@corp.example";
  const Case cases[] = {
      {"no server", "", "25", ok, from, {"ok"}, warning(msg::kSmtpServerMissing), false, ""},
      {"port cleared", "mail", "", ok, from, {"ok"}, warning(msg::kSmtpPortMissing), false, ""},
      {"port 0", "mail", "0", ok, from, {"ok"}, warning(msg::kSmtpPortMissing), false, ""},
      {"no recipient", "mail", "25", "", from, {"ok"}, warning(msg::kRecipientMissing), false, ""},
      {"suggested recipient",
       "mail",
       "25",
       "Someone@<YourDomain>",
       from,
       {"ok"},
       warning(msg::kRecipientPlaceholder),
       false,
       "Someone@<YourDomain>"},
      {"placeholder in lower case",
       "mail",
       "25",
       "me@yourdomain.com",
       from,
       {"ok"},
       warning(msg::kRecipientPlaceholder),
       false,
       "me@yourdomain.com"},
      {"recipient without @, No",
       "mail",
       "25",
       "admin",
       from,
       {"no"},
       question(msg::kRecipientFormatQuestion, "no"),
       false,
       "admin"},
      {"recipient without @, Yes",
       "mail",
       "25",
       "admin",
       from,
       {"yes"},
       question(msg::kRecipientFormatQuestion, "yes"),
       true,
       "admin"},
      {"no sender", "mail", "25", ok, "", {"ok"}, warning(msg::kSenderMissing), false, ok},
      {"suggested sender",
       "mail",
       "25",
       ok,
       "Quorvel@<YourDomain>",
       {"ok"},
       warning(msg::kSenderPlaceholder),
       false,
       ok},
      {"sender without @, No",
       "mail",
       "25",
       ok,
       "alerts",
       {"no"},
       question(msg::kSenderFormatQuestion, "no"),
       false,
       ok},
      {"sender without @, Yes",
       "mail",
       "25",
       ok,
       "alerts",
       {"yes"},
       question(msg::kSenderFormatQuestion, "yes"),
       true,
       ok},
      {"all in order", "mail", "25", ok, from, {}, "", true, ok},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state = WizardState{};
    const Visit v = visit(
        kSmtp,
        fillScript(kSmtp, {{1014, c.server}, {1015, c.port}, {1017, c.recipient}, {1016, c.sender}},
                   c.answers, c.ends));
    ASSERT_VISIT_RAN(v);
    // Besides the cancel question that leaves a page that stays open.
    EXPECT_EQ(v.count("\"event\":\"message\""), (c.shown.empty() ? 0 : 1) + (c.ends ? 0 : 1));
    if (!c.shown.empty()) {
      EXPECT_TRUE(v.has(c.shown));
    }
    EXPECT_EQ(v.result, c.ends ? kPageNext : kPageQuit);
    EXPECT_EQ(state.answers.smtpServer, c.server);
    EXPECT_EQ(state.answers.recipientAddress, c.storedRecipient);
  }
}

TEST_F(MailPages, BackRunsTheSameChecks) {
  Visit v = visit(kSmtp, fillScript(kSmtp, {}, {"ok"}, false, 1034));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(warning(msg::kSmtpServerMissing)));
  v = visit(kSmtp, fillScript(kSmtp, {{1014, "m"}, {1017, "a@b"}, {1016, "c@d"}}, {}, true, 1034));
  ASSERT_VISIT_RAN(v);
  EXPECT_EQ(v.result, kPageBack);
  EXPECT_EQ(state.answers.smtpPort, 25);
}

TEST_F(MailPages, SmtpUserRefusesAnEmptyUserThenAnEmptyPassword) {
  struct Case {
    std::string user, password;
    std::string_view refusal;
  };
  const Case cases[] = {{"", "secret", msg::kSmtpUserMissing},
                        {"mailer", "", msg::kSmtpPasswordMissing},
                        {"mailer", "secret", {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.user + "/" + c.password);
    state = WizardState{};
    const bool ends = c.refusal.empty();
    const Visit v =
        visit("PARAM-SMTPUSER", fillScript("PARAM-SMTPUSER", {{1007, c.user}, {1018, c.password}},
                                           ends ? std::initializer_list<std::string_view>{}
                                                : std::initializer_list<std::string_view>{"ok"},
                                           ends));
    ASSERT_VISIT_RAN(v);
    if (!ends) {
      EXPECT_TRUE(v.has(warning(c.refusal)));
    }
    EXPECT_EQ(state.answers.userId, c.user);
  }
  const Visit v = visit("PARAM-SMTPUSER", lookScript("PARAM-SMTPUSER"));
  EXPECT_TRUE(v.has(control(1007, "edit", "mailer")));
  EXPECT_TRUE(v.has(control(1018, "edit", "secret")));
}

TEST_F(MailPages, SyslogShowsItsDefaultsUntilValuesAreStored) {
  Visit v = visit("PARAM-SYSLOG", lookScript("PARAM-SYSLOG"));
  ASSERT_VISIT_RAN(v);
  EXPECT_TRUE(v.has(control(1006, "edit", "")));
  EXPECT_TRUE(v.has(control(1015, "edit", "514")));
  EXPECT_TRUE(v.has(control(1047, "edit", "1")));
  EXPECT_TRUE(v.has(control(1011, "edit", "14")));
  state.answers.syslogServer = "loghost";
  state.answers.syslogSeverity = 7;  // port and facility stay at 0: defaults shown
  v = visit("PARAM-SYSLOG", lookScript("PARAM-SYSLOG"));
  EXPECT_TRUE(v.has(control(1006, "edit", "loghost")));
  EXPECT_TRUE(v.has(control(1015, "edit", "514")));
  EXPECT_TRUE(v.has(control(1047, "edit", "7")));
  EXPECT_TRUE(v.has(control(1011, "edit", "14")));
}

TEST_F(MailPages, SyslogRefusesWhatDoesNotConvertToANumberOtherThan0) {
  struct Case {
    std::string server, port, severity, facility;
    std::string_view refusal;
  };
  const Case cases[] = {
      {"", "514", "1", "14", msg::kSyslogServerMissing},
      {"log", "", "1", "14", msg::kSyslogPortMissing},
      {"log", "514", "0", "14", msg::kSyslogSeverityMissing},
      {"log", "514", "high", "14", msg::kSyslogSeverityMissing},
      {"log", "514", "7", "0", msg::kSyslogFacilityMissing},
      {"log", "514", "7", "local0", msg::kSyslogFacilityMissing},
      {"log", "514", "7", "23", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port + "/" + c.severity + "/" + c.facility);
    state = WizardState{};
    const bool ends = c.refusal.empty();
    const Visit v =
        visit("PARAM-SYSLOG",
              fillScript("PARAM-SYSLOG",
                         {{1006, c.server}, {1015, c.port}, {1047, c.severity}, {1011, c.facility}},
                         ends ? std::initializer_list<std::string_view>{}
                              : std::initializer_list<std::string_view>{"ok"},
                         ends));
    ASSERT_VISIT_RAN(v);
    if (!ends) {
      EXPECT_TRUE(v.has(warning(c.refusal)));
    }
    EXPECT_EQ(v.result, ends ? kPageNext : kPageQuit);
    if (ends) {
      EXPECT_EQ(state.answers.syslogSeverity, 7);
      EXPECT_EQ(state.answers.syslogFacility, 23);
    }
  }
}

TEST_F(MailPages, EventLogStoresTheTypeOfTheEntryAndShowsItAgain) {
  struct Case {
    int entry;  // -1: none selected
    std::int32_t stored;
    int shownOnReturn;
  };
  const Case cases[] = {{0, 1, 0}, {1, 2, 1}, {2, 4, 2}, {-1, 4, 2}};
  constexpr std::string_view kItems = "[\"Error\",\"Warning\",\"Information\"]";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    state = WizardState{};
    Visit v = visit("PARAM-EVENTLOG", lookScript("PARAM-EVENTLOG"));
    EXPECT_TRUE(v.has(listState(kItems, 0)));
    // An empty PC name is the local PC, and is accepted.
    v = visit("PARAM-EVENTLOG",
              "dialog PARAM-EVENTLOG\nselect 1032 " + std::to_string(c.entry) + "\nclick 1010\n");
    ASSERT_VISIT_RAN(v);
    EXPECT_EQ(v.result, kPageNext);
    EXPECT_EQ(state.answers.eventType, c.stored);
    EXPECT_EQ(state.answers.eventLogPc, "");
    v = visit("PARAM-EVENTLOG", lookScript("PARAM-EVENTLOG"));
    EXPECT_TRUE(v.has(listState(kItems, c.shownOnReturn)));
  }
}

TEST_F(MailPages, ServerButtonsPutAChosenServerIntoTheirFieldAndKeepItOnCancel) {
  struct Case {
    std::string_view dialog;
    int field;
    std::string_view search;
  };
  const Case cases[] = {{"PARAM-SYSLOG", 1006, "FIND_SERVER"},
                        {"PARAM-EVENTLOG", 1014, "FIND_SERVER"},
                        {"PARAM-SERVER", 1014, "FIND_SERVER"},
                        {"PARAM-SMTPCONNECTION", 1014, "FIND_EMAILSERVER"},
                        {"PARAM-SMS-SMTP1", 1024, "FIND_EMAILSERVER"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    state = WizardState{};
    state.selectedServerName = "STALE";  // from an earlier search: must not be taken
    const std::string field = std::to_string(c.field);
    const Visit v = visit(c.dialog, "dialog " + std::string(c.dialog) + "\nset " + field +
                                        " typed\nclick 3\ndialog " + std::string(c.search) +
                                        "\nclick 2\ndump\n" + std::string(kLeave));
    ASSERT_VISIT_RAN(v);
    const std::size_t dump = v.transcript.find("{\"event\":\"dump\"");
    ASSERT_NE(dump, std::string::npos);
    const std::string after = v.transcript.substr(dump);
    EXPECT_NE(after.find(control(c.field, "edit", "typed")), std::string::npos);
    EXPECT_NE(after.find(control(3, "button", "...") + ",\"enabled\":true"), std::string::npos);
  }
}

TEST_F(MailPages, AServerChosenInTheSearchReplacesTheFieldText) {
  ui::script::ScriptSettings settings;
  settings.servers = std::vector<std::string>{"LOGHOST"};
  const Visit v = visit("PARAM-SYSLOG",
                        "dialog PARAM-SYSLOG\nset 1006 typed\nclick 3\ndialog FIND_SERVER\n"
                        "click 1905\nselect 1904 0\nclick 1\ndump\n" +
                            std::string(kLeave),
                        settings);
  ASSERT_VISIT_RAN(v);
  const std::string after = v.transcript.substr(v.transcript.find("{\"event\":\"dump\""));
  EXPECT_NE(after.find(control(1006, "edit", "LOGHOST")), std::string::npos) << v.transcript;
  EXPECT_NE(after.find(control(3, "button", "...") + ",\"enabled\":true"), std::string::npos);
}

}  // namespace
}  // namespace qv::wizard::test
