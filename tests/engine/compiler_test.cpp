// The compiler: tags and attributes into records, the TODO marker, and the
// report of the first faulty tag.
#include "wizard/engine/compiler.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/engine/engine_support.h"
#include "wizard/engine/compile_report.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/param_list.h"

namespace qv::wizard {
namespace {

using test::fixture;
using test::runWithUi;

// Compiles a fixture that needs no dialog; the result and the state.
struct Compiled {
  bool ok = false;
  WizardState state;
};

Compiled compileQuietly(const std::string& name) {
  Compiled c;
  c.state.templatePath = fixture(name);
  const auto run = runWithUi("", [&](ui::Ui& ui) { c.ok = compileTemplate(c.state, ui); });
  EXPECT_EQ(run.exitCode, 0) << run.transcript;
  return c;
}

std::optional<std::string> text(const char* value) {
  return value ? std::optional<std::string>(value) : std::nullopt;
}

struct ExpectedRecord {
  ParamKind kind;
  const char* question;
  const char* help;
  const char* defaultValue;
  int maxLength;
  int numericOnly, noEdit, generateName;
  const char* labels = nullptr;
  const char* values = nullptr;
  const char* option2Label = nullptr;
  const char* option2Value = nullptr;
};

TEST(CompilerTest, AttributesAreReadInAnyOrderAndGroupsMadeOnce) {
  const ExpectedRecord expected[] = {
      {ParamKind::Text, "Your name ...", "Shown below", "Fred", 12, 1, 0, 0},
      // A repeated attribute: the later counts; flags do not carry over.
      {ParamKind::Text, "Later wins ...", nullptr, nullptr, 0, 0, 0, 0},
      // "Type=" need not come first; a piece after the ">" still counts.
      {ParamKind::File, nullptr, "first", "after the tag", 0, 0, 0, 1},
      // Flags are recognised by their beginning.
      {ParamKind::List, "Pick ...", nullptr, nullptr, 0, 0, 1, 0, "Yes,No", "1,0"},
      // Empty items and an item without a label are skipped; a second "="
      // ends the value; blanks are kept.
      {ParamKind::List, "Colour ...", nullptr, nullptr, -3, 0, 0, 0, "A, B ", "A,b"},
      {ParamKind::Option, "Choose ...", nullptr, nullptr, 0, 0, 0, 0, "On", "1", "", ""},
      // The three SMTP tags make one record at the first; the Text tag after
      // another tag on its line is not compiled.
      {ParamKind::SmtpConnection, nullptr, nullptr, nullptr, 0, 0, 0, 0},
      {ParamKind::Directory, " ...", nullptr, nullptr, 0, 0, 0, 0},
      {ParamKind::Message, nullptr, nullptr, nullptr, 0, 0, 0, 0},
      {ParamKind::WavFile, nullptr, nullptr, "", 0, 0, 0, 0},
  };
  const Compiled c = compileQuietly("attributes.vbt");
  ASSERT_TRUE(c.ok);
  EXPECT_EQ(c.state.lineCount, 15);
  EXPECT_EQ(c.state.paramCount, static_cast<int>(std::size(expected)));
  EXPECT_EQ(c.state.todoFound, 0);

  const TemplateParam* record = c.state.paramList.head.get();
  int ordinal = 0;
  for (const ExpectedRecord& e : expected) {
    ++ordinal;
    SCOPED_TRACE("record " + std::to_string(ordinal));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ordinal, ordinal);
    EXPECT_EQ(record->kind, e.kind);
    EXPECT_EQ(record->question, text(e.question));
    EXPECT_EQ(record->help, text(e.help));
    EXPECT_EQ(record->defaultValue, text(e.defaultValue));
    EXPECT_EQ(record->maxLength, e.maxLength);
    EXPECT_EQ(record->numericOnly, e.numericOnly);
    EXPECT_EQ(record->noEdit, e.noEdit);
    EXPECT_EQ(record->generateName, e.generateName);
    EXPECT_EQ(record->choiceLabels, text(e.labels));
    EXPECT_EQ(record->choiceValues, text(e.values));
    EXPECT_EQ(record->option2Label, text(e.option2Label));
    EXPECT_EQ(record->option2Value, text(e.option2Value));
    EXPECT_EQ(record->answer, std::nullopt);
    EXPECT_EQ(record->selection, kNoSelection);
    record = record->next.get();
  }
  EXPECT_EQ(record, nullptr);
  EXPECT_TRUE(c.state.seen[static_cast<int>(ParamKind::SmtpConnection)]);
  EXPECT_TRUE(c.state.seen[static_cast<int>(ParamKind::Message)]);
}

TEST(CompilerTest, TodoIsNoticedOnlyBeforeACompiledTag) {
  const struct {
    const char* name;
    int todoFound;
    int records;
  } cases[] = {
      {"todo_before.vbt", 1, 1},
      {"todo_after.vbt", 0, 1},
      {"todo_after_ignored.vbt", 1, 0},
      {"empty.vbt", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Compiled compiled = compileQuietly(c.name);
    EXPECT_TRUE(compiled.ok);
    EXPECT_EQ(compiled.state.todoFound, c.todoFound);
    EXPECT_EQ(compiled.state.paramCount, c.records);
  }
}

TEST(CompilerTest, AnEmptyTemplateCompilesToAnEmptyList) {
  Compiled c = compileQuietly("empty.vbt");
  EXPECT_TRUE(c.ok);
  EXPECT_EQ(c.state.lineCount, 0);
  EXPECT_TRUE(c.state.paramList.empty());
}

TEST(CompilerTest, SeenGroupsAndCountersCarryOverUntilTheReset) {
  // The compiler leaves paramCount and the seen flags to the reset, so a
  // second compile without one continues the numbering.
  Compiled c = compileQuietly("todo_after.vbt");
  c.state.releaseParamList();
  ui::script::runScriptText(
      "", [&](ui::Platform& p) { return compileTemplate(c.state, p.ui()) ? 0 : 1; });
  ASSERT_NE(c.state.paramList.head, nullptr);
  EXPECT_EQ(c.state.paramList.head->ordinal, 2);
}

struct ErrorCase {
  const char* name;
  int line;
  const char* tag;
  std::string_view message;
  int records;  // made before the fault
};

TEST(CompilerTest, TheFirstFaultIsReportedWithItsLineAndTag) {
  const ErrorCase cases[] = {
      {"err_missing_end.vbt", 3, "<PARAM:Type=Text;Question=Open", msg::kMissingEndTag, 1},
      {"err_no_type.vbt", 1, "<PARAM:Question=Q;Help=H>", msg::kNoType, 0},
      {"err_empty_type.vbt", 2, "<PARAM:Type=;Question=Q>", msg::kNoType, 0},
      {"err_bare_tag_with_text.vbt", 1, "<PARAM:>", msg::kNoType, 0},
      {"err_unknown_type.vbt", 1, "<PARAM:Type= Text;Question=Q>", msg::kUnknownType, 0},
      {"err_no_question.vbt", 2, "<PARAM:Type=Text;Help=none>", msg::kNoQuestion, 1},
      {"err_empty_question.vbt", 1, "<PARAM:Type=Option;Question=;Data=a,b>", msg::kNoQuestion, 0},
      {"err_list_no_label.vbt", 1, "<PARAM:Type=List;Question=Q;Data=,=5,>", msg::kNoListData, 1},
      {"err_list_no_data.vbt", 1, "<PARAM:Type=List;Question=Q>", msg::kNoListData, 1},
      {"err_option_one.vbt", 1, "<PARAM:Type=Option;Question=Q;Data=Only,,>",
       msg::kTwoOptionsRequired, 1},
  };
  namespace id = compile_error_id;
  for (const ErrorCase& e : cases) {
    SCOPED_TRACE(e.name);
    WizardState state;
    state.templatePath = fixture(e.name);
    bool ok = true;
    const auto run = test::runWithUi("dialog COMPILE_ERROR\nclick 1\n",
                                     [&](ui::Ui& ui) { ok = compileTemplate(state, ui); });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_FALSE(ok);
    EXPECT_EQ(state.lineCount, e.line);  // nothing after the fault is read
    EXPECT_EQ(state.paramCount, e.records);

    const std::string open = test::transcriptLine(run.transcript, "open", "COMPILE_ERROR");
    ASSERT_FALSE(open.empty()) << run.transcript;
    EXPECT_NE(open.find(test::controlJson(id::kTemplate, "edit", state.templatePath)),
              std::string::npos)
        << open;
    EXPECT_NE(open.find(test::controlJson(id::kLine, "edit", std::to_string(e.line))),
              std::string::npos)
        << open;
    EXPECT_NE(open.find(test::controlJson(id::kTag, "edit", e.tag)), std::string::npos) << open;
    EXPECT_NE(open.find(test::controlJson(id::kError, "edit", e.message)), std::string::npos)
        << open;
    EXPECT_NE(test::transcriptLine(run.transcript, "close", "\"result\":4"), "") << run.transcript;
  }
}

TEST(CompilerTest, ReportDialogShowsItsFixedTexts) {
  WizardState state;
  state.templatePath = fixture("err_no_type.vbt");
  const auto run = test::runWithUi("dialog COMPILE_ERROR\nkey enter\n",
                                   [&](ui::Ui& ui) { compileTemplate(state, ui); });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  const std::string open = test::transcriptLine(run.transcript, "open", "COMPILE_ERROR");
  namespace id = compile_error_id;
  for (const std::string& part : {
           std::string("\"title\":\"Quorvel Scripting Wizard - Compilation Error\""),
           test::controlJson(id::kBanner, "bitmap", "102"),
           test::controlJson(id::kIcon, "icon", "119"),
           test::controlJson(id::kTemplateLabel, "static", "Template : "),
           test::controlJson(id::kLineLabel, "static", "Line No. : "),
           test::controlJson(id::kTagLabel, "static", "Tag : "),
           test::controlJson(id::kErrorLabel, "static", "Error : "),
           test::controlJson(ui::kIdOk, "button", "OK"),
       }) {
    EXPECT_NE(open.find(part), std::string::npos) << part;
  }
}

TEST(CompilerTest, AMissingTemplateIsAWarning) {
  WizardState state;
  state.templatePath = fixture("no-such-template.vbt");
  state.todoFound = 1;
  bool ok = true;
  const auto run =
      test::runWithUi("answer ok\n", [&](ui::Ui& ui) { ok = compileTemplate(state, ui); });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_FALSE(ok);
  EXPECT_EQ(state.todoFound, 0);
  const std::string box = test::transcriptLine(run.transcript, "message");
  EXPECT_NE(box.find(test::jsonString(msg::kTemplateCannotOpen)), std::string::npos) << box;
  EXPECT_NE(box.find("\"icon\":\"warning\""), std::string::npos) << box;
  EXPECT_NE(box.find("\"title\":\"Quorvel Scripting Wizard\""), std::string::npos) << box;
}

}  // namespace
}  // namespace qv::wizard
