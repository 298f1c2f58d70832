// PARAM-FILE, PARAM-DIRECTORY, PARAM-RUN and PARAM-WAVFILE on their own:
// what they show on opening, what they refuse, what they store and how the
// "..." browse dialogs fill the field.
#include <gtest/gtest.h>

#include "tests/pages/page_run.h"
#include "wizard/pages/file_page.h"

namespace qv::wizard::test {
namespace {

struct PageKind {
  std::string_view dialog;
  ParamKind kind;
  int field;
  std::string_view emptyMessage;
};

const PageKind kFile{"PARAM-FILE", ParamKind::File, 1030,
                     "Please enter the full path & name of the file you wish to use ..."};
const PageKind kDirectory{"PARAM-DIRECTORY", ParamKind::Directory, 1055,
                          "Please enter the full path of the directory you wish to use ..."};
const PageKind kRun{"PARAM-RUN", ParamKind::RunCommand, 1049,
                    "Please enter the full path & name of the application you wish to run ..."};
const PageKind kWav{"PARAM-WAVFILE", ParamKind::WavFile, 1026,
                    "Please enter the full path & name of the WAV file you wish to play ..."};
const PageKind kAllPages[] = {kFile, kDirectory, kRun, kWav};

constexpr std::string_view kPlaceholderRefusal =
    "Please specify the full path & name of the file you wish to use ...";
// The scripted clock starts here, so a page opened first generates this name.
constexpr std::string_view kFirstGeneratedName = "<PATH>\\QVL-1000000.tmp";

TemplateParam pathParam(const PageKind& page) {
  TemplateParam p;
  p.kind = page.kind;
  p.ordinal = 2;
  return p;
}

std::string setAndNext(const PageKind& page, std::string_view value) {
  return "dialog " + std::string(page.dialog) + "\nset " + std::to_string(page.field) + " " +
         std::string(value) + "\nclick 1010\n";
}

constexpr std::string_view kCancelPage = "key escape\nanswer yes\n";

TEST(FilePages, GeneratedNameIsTheTickCountAsASigned32BitNumber) {
  struct Case {
    std::uint32_t ticks;
    std::string_view name;
  };
  const Case cases[] = {{0, "<PATH>\\QVL-0.tmp"},
                        {1000000, "<PATH>\\QVL-1000000.tmp"},
                        {0x7FFFFFFFu, "<PATH>\\QVL-2147483647.tmp"},
                        {0x80000000u, "<PATH>\\QVL--2147483648.tmp"},
                        {0xFFFFFFFFu, "<PATH>\\QVL--1.tmp"}};
  for (const Case& c : cases) EXPECT_EQ(generatedTempName(c.ticks), c.name) << c.ticks;
}

TEST(FilePages, OpeningShowsAnswerGeneratedNameOrDefault) {
  struct Case {
    const char* name;
    const PageKind& page;
    bool generateName;
    std::optional<std::string> defaultValue;
    std::optional<std::string> answer;
    std::string_view shown;
  };
  const Case cases[] = {
      {"generated name wins over the default", kFile, true, "C:\\Logs\\alert.log", std::nullopt,
       kFirstGeneratedName},
      {"stored answer wins over the generated name", kFile, true, std::nullopt, "D:\\a.log",
       "D:\\a.log"},
      {"default without GenerateName", kFile, false, "C:\\Logs\\alert.log", std::nullopt,
       "C:\\Logs\\alert.log"},
      {"nothing at all", kFile, false, std::nullopt, std::nullopt, ""},
      {"directory default", kDirectory, false, "C:\\Temp", std::nullopt, "C:\\Temp"},
      {"directory answer", kDirectory, false, "C:\\Temp", "E:\\Work", "E:\\Work"},
      {"command default", kRun, false, "notify.cmd", std::nullopt, "notify.cmd"},
      // GenerateName belongs to PARAM-FILE alone.
      {"sound file ignores GenerateName", kWav, true, "C:\\ding.wav", std::nullopt, "C:\\ding.wav"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TemplateParam p = pathParam(c.page);
    p.generateName = c.generateName ? 1 : 0;
    p.defaultValue = c.defaultValue;
    p.answer = c.answer;
    const PageRun run = runPage(
        c.page.dialog, p, "dialog " + std::string(c.page.dialog) + "\n" + std::string(kCancelPage));
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(control(c.page.field, "edit", c.shown))) << run.transcript;
    EXPECT_EQ(run.result, kPageQuit);
    EXPECT_EQ(p.answer, c.answer);  // Cancel stores nothing
  }
}

TEST(FilePages, QuestionAndHelpReplaceTheResourceTextsButRunKeepsItsQuestion) {
  struct Case {
    const PageKind& page;
    std::string_view resourceQuestion;
    std::string_view resourceHelp;
    bool keepsQuestion;
  };
  const Case cases[] = {
      {kFile, "Log alert information to this file ...",
       "Alert details will be logged to the file entered above. Please enter the path/name of the "
       "file, or click the '...' button to select an existing file from a list.",
       false},
      {kDirectory, "Use this directory ...",
       "The script will access && use this directory to record details etc.", false},
      {kRun, "Run this command ...",
       "The above command will be run by the script. Include any command processor (e.g. CMD) if "
       "applicable as well as any parameters to be passed to the command. Enclose parameters && "
       "long filenames in quotation marks (\") etc. For example ...",
       true},
      {kWav, "Play this sound (.WAV) when the alert is raised ...",
       "This is the path/name of the sound file that will be played. You must ensure sound is "
       "enabled for the PC && user in order for the sound to be heard.",
       false},
  };
  const std::string script = std::string(kCancelPage);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page.dialog));
    const std::string open = "dialog " + std::string(c.page.dialog) + "\n" + script;

    TemplateParam bare = pathParam(c.page);
    const PageRun plain = runPage(c.page.dialog, bare, open);
    ASSERT_EQ(plain.exitCode, 0) << plain.transcript;
    EXPECT_TRUE(plain.has(control(1044, "static", c.resourceQuestion))) << plain.transcript;
    EXPECT_TRUE(plain.has(control(1043, "static", c.resourceHelp))) << plain.transcript;

    TemplateParam asked = pathParam(c.page);
    asked.question = "Where should it go ...";
    asked.help = "Our own help.";
    const PageRun custom = runPage(c.page.dialog, asked, open);
    ASSERT_EQ(custom.exitCode, 0) << custom.transcript;
    EXPECT_TRUE(custom.has(
        control(1044, "static", c.keepsQuestion ? c.resourceQuestion : "Where should it go ...")));
    EXPECT_TRUE(custom.has(control(1043, "static", "Our own help.")));
  }
}

TEST(FilePages, RunKeepsItsNoteAndExampleLines) {
  TemplateParam p = pathParam(kRun);
  p.help = "Our own help.";
  const PageRun run = runPage("PARAM-RUN", p, "dialog PARAM-RUN\n" + std::string(kCancelPage));
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_TRUE(run.has(control(1910, "icon", "134")));
  EXPECT_TRUE(run.has(control(1911, "static",
                              "The path entered must be relative to && accessible from the "
                              "server running the script. ")));
  EXPECT_TRUE(run.has(control(1912, "static", "- C:\\MyDirectory\\MyEXE.exe")));
  EXPECT_TRUE(run.has(control(1913, "static", "- CMD /c \"C:\\MyDirectory\\MyEXE.exe\"")));
  EXPECT_TRUE(
      run.has(control(1914, "static", "- \"C:\\MyDirectory\\MyEXE.exe\" \"Param1\" \"Param2\"")));
}

TEST(FilePages, EmptyFieldIsRefusedOnNextAndBackWithThePagesOwnMessage) {
  for (const PageKind& page : kAllPages) {
    for (const int button : {1010, 1034}) {
      SCOPED_TRACE(std::string(page.dialog) + " " + std::to_string(button));
      TemplateParam p = pathParam(page);
      p.defaultValue = "x";  // shown, then emptied by the user
      const std::string script = "dialog " + std::string(page.dialog) + "\nset " +
                                 std::to_string(page.field) + " \nclick " + std::to_string(button) +
                                 "\nanswer ok\nset " + std::to_string(page.field) +
                                 " C:\\Data\nclick " + std::to_string(button) + "\n";
      const PageRun run = runPage(page.dialog, p, script);
      ASSERT_EQ(run.exitCode, 0) << run.transcript;
      EXPECT_TRUE(run.has(messageEvent(page.emptyMessage) +
                          ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\""));
      EXPECT_EQ(run.result, button == 1010 ? kPageNext : kPageBack);
      EXPECT_EQ(p.answer, "C:\\Data");
    }
  }
}

TEST(FilePages, GeneratedNameMustHaveItsPlaceholderReplaced) {
  TemplateParam p = pathParam(kFile);
  p.generateName = 1;
  const PageRun run = runPage("PARAM-FILE", p,
                              "dialog PARAM-FILE\nclick 1010\nanswer ok\n"
                              "set 1030 C:\\Logs\\QVL-1000000.tmp\nclick 1010\n");
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_TRUE(run.has(messageEvent(kPlaceholderRefusal)));
  EXPECT_EQ(run.result, kPageNext);
  EXPECT_EQ(p.answer, "C:\\Logs\\QVL-1000000.tmp");
}

TEST(FilePages, PlaceholderInAnyCaseIsRefusedOnTheFilePageOnly) {
  const std::string_view texts[] = {"<PATH>\\QVL-5.tmp", "<path>\\x.tmp", "C:\\a<PaTh"};
  for (const PageKind& page : kAllPages) {
    for (std::string_view text : texts) {
      SCOPED_TRACE(std::string(page.dialog) + " " + std::string(text));
      const bool refused = page.dialog == kFile.dialog;
      TemplateParam p = pathParam(page);
      std::string script = setAndNext(page, text);
      if (refused) script += "answer ok\n" + std::string(kCancelPage);
      const PageRun run = runPage(page.dialog, p, script);
      ASSERT_EQ(run.exitCode, 0) << run.transcript;
      EXPECT_EQ(run.has(messageEvent(kPlaceholderRefusal)), refused);
      EXPECT_EQ(run.result, refused ? kPageQuit : kPageNext);
      EXPECT_EQ(p.answer, refused ? std::nullopt : std::optional<std::string>(text));
    }
  }
}

TEST(FilePages, OpenFileDialogsFillTheFieldAndCancelKeepsIt) {
  struct Case {
    const PageKind& page;
    std::string_view fileEvent;  // title and filters as the transcript writes them
  };
  const Case cases[] = {
      {kFile,
       R"x({"event":"file","title":"Please select the file you wish to use","filters":[["All Files (*.*)","*.*"]],"name":"","folder":null,"pathMustExist":true)x"},
      {kRun,
       R"x({"event":"file","title":"Please select the application you wish run","filters":[["Applications (*.exe)","*.exe"],["Command Files (*.cmd)","*.cmd"],["All Files (*.*)","*.*"]],"name":"","folder":null,"pathMustExist":true)x"},
      {kWav,
       R"x({"event":"file","title":"Please select the WAV file you wish to play","filters":[["WAV Files (*.wav)","*.wav"],["All Files (*.*)","*.*"]],"name":"","folder":null,"pathMustExist":true)x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page.dialog));
    TemplateParam p = pathParam(c.page);
    p.defaultValue = "typed";
    // Chosen, then a cancelled browse and a cancelled Cancel: the choice stays.
    const PageRun run = runPage(c.page.dialog, p,
                                "dialog " + std::string(c.page.dialog) +
                                    "\nclick 3\nfile /srv/chosen.bin\nclick 3\nfile cancel\n"
                                    "key escape\nanswer no\nclick 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(run.has(std::string(c.fileEvent) + ",\"answer\":\"/srv/chosen.bin\"}"))
        << run.transcript;
    EXPECT_TRUE(run.has(std::string(c.fileEvent) + ",\"answer\":null}"));
    EXPECT_EQ(run.result, kPageNext);
    EXPECT_EQ(p.answer, "/srv/chosen.bin");
  }
}

TEST(FilePages, FolderBrowserFillsTheDirectoryFieldAndCancelKeepsIt) {
  struct Case {
    std::string_view answer;
    std::string_view stored;
  };
  const Case cases[] = {{"/srv/reports", "/srv/reports"}, {"cancel", "C:\\Temp"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.answer));
    TemplateParam p = pathParam(kDirectory);
    p.defaultValue = "C:\\Temp";
    const PageRun run = runPage(
        "PARAM-DIRECTORY", p,
        "dialog PARAM-DIRECTORY\nclick 3\nfolder " + std::string(c.answer) + "\nclick 1010\n");
    ASSERT_EQ(run.exitCode, 0) << run.transcript;
    EXPECT_TRUE(
        run.has(R"({"event":"folder","title":"Please select the folder you wish to use ...")"));
    EXPECT_EQ(p.answer, std::string(c.stored));
  }
}

TEST(FilePages, PathIsCutTo1999Bytes) {
  struct Case {
    std::size_t typed;
    std::size_t stored;
  };
  const Case cases[] = {{1999, 1999}, {2000, 1999}, {2600, 1999}};
  for (const PageKind& page : kAllPages) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(page.dialog) + " " + std::to_string(c.typed));
      TemplateParam p = pathParam(page);
      const PageRun run = runPage(page.dialog, p, setAndNext(page, std::string(c.typed, 'p')));
      ASSERT_EQ(run.exitCode, 0) << run.transcript;
      EXPECT_EQ(p.answer, std::string(c.stored, 'p'));
    }
  }
}

}  // namespace
}  // namespace qv::wizard::test
