// The generator: every tag replaced from its record or the answer store,
// compared byte for byte with the expected scripts; progress; failures.
#include "wizard/engine/generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/engine_support.h"
#include "tests/os/file_size_limit.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/messages.h"
#include "wizard/engine/param_list.h"

namespace qv::wizard {
namespace {

using test::fixture;
using test::readBytes;
using test::TempFolder;

void answerAllKinds(WizardState& state) {
  for (TemplateParam* r = state.paramList.head.get(); r != nullptr; r = r->next.get()) {
    switch (r->kind) {
      case ParamKind::Text:
        r->answer = "Alice";
        break;
      case ParamKind::List:
        if (r->noEdit == 1) {
          r->selection = 1;
        } else {
          r->answer = "Purple";  // typed by the user, not one of the items
        }
        break;
      case ParamKind::Option:
        r->selection = 2;
        break;
      case ParamKind::File:
        r->answer = "/var/log/a.log";
        break;
      case ParamKind::Directory:
        r->answer = "/tmp/out";
        break;
      case ParamKind::RunCommand:
        r->answer = "notify --all";
        break;
      case ParamKind::WavFile:
        r->answer = "ding.wav";
        break;
      case ParamKind::Server:
        r->answer = "SRV1";
        break;
      default:
        break;
    }
  }
  AnswerStore& a = state.answers;
  a.messageTitle = "Disk low";
  a.messageText = "Free: %FREE%";
  a.eventLogPc = "PC1";
  a.eventType = 4;
  a.smtpServer = "mail.example.com";
  a.smtpPort = 2525;
  a.recipientAddress = "ops@example.com";
  a.senderAddress = "qv@example.com";
  a.userId = "admin";
  a.password = "secret";
  a.syslogServer = "logs";
  a.syslogPort = 514;
  a.syslogSeverity = 3;
  a.syslogFacility = 16;
  a.smsHttpServer = "sms.example.com";
  a.smsHttpPort = 8080;
  a.smsHttpMethod = "POST";
  a.phoneNumber = "+441234";
  a.smsHttpUrl = "http://sms/send";
  a.smsHttpResultCode = 200;
  a.smsHttpSuccessText = "OK";
  a.smsHttpFailureText = "FAIL";
  a.smsSmtpServer = "smtp.sms";
  a.smsSmtpPort = 25;
  a.smsApiId = "API-7";
  a.odbcDsn = "Sales";
  a.odbcServer = "db1";
  a.odbcDatabase = "SalesDb";
  a.domainName = "CORP";
  a.domainDc = "DC=corp,DC=local";
}

void answerLeftovers(WizardState& state) {
  // The List stays unanswered (selection -99999), and so does "c".
  recordAt(state.paramList, 3)->answer = "/d";
  recordAt(state.paramList, 4)->answer = "E answer";
  state.answers.messageTitle = "Title";
}

struct GenerateCase {
  const char* name;
  std::function<void(WizardState&)> answer;
};

TEST(GeneratorTest, ScriptsMatchTheExpectedBytes) {
  const GenerateCase cases[] = {
      {"all_kinds", answerAllKinds},
      {"leftovers", answerLeftovers},
      {"no_tags", [](WizardState&) {}},
  };
  TempFolder temp;
  for (const GenerateCase& c : cases) {
    SCOPED_TRACE(c.name);
    WizardState state;
    state.templatePath = fixture(std::string(c.name) + ".vbt");
    state.targetPath = temp.file(std::string(c.name) + ".vbs");
    bool compiled = false;
    bool generated = false;
    const auto run = test::runWithUi("", [&](ui::Ui& ui) {
      compiled = compileTemplate(state, ui);
      c.answer(state);
      generated = generateScript(state, ui);
    });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    ASSERT_TRUE(compiled);
    EXPECT_TRUE(generated);
    EXPECT_EQ(readBytes(state.targetPath), readBytes(fixture(std::string(c.name) + ".expected")));
  }
}

constexpr ui::ControlTemplate kWorkingControls[] = {
    {kWorkingProgressText, ui::ControlKind::Static, "", 10, 10, 100, 8, ui::cs::kHidden},
    {kWorkingProgressBar, ui::ControlKind::Progress, "", 10, 20, 100, 10, ui::cs::kHidden},
};
constexpr ui::DialogTemplate kWorking{"WORKING",        "Working",       120, 40,
                                      ui::ds::kCaption, "MS Sans Serif", 8,   kWorkingControls};

TEST(GeneratorTest, ProgressIsShownWhileWritingAndHiddenAfter) {
  const struct {
    const char* name;
    std::int32_t lineCount;
    std::vector<int> positions;
  } cases[] = {
      // The last update comes before the read that finds the end.
      {"three_lines.vbt", 3, {33, 66, 100}},
      {"empty.vbt", 0, {100}},
  };
  TempFolder temp;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WizardState state;
    state.templatePath = fixture(c.name);
    state.targetPath = temp.file("out.vbs");
    state.lineCount = c.lineCount;
    bool visibleAfter = true;
    std::string textAfter;
    const auto run = test::runWithUi("", [&](ui::Ui& ui) {
      ui::DialogProc proc;
      auto page = ui.openModeless(kWorking, proc, nullptr);
      state.workingPage = page.get();
      EXPECT_TRUE(generateScript(state, ui));
      visibleAfter = page->isControlVisible(kWorkingProgressText) ||
                     page->isControlVisible(kWorkingProgressBar);
      textAfter = page->text(kWorkingProgressText);
      state.workingPage = nullptr;
    });
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_FALSE(visibleAfter);
    EXPECT_EQ(textAfter, "Progress (100%) ...");
    std::vector<int> positions;
    std::istringstream lines(run.transcript);
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("{\"event\":\"progress\"")) continue;
      const std::size_t at = line.find("\"position\":");
      positions.push_back(std::stoi(line.substr(at + 11)));
    }
    EXPECT_EQ(positions, c.positions) << run.transcript;
  }
}

TEST(GeneratorTest, FailuresAreToldAndReturned) {
  TempFolder temp;
  // More than the writer's buffer, so the full disk shows while copying and
  // not only when the file is closed.
  std::string big;
  for (int i = 0; i < 20000; ++i) big += "line of text to fill the buffer\n";
  const std::string bigTemplate = temp.write("big.vbt", big);
  const struct {
    const char* what;
    std::string templatePath;
    std::string targetPath;
    std::string_view message;
  } cases[] = {
      {"template missing", temp.file("missing.vbt"), temp.file("a.vbs"),
       msg::kGenerateTemplateCannotOpen},
      {"target folder missing", fixture("three_lines.vbt"), temp.file("no/such/a.vbs"),
       msg::kGenerateTargetCannotOpen},
      {"full disk at close", fixture("three_lines.vbt"), temp.file("a.vbs"),
       msg::kGenerateTargetCannotWrite},
      {"full disk while copying", bigTemplate, temp.file("a.vbs"), msg::kGenerateTargetCannotWrite},
      {"a device as target", fixture("three_lines.vbt"), "/dev/full",
       msg::kGenerateTargetCannotOpen},
      {"the template as target", bigTemplate, bigTemplate, msg::kTemplateIsTarget},
      {"a read error", "/proc/self/mem", temp.file("a.vbs"), msg::kTemplateCannotOpen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WizardState state;
    state.templatePath = c.templatePath;
    state.targetPath = c.targetPath;
    state.lineCount = 3;
    bool ok = true;
    // Writes past a few bytes fail with EFBIG, as on a full disk.
    std::optional<qv::test::FileSizeLimit> full;
    if (std::string_view(c.what).starts_with("full disk")) full.emplace(8);
    const auto run =
        test::runWithUi("answer ok\n", [&](ui::Ui& ui) { ok = generateScript(state, ui); });
    full.reset();
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_FALSE(ok);
    const std::string box = test::transcriptLine(run.transcript, "message");
    EXPECT_NE(box.find(test::jsonString(c.message)), std::string::npos) << box;
    EXPECT_NE(box.find("\"icon\":\"warning\""), std::string::npos) << box;
    EXPECT_NE(box.find("\"title\":\"Quorvel Scripting Wizard\""), std::string::npos) << box;
  }
  EXPECT_FALSE(std::filesystem::exists(temp.file("a.vbs")));  // target untouched
  EXPECT_EQ(std::filesystem::file_size(bigTemplate), big.size()) << "the template is kept";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1)
      << "no temporary file is left";
}

}  // namespace
}  // namespace qv::wizard
