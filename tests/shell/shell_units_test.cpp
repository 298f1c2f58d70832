// The small pieces of the wizard's shell: the command line, the folders and
// the completion page's text.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/scenarios/wizard_run.h"
#include "wizard/shell/command_line.h"
#include "wizard/shell/complete_page.h"

namespace qv::wizard::test {
namespace {

TEST(CommandLine, TakesTheFirstArgumentCutToAPath) {
  struct Case {
    std::vector<std::string> args;
    std::string target;
  };
  const Case cases[] = {
      {{}, ""},
      {{""}, ""},
      {{" \t "}, ""},
      {{"/srv/My Scripts/new.vbs", "ignored.vbs"}, "/srv/My Scripts/new.vbs"},
      {{"  /tmp/a.vbs"}, "/tmp/a.vbs"},
      {{std::string(300, 'p')}, std::string(259, 'p')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    EXPECT_EQ(targetFromArguments(c.args), c.target);
  }
}

TEST(CommandLine, RemoveQuotesDropsEveryQuotationMark) {
  std::string path = "\"/tmp/My \"Scripts\"/a.vbs\"";
  removeQuotes(path);
  EXPECT_EQ(path, "/tmp/My Scripts/a.vbs");
}

TEST(Environment, DataIsTakenFromTheFirstDataFolderThatHasIt) {
  WizardHarness h;
  h.env.dataFolders = {h.path("first"), h.path("second")};
  for (const std::string_view name : {kTemplateFolderName, kBrowserProbeFile}) {
    SCOPED_TRACE(name);
    std::filesystem::remove_all(h.path("first"));
    std::filesystem::remove_all(h.path("second"));
    const std::string own = h.path("program/" + std::string(name));
    EXPECT_EQ(h.env.dataPath(name), own) << "in no data folder: beside the program";
    h.write("second/" + std::string(name), "");
    EXPECT_EQ(h.env.dataPath(name), h.path("second/" + std::string(name)));
    std::filesystem::create_directories(h.path("first/" + std::string(name)));
    EXPECT_EQ(h.env.dataPath(name), h.path("first/" + std::string(name)));
  }
  const WizardEnvironment none{h.env.programFolder, {}};
  EXPECT_EQ(none.dataPath(kTemplateFolderName), h.path("program/Script Templates"));
}

TEST(Environment, ProgramFolderPathIsTheNameAloneWithoutAFolder) {
  const WizardEnvironment installed{"/opt/qv/", {}};
  const WizardEnvironment unknown{};
  const WizardEnvironment deep{"/" + std::string(300, 'f') + "/", {}};
  EXPECT_EQ(installed.programFolderPath("NewScript.vbs"), "/opt/qv/NewScript.vbs");
  EXPECT_EQ(unknown.programFolderPath("NewScript.vbs"), "NewScript.vbs");
  EXPECT_EQ(deep.programFolderPath("x").size(), 259u);
}

TEST(CompletePage, ScriptTextEndsAtANulAndBreaksLinesWithCrLf) {
  using namespace std::string_literals;
  struct Case {
    std::string bytes;
    std::string shown;
  };
  const Case cases[] = {{"a\r\nb\r\n", "a\r\nb\r\n"},
                        {"a\nb\n", "a\r\nb\r\n"},
                        {"\nx", "\r\nx"},
                        {"a\r\nb\0c\nd"s, "a\r\nb"}};
  for (const Case& c : cases) EXPECT_EQ(scriptFieldText(c.bytes), c.shown);
}

}  // namespace
}  // namespace qv::wizard::test
