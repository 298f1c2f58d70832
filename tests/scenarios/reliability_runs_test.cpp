// Whole wizard runs with hostile files and failed writes: the template is
// never its own target, a failed generation returns to the ready page and
// leaves the target as it was, and what is no regular file is refused at
// once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <optional>

#include "tests/os/file_size_limit.h"
#include "tests/scenarios/wizard_run.h"
#include "wizard/engine/messages.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard::test {
namespace {

constexpr std::string_view kOnePage = "name = \"<PARAM:Type=Text;Question=Name>\"\n";
constexpr std::string_view kAnswer = "dialog PARAM-TEXT\nset 1006 Alice\nclick 1010\n";
constexpr std::string_view kAnswered = "name = \"Alice\"\r\n";
constexpr std::string_view kHeader = "dialog HEADER-INFO\nclick 1010\n";
constexpr std::string_view kReadyNext = "dialog READY\nclick 1010\n";
constexpr std::string_view kReadyCancel = "dialog READY\nkey escape\nanswer yes\n";
constexpr std::string_view kQuitAtText = "dialog PARAM-TEXT\nkey escape\nanswer yes\n";

std::string welcome(const std::string& templatePath) {
  return "dialog START-WIZARD\nclick 1010\nfile " + templatePath + "\n";
}
std::string str(std::string_view text) {
  return std::string(text);
}

class ReliabilityRuns : public ::testing::Test {
 protected:
  void SetUp() override { templ_ = h.write("t.vbt", kOnePage); }
  std::size_t filesIn(const std::string& folder) const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
  }
  WizardHarness h;
  std::string templ_;
};

TEST_F(ReliabilityRuns, SaveAsRefusesTheTemplateByAnyNameAndKeepsThePage) {
  std::filesystem::create_symlink(templ_, h.path("soft.vbs"));
  std::filesystem::create_hard_link(templ_, h.path("hard.vbs"));
  for (const std::string& name : {templ_, h.path("soft.vbs"), h.path("hard.vbs")}) {
    SCOPED_TRACE(name);
    std::filesystem::remove(h.path("out.vbs"));
    const WizardRun run =
        h.run(welcome(templ_) + str(kHeader) + "dialog SAVEAS\nset 1035 " + name +
              "\nclick 1010\nanswer ok\ndump\nset 1035 " + h.path("out.vbs") + "\nclick 1010\n" +
              str(kAnswer) + str(kReadyNext) + "dialog COMPLETE\nclick 1\n");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_TRUE(run.has(messageEvent(msg::kTemplateIsTarget) + ",\"title\":\"Quorvel Scripting "
                                                               "Wizard\",\"icon\":\"warning\""));
    EXPECT_FALSE(run.has(messageEvent(texts::kOverwriteQuestion))) << "refused before asking";
    EXPECT_TRUE(run.has(control(1035, "edit", name))) << "the page keeps its entry";
    EXPECT_EQ(run.target, str(kAnswered));
    EXPECT_EQ(os::readWholeFile(templ_), str(kOnePage));
  }
}

TEST_F(ReliabilityRuns, WelcomeRefusesATemplateThatIsTheCommandLineTarget) {
  const std::string other = h.write("other.vbt", kOnePage);
  // "Overwrite the file" (Escape) for the template named as the target.
  const WizardRun run = h.run("dialog FILE_EXISTS\nkey escape\n" + welcome(templ_) +
                                  "answer ok\nclick 1010\nfile " + other + "\n" + str(kHeader) +
                                  str(kAnswer) + str(kReadyNext) + "dialog COMPLETE\nclick 1\n",
                              {templ_}, "t.vbt");
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_TRUE(run.has(messageEvent(msg::kTemplateIsTarget)));
  EXPECT_EQ(run.count("\"event\":\"open\",\"dialog\":\"START-WIZARD\""), 2)
      << "the page stayed open: sequencer and one welcome";
  EXPECT_EQ(run.target, str(kAnswered)) << "the other template wrote over the named target";
}

TEST_F(ReliabilityRuns, FailedGenerationReturnsToReadyWithTheAnswersKept) {
  const std::string target = h.write("out.vbs", "old\r\n");
  const std::string failed = messageEvent(msg::kGenerateTargetCannotWrite);
  struct Case {
    const char* name;
    std::string afterFailure;  // from the ready page that comes back
    int exitCode;
    std::optional<std::string> script;
  };
  const Case cases[] = {
      {"retry after freeing space", str(kReadyNext) + "dialog COMPLETE\nclick 1\n", 0,
       str(kAnswered)},
      {"cancel", str(kReadyCancel), 1, "old\r\n"},
      {"back to the page, then cancel",
       "dialog READY\nclick 1034\ndialog PARAM-TEXT\ndump\nclick 1010\n" + str(kReadyCancel), 1,
       "old\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<qv::test::FileSizeLimit> fullDisk(std::in_place, 1);
    const bool freeSpace = std::string_view(c.name).starts_with("retry");
    const WizardRun run =
        h.run("dialog FILE_EXISTS\nkey escape\n" + welcome(templ_) + str(kHeader) + str(kAnswer) +
                  str(kReadyNext) + "answer ok\n" + c.afterFailure,
              {target}, "out.vbs", {}, [&](std::string_view text) {
                if (freeSpace && text == msg::kGenerateTargetCannotWrite) fullDisk.reset();
              });
    fullDisk.reset();
    EXPECT_RUN_EXIT(run, c.exitCode);
    EXPECT_TRUE(run.has(failed));
    EXPECT_FALSE(run.has("completed successfully") && c.exitCode != 0);
    EXPECT_EQ(run.count("\"event\":\"open\",\"dialog\":\"READY\""), c.name[0] == 'b' ? 3 : 2);
    if (c.name[0] == 'b') {
      EXPECT_TRUE(run.has(control(1006, "edit", "Alice")));
    }
    EXPECT_EQ(run.target, c.script);
    EXPECT_EQ(filesIn(h.path("")), 4u) << "program, share, t.vbt and out.vbs; nothing else";
    h.write("out.vbs", "old\r\n");
  }
}

TEST_F(ReliabilityRuns, NoRegularFileAsTemplateIsRefusedAtOnce) {
  const std::string fifo = h.path("fifo.vbt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_directory(h.path("folder.vbt"));
  for (const std::string& path : {fifo, std::string("/dev/zero"), h.path("folder.vbt")}) {
    SCOPED_TRACE(path);
    const WizardRun run = h.run(welcome(path) + "answer ok\n" + welcome(templ_) + str(kHeader) +
                                "dialog SAVEAS\nkey escape\nanswer yes\n");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_TRUE(run.has(messageEvent(msg::kTemplateCannotOpen)));
    EXPECT_FALSE(run.has("COMPILE_ERROR"));
  }
}

TEST_F(ReliabilityRuns, NoRegularFileAsTargetIsNoScriptAndNeverWritten) {
  const std::string fifo = h.path("fifo.vbs");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& target : {fifo, std::string("/dev/full")}) {
    SCOPED_TRACE(target);
    // Not an existing script (no question), and refused when it would be written.
    const WizardRun onCommandLine = h.run(welcome(templ_) + str(kHeader) + str(kAnswer) +
                                              str(kReadyNext) + "answer ok\n" + str(kReadyCancel),
                                          {target});
    EXPECT_RUN_EXIT(onCommandLine, 1);
    EXPECT_FALSE(onCommandLine.has("FILE_EXISTS"));
    EXPECT_TRUE(onCommandLine.has(messageEvent(msg::kGenerateTargetCannotOpen)));

    const WizardRun onSaveAs = h.run(welcome(templ_) + str(kHeader) + "dialog SAVEAS\nset 1035 " +
                                     target + "\nclick 1010\nanswer ok\nkey escape\nanswer yes\n");
    EXPECT_RUN_EXIT(onSaveAs, 0);
    EXPECT_TRUE(onSaveAs.has(messageEvent(texts::kCannotAccessFile)));
  }
  struct stat st;
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO is still a FIFO";
}

TEST_F(ReliabilityRuns, SaveAsCheckLeavesNoFileBehind) {
  const WizardRun run = h.run(welcome(templ_) + str(kHeader) + "dialog SAVEAS\nset 1035 " +
                              h.path("new.vbs") + "\nclick 1010\n" + str(kQuitAtText));
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_FALSE(std::filesystem::exists(h.path("new.vbs")));
  // The next run does not find a script to overwrite.
  const WizardRun again =
      h.run(welcome(templ_) + str(kHeader) + str(kQuitAtText), {h.path("new.vbs")});
  EXPECT_RUN_EXIT(again, 0);
  EXPECT_FALSE(again.has("FILE_EXISTS"));
}

}  // namespace
}  // namespace qv::wizard::test
