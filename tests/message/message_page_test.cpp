// PARAM-MESSAGE on its own: the defaults, the stored values, the refusals,
// the cuts, and that the page cannot act while its builder is open.
#include <gtest/gtest.h>

#include "tests/message/message_run.h"
#include "wizard/message/message_page.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kDefaultTitle = "Error detected on server <$$SERVER> ...";
constexpr std::string_view kDefaultText =
    "The following error was detected on server <$$SERVER> at <$$TIMELOGGED>. Check: <$$TEST>, "
    "Error: <$$ERROR>";
constexpr std::string_view kSmsText = "<$$ERROR,100> occurred on server <$$SERVER>";
constexpr std::string_view kTitleWarning =
    "Please enter the title of the message that is to be sent ...";
constexpr std::string_view kTextWarning =
    "Please enter the text of the message that is to be sent or logged ...";

constexpr std::string_view kCancelPage = "key escape\nanswer yes\n";

TEST(MessagePage, ShowsItsPromptsAndFootnote) {
  WizardState state;
  const PageRun run = runMessagePage(state, "dialog PARAM-MESSAGE\n" + std::string(kCancelPage));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_TRUE(run.has(control(1910, "static",
                              "Please enter the text that will be sent as the title of the alert "
                              "(in e-mails etc.) * ... ")));
  EXPECT_TRUE(run.has(
      control(1912, "static", "Please enter the message text that will be sent or logged * ... ")));
  EXPECT_TRUE(run.has(control(1915, "static",
                              "* Place-markers can be used to include alert-specific details.    "
                              "    For help, see product documentation.")));
  EXPECT_TRUE(run.has("\"title\":\"Quorvel Scripting Wizard - Information Required\""));
  EXPECT_EQ(run.result, kPageQuit);
}

TEST(MessagePage, OpensWithTheDefaultsAndTheSmsTextForGatewayTemplates) {
  struct Case {
    std::string_view templatePath;
    std::string_view text;
  };
  const Case cases[] = {
      {"", kDefaultText},
      {"/srv/templates/Disk Alert.vbt", kDefaultText},
      {"/srv/templates/CLICKATELL Alert.vbt", kSmsText},
      {"C:\\Templates\\clickatell.vbt", kSmsText},
      {"/t/IntelliSoft/alert.vbt", kSmsText},
      {"/t/bigfootSms.vbt", kSmsText},
      {"/t/click-a-tell.vbt", kDefaultText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.templatePath));
    WizardState state;
    state.templatePath = std::string(c.templatePath);
    const PageRun run = runMessagePage(state, "dialog PARAM-MESSAGE\n" + std::string(kCancelPage));
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(kTitle, "edit", kDefaultTitle)));
    EXPECT_TRUE(run.has(control(kText, "edit", c.text)));
    EXPECT_EQ(isSmsGatewayTemplate(c.templatePath), c.text == kSmsText);
  }
}

TEST(MessagePage, StoredValuesWinOverTheDefaultsOneByOne) {
  struct Case {
    std::string title, text;
    std::string_view shownTitle, shownText;
  };
  const Case cases[] = {{"T", "Line 1\r\nLine 2", "T", "Line 1\r\nLine 2"},
                        {"T", "", "T", kSmsText},
                        {"", "X", kDefaultTitle, "X"}};
  for (const Case& c : cases) {
    WizardState state;
    state.templatePath = "/t/clickatell.vbt";
    state.answers.messageTitle = c.title;
    state.answers.messageText = c.text;
    const PageRun run = runMessagePage(state, "dialog PARAM-MESSAGE\nclick 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(kTitle, "edit", c.shownTitle)));
    EXPECT_TRUE(run.has(control(kText, "edit", c.shownText)));
    // Next stores what the fields show.
    EXPECT_EQ(state.answers.messageTitle, c.shownTitle);
    EXPECT_EQ(state.answers.messageText, c.shownText);
  }
}

TEST(MessagePage, EmptyTitleOrTextIsRefusedOnNextAndBack) {
  struct Case {
    int field;
    std::string_view warning;
  };
  const Case cases[] = {{kTitle, kTitleWarning}, {kText, kTextWarning}};
  for (const Case& c : cases) {
    for (const int button : {1010, 1034}) {
      SCOPED_TRACE(std::to_string(c.field) + " " + std::to_string(button));
      WizardState state;
      const std::string b = std::to_string(button);
      const std::string f = std::to_string(c.field);
      const PageRun run =
          runMessagePage(state, "dialog PARAM-MESSAGE\nset " + f + " \nclick " + b +
                                    "\nanswer ok\nset " + f + " Filled\nclick " + b + "\n");
      ASSERT_EQ(run.exitCode, 0) << run.transcript;
      EXPECT_EQ(countOf(run.transcript,
                        messageEvent(c.warning) +
                            ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\""),
                1);
      EXPECT_EQ(run.result, button == 1010 ? kPageNext : kPageBack);
      EXPECT_EQ(c.field == kTitle ? state.answers.messageTitle : state.answers.messageText,
                "Filled");
    }
  }
}

TEST(MessagePage, OverlongEntriesAreCutNotRefused) {
  struct Case {
    int field;
    std::size_t typed, stored;
  };
  const Case cases[] = {
      {kTitle, 259, 259}, {kTitle, 300, 259}, {kText, 49999, 49999}, {kText, 50500, 49999}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " " + std::to_string(c.typed));
    WizardState state;
    const PageRun run =
        runMessagePage(state, "dialog PARAM-MESSAGE\nset " + std::to_string(c.field) + " " +
                                  std::string(c.typed, 'w') + "\nclick 1010\n");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(c.field == kTitle ? state.answers.messageTitle : state.answers.messageText,
              std::string(c.stored, 'w'));
  }
}

TEST(MessagePage, EnterInTheTextPressesNext) {
  WizardState state;
  const PageRun run =
      runMessagePage(state, "dialog PARAM-MESSAGE\nset 1913 Disk full\nkey enter\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(run.result, kPageNext);
  EXPECT_EQ(state.answers.messageText, "Disk full");
}

TEST(MessagePage, BackIsDisabledOnTheFirstPage) {
  for (const int ordinal : {1, 2}) {
    WizardState state;
    const PageRun run =
        runMessagePage(state, "dialog PARAM-MESSAGE\n" + std::string(kCancelPage), ordinal);
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(1034, "button", "<- Back") +
                        ",\"enabled\":" + (ordinal == 1 ? "false" : "true")));
  }
}

// Stands in for a user who reaches the page behind an open builder: a timer
// on the page sends it every command it knows while the builder waits.
class ReachingBehindTheBuilder final : public ui::DialogProc {
 public:
  ReachingBehindTheBuilder(WizardContext& ctx, TemplateParam& param) : page_(ctx, param) {}
  void onInit(ui::Dialog& dialog) override {
    page_.onInit(dialog);
    dialog.setTimer(kTimer, 50);
  }
  void onCommand(ui::Dialog& dialog, int id) override { page_.onCommand(dialog, id); }
  void onTimer(ui::Dialog& dialog, int id) override {
    if (id != kTimer) return;
    dialog.killTimer(kTimer);
    for (const int command : {kTitleBuilder, kTextBuilder, 1010, 1034, 2}) {
      page_.onCommand(dialog, command);
    }
  }

 private:
  static constexpr int kTimer = 77;
  MessagePage page_;
};

TEST(MessagePage, NeitherASecondBuilderNorLeavingThePageWhileOneIsOpen) {
  WizardState state;
  WizardEnvironment env;
  TemplateParam param = messageParam();
  int result = -1;
  const auto run = ui::script::runScriptText(
      "dialog PARAM-MESSAGE\nclick 3\ndialog MSG-BUILDER\nwait 100\nset 1907 From the builder\n"
      "click 1\nclick 1010\n",
      [&](ui::Platform& platform) {
        WizardContext ctx{platform, state, env};
        ReachingBehindTheBuilder page(ctx, param);
        result = platform.ui().runModal(res::kParamMessage, page);
        return 0;
      });
  // An unguarded page would open a second builder or a message box here,
  // which the script does not announce, or end under the builder.
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(result, kPageNext);
  EXPECT_EQ(state.answers.messageTitle, "From the builder");
  EXPECT_EQ(run.transcript.find("{\"event\":\"message\""), std::string::npos);
  EXPECT_EQ(countOf(run.transcript, "\"dialog\":\"MSG-BUILDER\",\"title\""), 1);
}

}  // namespace
}  // namespace qv::wizard::test
