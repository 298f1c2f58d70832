// Whole wizard runs: one message page answering several tags, its stored
// values after Back, and the sample templates driven by their demo scripts.
#include <gtest/gtest.h>

#include "platform/os/paths.h"
#include "tests/scenarios/wizard_run.h"

namespace qv::wizard::test {
namespace {

std::string welcome(const std::string& templatePath) {
  return "dialog START-WIZARD\nclick 1010\nfile " + templatePath +
         "\ndialog HEADER-INFO\n"
         "click 1010\n";
}
constexpr std::string_view kFinish = "dialog READY\nclick 1010\ndialog COMPLETE\nclick 1\n";

TEST(MessageRuns, EveryMessageTagGetsTheOneAnswerAndBackShowsItAgain) {
  WizardHarness h;
  const std::string t = h.write("alert.vbt",
                                "subject = \"<PARAM:Type=MessageTitle>\"\n"
                                "body = \"<PARAM:Type=MessageText>\"\n"
                                "who = \"<PARAM:Type=Text;Question=Who>\"\n"
                                "again = \"<PARAM:Type=MessageText>\"\n"
                                "subjectToo = \"<PARAM:Type=MessageTitle>\"\n");
  const std::string target = h.path("out.vbs");
  const WizardRun run = h.run(welcome(t) +
                                  "dialog PARAM-MESSAGE\nset 1911 Down: <$$SERVER>\n"
                                  "set 1913 <$$ERROR> at <$$TIMELOGGED>\nclick 1010\n"
                                  "dialog PARAM-TEXT\nset 1006 ops\nclick 1034\n"
                                  "dialog PARAM-MESSAGE\nclick 1010\n"
                                  "dialog PARAM-TEXT\nclick 1010\n" +
                                  std::string(kFinish),
                              {target});
  EXPECT_RUN_EXIT(run, 0);
  // The second visit shows what the first stored, not the defaults.
  EXPECT_TRUE(run.opened("PARAM-MESSAGE", 1).find(control(1911, "edit", "Down: <$$SERVER>")) !=
              std::string::npos)
      << run.transcript();
  ASSERT_TRUE(run.target);
  EXPECT_EQ(*run.target,
            "subject = \"Down: <$$SERVER>\"\r\n"
            "body = \"<$$ERROR> at <$$TIMELOGGED>\"\r\n"
            "who = \"ops\"\r\n"
            "again = \"<$$ERROR> at <$$TIMELOGGED>\"\r\n"
            "subjectToo = \"Down: <$$SERVER>\"\r\n");
}

// The demo scripts name their templates relative to the repository root.
std::string demoScript(std::string_view name) {
  const std::string root = QV_SOURCE_DIR;
  std::string script =
      os::readWholeFile(root + "/templates/demo/" + std::string(name)).value_or("");
  const std::string from = "file templates/";
  if (const auto at = script.find(from); at != std::string::npos) {
    script.replace(at, from.size(), "file " + root + "/templates/");
  }
  return script;
}

TEST(SampleTemplates, DemoScriptsAnswerEveryPage) {
  struct Case {
    std::string_view script;
    std::vector<std::string_view> written;
  };
  const Case cases[] = {
      {"service-recovery.script",
       {"$serviceName = \"Spooler\"", "@'\r\nC:\\Logs\\ServiceRecovery.log\r\n'@",
        "@'\r\nCMD /c \"C:\\Scripts\\Restart Print Queue.cmd\" /quiet\r\n'@"}},
      {"alert-notification.script",
       {"set \"ALERT_TITLE=Error detected on server <$$SERVER> ...\"",
        "set \"ALERT_TEXT=Check <$$TEST> failed on <$$SERVER> at <$$TIMELOGGED>: <$$ERROR>\"",
        "set \"ALERT_SOUND=C:\\Windows\\Media\\Alarm01.wav\""}},
      {"folder-cleanup.script",
       {"strFolder = \"D:\\Exports\\Daily\"", "lngDays = 14", "strExtension = \"csv\"",
        "blnSubFolders = True"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.script));
    WizardHarness h;
    const std::string script = demoScript(c.script);
    ASSERT_FALSE(script.empty());
    const WizardRun run = h.run(script, {h.path("out.script")}, "out.script");
    EXPECT_RUN_EXIT(run, 0);
    ASSERT_TRUE(run.target);
    for (std::string_view text : c.written) {
      EXPECT_NE(run.target->find(std::string(text)), std::string::npos) << text << "\n"
                                                                        << *run.target;
    }
    EXPECT_EQ(run.target->find("<PARAM:"), std::string::npos);
  }
}

}  // namespace
}  // namespace qv::wizard::test
