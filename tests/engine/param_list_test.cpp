// The type table, the list operations, the state reset and the text search.
#include <gtest/gtest.h>

#include <string>

#include "wizard/engine/param_list.h"
#include "wizard/engine/template_param.h"
#include "wizard/engine/wizard_state.h"

namespace qv::wizard {
namespace {

struct TypeCase {
  const char* name;
  ParamKind kind;
  bool grouped;
};

TEST(TypeTableTest, NamesSelectTheirKindWithoutRegardToCase) {
  const TypeCase cases[] = {
      {"Text", ParamKind::Text, false},
      {"text", ParamKind::Text, false},
      {"LIST", ParamKind::List, false},
      {"Option", ParamKind::Option, false},
      {"MessageTitle", ParamKind::Message, true},
      {"messagetext", ParamKind::Message, true},
      {"File", ParamKind::File, false},
      {"Directory", ParamKind::Directory, false},
      {"EventType", ParamKind::EventLog, true},
      {"SMTPFromEmail", ParamKind::SmtpConnection, true},
      {"SMTPPassword", ParamKind::SmtpLogon, true},
      {"WAVFile", ParamKind::WavFile, false},
      {"SysLogFacility", ParamKind::Syslog, true},
      {"SMSHTTPPassword", ParamKind::SmsHttpGateway, true},
      {"SMSHTTPFailureText", ParamKind::SmsHttpRequest, true},
      {"SMSSMTPFromEmail", ParamKind::SmsSmtpGateway, true},
      {"SMSSMTPPassword", ParamKind::SmsSmtpAccount, true},
      {"RunCommand", ParamKind::RunCommand, false},
      {"SMSAPIID", ParamKind::SmsApi, true},
      {"Server", ParamKind::Server, false},
      {"ODBCPassword", ParamKind::Odbc, true},
      {"DomainDC", ParamKind::Domain, true},
      {"Domain", ParamKind::Domain, true},
      // Whole words only: no blanks, no prefixes, nothing empty.
      {" Text", ParamKind::None, false},
      {"Tex", ParamKind::None, false},
      {"Texts", ParamKind::None, false},
      {"", ParamKind::None, false},
  };
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(kindForTypeName(c.name), c.kind);
    EXPECT_EQ(isGroupedKind(c.kind), c.grouped);
  }
}

TEST(TypeTableTest, PageResourceFollowsKindAndNoEdit) {
  TemplateParam param;
  param.kind = ParamKind::List;
  EXPECT_EQ(pageResourceFor(param), "PARAM-LIST");
  param.noEdit = 1;
  EXPECT_EQ(pageResourceFor(param), "PARAM-LIST-NOEDIT");
  param.kind = ParamKind::SmtpLogon;
  EXPECT_EQ(pageResourceFor(param), "PARAM-SMTPUSER");
  param.kind = ParamKind::Option;
  EXPECT_EQ(pageResourceFor(param), "PARAM-2OPTION");
  param.kind = ParamKind::None;
  EXPECT_EQ(pageResourceFor(param), "");
}

TEST(ParamListTest, RecordsAreAppendedInOrderWithFreshFields) {
  WizardState state;
  for (int i = 0; i < 3; ++i) appendRecord(state).kind = ParamKind::File;
  EXPECT_EQ(state.paramCount, 3);
  const TemplateParam* first = recordAt(state.paramList, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->ordinal, 1);
  EXPECT_EQ(first->selection, kNoSelection);
  EXPECT_FALSE(first->question.has_value());
  EXPECT_EQ(recordAt(state.paramList, 3)->ordinal, 3);
  EXPECT_EQ(recordAt(state.paramList, 3), state.paramList.tail);
  // Positions of 1 or less give the first record; past the end none.
  EXPECT_EQ(recordAt(state.paramList, 0), first);
  EXPECT_EQ(recordAt(state.paramList, -5), first);
  EXPECT_EQ(recordAt(state.paramList, 4), nullptr);
  EXPECT_EQ(recordAt(ParamList{}, 1), nullptr);
}

TEST(ParamListTest, CopyTextKeepsAbsenceAndAppendsToQuestions) {
  std::optional<std::string> field = "old";
  copyText(field, std::nullopt, true);
  EXPECT_FALSE(field.has_value());
  copyText(field, std::string("Name"), true);
  EXPECT_EQ(field, "Name ...");
  copyText(field, std::string(""), true);
  EXPECT_EQ(field, " ...");
  copyText(field, std::string("help"));
  EXPECT_EQ(field, "help");
}

TEST(ParamListTest, ListItemCountsFromZero) {
  struct Case {
    const char* joined;
    int index;
    const char* item;
  } const cases[] = {
      {"1,0", 0, "1"}, {"1,0", 1, "0"},  {"1,0", 2, ""}, {"1,0", -1, ""},     {"1,0", -99999, ""},
      {"a,,c", 1, ""}, {"a,,c", 2, "c"}, {"", 0, ""},    {"only", 0, "only"}, {"x,y,", 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.joined) + " @ " + std::to_string(c.index));
    EXPECT_EQ(listItem(c.joined, c.index), c.item);
  }
}

TEST(ParamListTest, ReleasingALongListDoesNotRecurse) {
  WizardState state;
  // Deep enough that releasing record by record through nested destructors
  // would exhaust the stack.
  for (int i = 0; i < 500000; ++i) appendRecord(state).answer = "x";
  state.releaseParamList();
  EXPECT_TRUE(state.paramList.empty());
  EXPECT_EQ(state.paramList.tail, nullptr);
  // The list can be built again after the release.
  appendRecord(state);
  EXPECT_EQ(state.paramList.head.get(), state.paramList.tail);
}

TEST(WizardStateTest, ResetKeepsTheDomainAndWhatTheResetDoesNotOwn) {
  WizardState state;
  state.templatePath = "/t/a.vbt";
  state.targetPath = "/t/a.vbs";
  state.templateFolder = "/t";
  state.answers.domainName = "CORP";
  state.answers.domainDc = "DC=corp,DC=local";
  state.answers.userId = "admin";
  state.answers.smtpPort = 25;
  state.answers.messageText = "Alert";
  state.seen[static_cast<int>(ParamKind::Odbc)] = true;
  state.pageIndex = 4;
  state.paramCount = 7;
  state.lineCount = 40;
  state.todoFound = 1;
  state.editExisting = 1;
  state.callingParams = "/s";
  state.selectedServerName = "SRV1";
  appendRecord(state);

  state.reset();

  EXPECT_EQ(state.templatePath, "");
  EXPECT_EQ(state.targetPath, "");
  EXPECT_EQ(state.templateFolder, "");
  EXPECT_EQ(state.answers.domainName, "CORP");
  EXPECT_EQ(state.answers.domainDc, "DC=corp,DC=local");
  EXPECT_EQ(state.answers.userId, "");
  EXPECT_EQ(state.answers.smtpPort, 0);
  EXPECT_EQ(state.answers.messageText, "");
  EXPECT_FALSE(state.seen[static_cast<int>(ParamKind::Odbc)]);
  EXPECT_EQ(state.pageIndex, 0);
  EXPECT_EQ(state.paramCount, 0);
  EXPECT_EQ(state.lineCount, 40);
  EXPECT_EQ(state.todoFound, 1);
  EXPECT_EQ(state.editExisting, 1);
  EXPECT_EQ(state.callingParams, "/s");
  EXPECT_EQ(state.selectedServerName, "SRV1");
  EXPECT_FALSE(state.paramList.empty());  // released separately by the caller
}

TEST(WizardStateTest, TextContainsIgnoresCaseAndRejectsEmptyTexts) {
  struct Case {
    const char* text;
    const char* search;
    bool found;
  } const cases[] = {
      {"C:\\Templates\\CLICKATELL\\sms.vbt", "clickatell", true},
      {"script.VBT", ".vbt", true},
      {"abc", "abcd", false},
      {"ab", "b", true},
      {"", "a", false},
      {"abc", "", false},
      {"a.vb", ".vbt", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.search);
    EXPECT_EQ(textContains(c.text, c.search), c.found);
  }
}

}  // namespace
}  // namespace qv::wizard
