// Whole wizard runs on the scripted backend: the pages in order, Back and
// Next, cancelling, the existing-target question, failed compiles, the
// save-as checks, the completion and information pages, editing and the
// scripting library link.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/scenarios/wizard_run.h"
#include "wizard/shell/launching.h"
#include "wizard/shell/wizard_texts.h"

namespace qv::wizard::test {
namespace {

// Three pages: Text, List with editing, Option; a header and a TODO marker.
constexpr std::string_view kThreePages =
    "'**********\n"
    "' Says hello.\n"
    "' WIZARD:PARAMS=/s server\n"
    "' WIZARD:RESULTS=0 - done\n"
    "'**********\n"
    "name = \"<PARAM:Type=Text;Question=Name;Default=x>\"\n"
    "colour = \"<PARAM:Type=List;Question=Colour;Data=Red=1,Green=2>\"\n"
    "logIt = <PARAM:Type=Option;Question=Log;Data=Yes=1,No=0>\n"
    "' TODO: say more\n";

// The same without header block and TODO marker.
constexpr std::string_view kPlain =
    "name = \"<PARAM:Type=Text;Question=Name;Default=x>\"\n"
    "colour = \"<PARAM:Type=List;Question=Colour;Data=Red=1,Green=2>\"\n"
    "logIt = <PARAM:Type=Option;Question=Log;Data=Yes=1,No=0>\n";

constexpr std::string_view kNoTags = "WScript.Echo \"hello\"\n";
constexpr std::string_view kFaulty = "x = <PARAM:Type=Nonsense;Question=What>\n";

// The parameter pages of kThreePages answered Alice, Green (label) and No.
constexpr std::string_view kAnswers =
    "dialog PARAM-TEXT\nset 1006 Alice\nclick 1010\n"
    "dialog PARAM-LIST\nselect 1013 1\nclick 1010\n"
    "dialog PARAM-2OPTION\nclick 1002\nclick 1010\n";
constexpr std::string_view kAnsweredBody =
    "name = \"Alice\"\r\ncolour = \"Green\"\r\nlogIt = 0\r\n";
constexpr std::string_view kHeader = "dialog HEADER-INFO\nclick 1010\n";
constexpr std::string_view kReady = "dialog READY\nclick 1010\n";
constexpr std::string_view kFinish = "dialog COMPLETE\nclick 1\n";

std::string welcome(const std::string& templatePath) {
  return "dialog START-WIZARD\nclick 1010\nfile " + templatePath + "\n";
}
std::string saveAs(const std::string& target) {
  return "dialog SAVEAS\nset 1035 " + target + "\nclick 1010\n";
}
std::string crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

class WizardRuns : public ::testing::Test {
 protected:
  std::string templ(std::string_view text, std::string_view name = "t.vbt") {
    return h.write(name, text);
  }
  WizardHarness h;
};

TEST_F(WizardRuns, WithoutArgumentEveryPageComesInTurn) {
  const std::string t = templ(kThreePages);
  const std::string target = h.path("out.vbs");
  const WizardRun run =
      h.run(welcome(t) + std::string(kHeader) + saveAs(target) + std::string(kAnswers) +
            std::string(kReady) + "answer ok\n" + std::string(kFinish));
  EXPECT_RUN_EXIT(run, 0);
  ASSERT_TRUE(run.target);
  EXPECT_NE(run.target->find(std::string(kAnsweredBody)), std::string::npos) << *run.target;
  EXPECT_EQ(*run.target, crlf(kThreePages)
                             .replace(crlf(kThreePages).find("name"), crlf(kPlain).size(),
                                      std::string(kAnsweredBody)));
  // The sequencer hides itself; the working page shows while compiling and generating.
  EXPECT_TRUE(run.has("{\"event\":\"show\",\"dialog\":\"WORKING\"}"));
  EXPECT_EQ(run.count("{\"event\":\"close\",\"dialog\":\"WORKING\""), 2);
  EXPECT_TRUE(run.has("\"position\":100"));
  EXPECT_TRUE(run.has(control(1035, "edit", h.env.programFolder + "NewScript.vbs")));
  EXPECT_TRUE(run.has(control(1006, "edit",
                              crlf(kThreePages)
                                  .replace(crlf(kThreePages).find("name"), crlf(kPlain).size(),
                                           std::string(kAnsweredBody)))));
  EXPECT_TRUE(run.has("{\"event\":\"exit\",\"code\":0}"));
}

TEST_F(WizardRuns, TheOpenFileDialogStartsInTheTemplateFolderWhenThereIsOne) {
  struct Case {
    const char* name;
    const char* create;  // folder to create, or null
    std::optional<std::string> folder;
  };
  const std::string shared = h.path("share/Script Templates");
  const std::string local = h.path("program/Script Templates");
  const Case cases[] = {{"none", nullptr, std::nullopt},
                        {"beside the program", "program/Script Templates", local},
                        {"shared", "share/Script Templates", shared}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.create) std::filesystem::create_directories(h.path(c.create));
    const WizardRun run = h.run(
        "dialog START-WIZARD\nclick 1010\nfile cancel\nanswer ok\n"
        "key escape\nanswer yes\n");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_TRUE(run.has("\"folder\":" + (c.folder ? json(*c.folder) : "null"))) << run.transcript();
    EXPECT_TRUE(run.has(messageEvent(texts::kSelectTemplateHint)));
    EXPECT_TRUE(run.has(messageEvent(texts::kQuitQuestion)));
    EXPECT_FALSE(run.target);
  }
}

TEST_F(WizardRuns, ANewTargetOnTheCommandLineSkipsTheSaveAsPage) {
  const std::string t = templ(kPlain);
  const std::string target = h.path("new.vbs");
  const WizardRun run = h.run(welcome(t) + std::string(kHeader) + std::string(kAnswers) +
                                  std::string(kReady) + std::string(kFinish),
                              {target}, "new.vbs");
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_FALSE(run.has("\"dialog\":\"SAVEAS\""));
  EXPECT_EQ(run.target, std::string(kAnsweredBody));
}

TEST_F(WizardRuns, AnExistingTargetAsksWhatToDo) {
  struct Case {
    const char* name;
    std::string choice;
    bool quoted;
    int exitCode;
    bool generated;
  };
  const Case cases[] = {
      {"cancel the wizard", "click 1\n", false, 1, false},
      {"overwrite", "click 5\n", false, 0, true},
      {"escape overwrites", "key escape\n", false, 0, true},
      {"overwrite, path in quotation marks", "press Overwrite the file\n", true, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string t = templ(kPlain);
    const std::string target = h.write("old.vbs", "old\r\n");
    std::string script = "dialog FILE_EXISTS\n" + c.choice;
    if (c.generated) {
      script += welcome(t) + std::string(kHeader) + std::string(kAnswers) + std::string(kReady) +
                std::string(kFinish);
    }
    const WizardRun run = h.run(script, {c.quoted ? "\"" + target + "\"" : target}, "old.vbs");
    EXPECT_RUN_EXIT(run, c.exitCode);
    EXPECT_EQ(run.target, c.generated ? std::string(kAnsweredBody) : "old\r\n");
    EXPECT_FALSE(run.has("\"dialog\":\"SAVEAS\""));
    EXPECT_EQ(run.has("\"dialog\":\"START-WIZARD\""), c.generated);
  }
}

TEST_F(WizardRuns, EditingAnExistingScriptShowsOnlyTheCompletionPage) {
  struct Case {
    const char* name;
    std::string script;
    std::string choice;
    bool infoEnabled;
  };
  const Case cases[] = {
      {"with header, Enter edits", std::string(kThreePages), "key enter\n", true},
      {"without header", std::string(kPlain), "click 3\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string target = h.write("old.vbs", c.script);
    std::string script = "dialog FILE_EXISTS\n" + c.choice + "dialog COMPLETE\n";
    if (c.infoEnabled) script += "click 1041\ndialog PARAM-INFO\nkey escape\nclick 1\n";
    script += "key escape\nclick 1\n";  // Escape does nothing on either page
    const WizardRun run = h.run(script, {target}, "old.vbs");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_EQ(run.target, c.script);  // untouched
    EXPECT_TRUE(run.has(control(1006, "edit", crlf(c.script))));
    EXPECT_FALSE(run.has("\"event\":\"message\""));  // no TODO notice on this route
    EXPECT_TRUE(run.has(control(1041, "button", "Show Calling Parameters && Return Values ...") +
                        ",\"enabled\":" + (c.infoEnabled ? "true" : "false")));
    if (c.infoEnabled) {
      EXPECT_TRUE(run.has(control(1065, "edit", "/s server\r\n\r\n")));
      EXPECT_TRUE(run.has(control(1066, "edit", "0 - done")));
    }
  }
}

TEST_F(WizardRuns, BackAndNextKeepTheAnswers) {
  const std::string t = templ(kPlain);
  const std::string script = welcome(t) + std::string(kHeader) + saveAs(h.path("out.vbs")) +
                             "dialog PARAM-TEXT\nset 1006 Alice\nclick 1010\n"
                             "dialog PARAM-LIST\nset 1013 Blue\nclick 1010\n"
                             "dialog PARAM-2OPTION\nclick 1002\nclick 1034\n"  // page 3 back to 2
                             "dialog PARAM-LIST\nclick 1034\n"  // shows Red again; back to 1
                             "dialog PARAM-TEXT\nclick 1010\n"  // shows Alice
                             "dialog PARAM-LIST\nset 1013 Blue\nclick 1010\n"
                             "dialog PARAM-2OPTION\nclick 1010\n"  // option 2 still checked
                             "dialog READY\nclick 1034\n"          // back to the last page
                             "dialog PARAM-2OPTION\nclick 1010\n" +
                             std::string(kReady) + std::string(kFinish);
  const WizardRun run = h.run(script);
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_EQ(run.target, "name = \"Alice\"\r\ncolour = \"Blue\"\r\nlogIt = 0\r\n");
  EXPECT_TRUE(run.opened("PARAM-TEXT", 1).find(control(1006, "edit", "Alice")) !=
              std::string::npos);
  EXPECT_TRUE(run.opened("PARAM-LIST", 1).find(control(1013, "combo", "Red")) != std::string::npos);
  for (int visit : {1, 2}) {
    EXPECT_TRUE(run.opened("PARAM-2OPTION", visit)
                    .find("\"id\":1002,\"kind\":\"radio\",\"text\":\"No\",\"enabled\":true,"
                          "\"visible\":true,\"checked\":true") != std::string::npos);
  }
}

// The steps of a run without argument, each a page and what the user does
// there; cancelling at each one in turn.
struct Step {
  std::string dialog;
  std::string actions;
  std::string_view question;
};

TEST_F(WizardRuns, CancelOnEveryPageAsksAndYesEndsWithoutWriting) {
  const std::string t = templ(kThreePages);
  const std::string target = h.path("out.vbs");
  const std::vector<Step> steps = {
      {"START-WIZARD", "click 1010\nfile " + t + "\n", texts::kQuitQuestion},
      {"HEADER-INFO", "click 1010\n", texts::kCancelQuestion},
      {"SAVEAS", "set 1035 " + target + "\nclick 1010\n", texts::kQuitWithoutScriptQuestion},
      {"PARAM-TEXT", "set 1006 Alice\nclick 1010\n", texts::kCancelQuestion},
      {"PARAM-LIST", "select 1013 1\nclick 1010\n", texts::kCancelQuestion},
      {"PARAM-2OPTION", "click 1002\nclick 1010\n", texts::kCancelQuestion},
      {"READY", "click 1010\n", texts::kCancelQuestion},
  };
  for (std::size_t at = 0; at < steps.size(); ++at) {
    for (const bool confirmed : {true, false}) {
      SCOPED_TRACE(steps[at].dialog + (confirmed ? " yes" : " no"));
      std::filesystem::remove(target);
      std::string script;
      for (std::size_t i = 0; i < at; ++i)
        script += "dialog " + steps[i].dialog + "\n" + steps[i].actions;
      script += "dialog " + steps[at].dialog + "\n" +
                (confirmed ? "key escape\nanswer yes\n" : "click 2\nanswer no\n");
      if (!confirmed) {
        for (std::size_t i = at; i < steps.size(); ++i) {
          script += (i == at ? "" : "dialog " + steps[i].dialog + "\n") + steps[i].actions;
        }
        script += "answer ok\n" + std::string(kFinish);
      }
      const WizardRun run = h.run(script);
      EXPECT_RUN_EXIT(run, 0);
      EXPECT_TRUE(run.has(messageEvent(steps[at].question) +
                          ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"question\""));
      if (confirmed) {
        // The save-as page's check leaves no empty file behind.
        EXPECT_EQ(run.target, std::nullopt);
        EXPECT_FALSE(run.has("\"dialog\":\"COMPLETE\""));
      } else {
        EXPECT_EQ(run.target, crlf(kThreePages)
                                  .replace(crlf(kThreePages).find("name"), crlf(kPlain).size(),
                                           std::string(kAnsweredBody)));
      }
    }
  }
}

TEST_F(WizardRuns, AfterAFailedCompileTheWelcomePageComesBack) {
  const std::string faulty = templ(kFaulty, "faulty.vbt");
  const std::string good = templ(kPlain, "good.vbt");
  const std::string target = h.path("cl.vbs");
  struct Case {
    const char* name;
    std::string afterError;
    bool generated;
  };
  const Case cases[] = {
      {"another template",
       welcome(good) + std::string(kHeader) + std::string(kAnswers) + std::string(kReady) +
           std::string(kFinish),
       true},
      {"quit", "dialog START-WIZARD\nkey escape\nanswer yes\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(target);
    // The target named on the command line still stands after the failure:
    // no save-as page follows the second template.
    const WizardRun run = h.run(welcome(faulty) + "dialog COMPILE_ERROR\nclick 1\n" + c.afterError,
                                {target}, "cl.vbs");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_EQ(run.target, c.generated ? std::optional<std::string>(kAnsweredBody) : std::nullopt);
    EXPECT_FALSE(run.has("\"dialog\":\"SAVEAS\""));
    EXPECT_EQ(run.count("{\"event\":\"open\",\"dialog\":\"START-WIZARD\""),
              3);  // sequencer + 2 welcomes
  }
}

TEST_F(WizardRuns, HeaderPageShowsTheDescriptionOrNothing) {
  struct Case {
    std::string_view templateText;
    bool hasHeader;
  };
  const Case cases[] = {{kThreePages, true}, {kPlain, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hasHeader);
    const std::string t = templ(c.templateText);
    const WizardRun run =
        h.run(welcome(t) + std::string(kHeader) + "dialog SAVEAS\nkey escape\nanswer yes\n");
    EXPECT_RUN_EXIT(run, 0);
    const std::string header = run.opened("HEADER-INFO");
    EXPECT_EQ(header.find(control(1054, "edit", "")) != std::string::npos, !c.hasHeader) << header;
    EXPECT_EQ(header.find("Says hello.") != std::string::npos, c.hasHeader);
    EXPECT_EQ(header.find("Compilation successful") != std::string::npos, c.hasHeader);
  }
}

TEST_F(WizardRuns, SaveAsChecksTheFileBeforeAnyPage) {
  const std::string t = templ(kPlain);
  const std::string existing = h.write("exists.vbs", "keep\r\n");
  const std::string fresh = h.path("fresh.vbs");
  struct Case {
    const char* name;
    std::string actions;       // on SAVEAS, ending with the page accepted
    std::string_view warning;  // expected refusal, if any
    std::string acceptedName;  // the file accepted before the first page
  };
  const Case cases[] = {
      {"empty", "set 1035\nclick 1010\nanswer ok\nset 1035 " + fresh + "\nclick 1010\n",
       texts::kEnterFileName, "fresh.vbs"},
      {"quotation marks", "set 1035 \"" + fresh + "\"\nclick 1010\n", {}, "fresh.vbs"},
      {"existing, No then Yes",
       "set 1035 " + existing + "\nclick 1010\nanswer no\ndump\nclick 1010\nanswer yes\n",
       {},
       "exists.vbs"},
      {"folder missing",
       "set 1035 " + h.path("nowhere/x.vbs") + "\nclick 1010\nanswer ok\nset 1035 " + fresh +
           "\nclick 1010\n",
       texts::kCannotAccessFile, "fresh.vbs"},
      {"a folder",
       "set 1035 " + h.path("program") + "\nclick 1010\nanswer ok\nset 1035 " + fresh +
           "\nclick 1010\n",
       texts::kCannotAccessFile, "fresh.vbs"},
      {"browse", "click 3\nfile " + fresh + "\nclick 1010\n", {}, "fresh.vbs"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(fresh);
    const WizardRun run = h.run(welcome(t) + std::string(kHeader) + "dialog SAVEAS\n" + c.actions +
                                    "dialog PARAM-TEXT\nkey escape\nanswer yes\n",
                                {}, c.acceptedName);
    EXPECT_RUN_EXIT(run, 0);
    if (!c.warning.empty()) {
      EXPECT_TRUE(run.has(messageEvent(c.warning) +
                          ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\""));
    }
    // Accepting appends nothing: an existing file is kept, a new one is not
    // left behind by the check.
    EXPECT_EQ(run.target, c.acceptedName == "exists.vbs" ? std::optional<std::string>("keep\r\n")
                                                         : std::nullopt);
    if (std::string_view(c.name).starts_with("existing")) {
      EXPECT_TRUE(run.has(messageEvent(texts::kOverwriteQuestion)));
      EXPECT_TRUE(run.line({"\"event\":\"dump\"", control(1035, "edit", existing)}).size() > 0);
    }
  }
}

TEST_F(WizardRuns, ATemplateWithoutTagsIsCopiedWithoutPages) {
  const std::string t = templ(kNoTags);
  const WizardRun run = h.run(welcome(t) + std::string(kHeader) + std::string(kFinish),
                              {h.path("copy.vbs")}, "copy.vbs");
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_EQ(run.target, crlf(kNoTags));
  EXPECT_FALSE(run.has("\"dialog\":\"READY\""));
}

TEST_F(WizardRuns, CompletionPageTellsAboutTodoAndOffersTheInformation) {
  struct Case {
    std::string_view templateText;
    bool todo;
  };
  const Case cases[] = {{kThreePages, true}, {kPlain, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.todo);
    std::filesystem::remove(h.path("o.vbs"));
    const std::string t = templ(c.templateText);
    const WizardRun run =
        h.run(welcome(t) + std::string(kHeader) + std::string(kAnswers) + std::string(kReady) +
                  (c.todo ? "answer ok\n" : "") + std::string(kFinish),
              {h.path("o.vbs")}, "o.vbs");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_EQ(run.has(messageEvent(texts::kTodoNotice) +
                      ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"information\""),
              c.todo);
    EXPECT_TRUE(run.has(control(1041, "button", "Show Calling Parameters && Return Values ...") +
                        ",\"enabled\":" + (c.todo ? "true" : "false")));
  }
}

TEST_F(WizardRuns, InformationPageWithResultsOnly) {
  const std::string script = h.write("r.vbs", "'****\n' WIZARD:RESULTS=1 - bad|0 - good\n'****\n");
  const WizardRun run = h.run(
      "dialog FILE_EXISTS\nclick 3\ndialog COMPLETE\nclick 1041\n"
      "dialog PARAM-INFO\nclick 1\nclick 1\n",
      {script}, "r.vbs");
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_TRUE(run.has(control(1065, "edit", "[No details available]")));
  EXPECT_TRUE(run.has(control(1066, "edit", "1 - bad\r\n0 - good")));
  EXPECT_TRUE(run.has("{\"event\":\"close\",\"dialog\":\"PARAM-INFO\",\"result\":0}"));
}

TEST_F(WizardRuns, EmptyOrUnreadableTargetOnTheCompletionPage) {
  // An empty existing script: nothing to show, nothing to say.
  const std::string empty = h.write("empty.vbs", "");
  WizardRun run =
      h.run("dialog FILE_EXISTS\nclick 3\ndialog COMPLETE\nclick 1\n", {empty}, "empty.vbs");
  EXPECT_RUN_EXIT(run, 0);
  EXPECT_FALSE(run.has("\"event\":\"message\""));
  EXPECT_TRUE(run.has(control(1006, "edit", "")));
}

TEST_F(WizardRuns, EditStartsTheEditorEachTimeAndReportsAFailure) {
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails);
    const std::string target = h.write("e.vbs", "x\r\n");
    ui::script::ScriptSettings settings;
    settings.launchFails = fails;
    const std::string warning = fails ? "answer ok\n" : "";
    const WizardRun run = h.run("dialog FILE_EXISTS\nclick 3\ndialog COMPLETE\nclick 1040\n" +
                                    warning + "press Edit ...\n" + warning + "click 1\n",
                                {target}, "e.vbs", settings);
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_EQ(
        run.count("{\"event\":\"launch\",\"command\":" + json("notepad.exe \"" + target + "\"") +
                  ",\"ok\":" + (fails ? "false" : "true")),
        2);
    EXPECT_EQ(run.count(messageEvent(texts::kCannotEditScript)), fails ? 2 : 0);
  }
}

TEST_F(WizardRuns, LibraryLinkNeedsTheProbeFileBesideTheProgram) {
  for (const bool probe : {true, false}) {
    SCOPED_TRACE(probe);
    if (!probe) std::filesystem::remove(h.path("program/Dummy.htm"));
    const WizardRun run = h.run(std::string("dialog START-WIZARD\nclick 1050\n") +
                                (probe ? "" : "answer ok\n") + "key escape\nanswer yes\n");
    EXPECT_RUN_EXIT(run, 0);
    EXPECT_EQ(
        run.has("{\"event\":\"launch\",\"command\":" +
                json("x-www-browser " + std::string(kScriptingLibraryAddress)) + ",\"ok\":true}"),
        probe);
    EXPECT_EQ(run.has(messageEvent(texts::kNoBrowser) +
                      ",\"title\":\"Quorvel Scripting Wizard\",\"icon\":\"warning\""),
              !probe);
    EXPECT_FALSE(run.has("\"event\":\"launch\"") && !probe);
  }
}

}  // namespace
}  // namespace qv::wizard::test
