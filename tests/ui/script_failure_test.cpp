// Every way a script can fail to match what the program does ends the run at
// once with exit status 3 and a script-error line naming the script line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ui/script/script_run.h"
#include "tests/ui/transcript_lines.h"
#include "tools/kit-demo/demo_dialogs.h"

namespace qv {
namespace {

using ::testing::HasSubstr;
using ui::script::runScriptText;

// A dialog that hides itself and then has nothing to do.
constexpr ui::ControlTemplate kHiddenControls[] = {
    {1, ui::ControlKind::Button, "OK", 5, 5, 50, 14, ui::cs::kDefault},
};
constexpr ui::DialogTemplate kHiddenDialog{"HIDDEN",         "Hidden",        60, 30,
                                           ui::ds::kCaption, "MS Sans Serif", 8,  kHiddenControls};
class HidingProc final : public ui::DialogProc {
  void onInit(ui::Dialog& d) override { d.show(false); }
};

struct FailureCase {
  const char* name;
  std::string script;
  int line;
  const char* message;
};

TEST(ScriptFailure, EachMismatchEndsTheRunWithItsLine) {
  const FailureCase cases[] = {
      {"a dialog the script does not announce", "set 101 x\n", 1, "does not announce"},
      {"a message box the script does not announce", "dialog DEMO-MAIN\nkey enter\nclick 2\n", 3,
       "message box"},
      {"an announced message box that never comes", "dialog DEMO-MAIN\nanswer ok\n", 2,
       "announces a answer"},
      {"an announced dialog that never comes", "dialog DEMO-MAIN\nclick 140\ndialog DEMO-MAIN\n", 3,
       "announces dialog DEMO-MAIN but dialog DEMO-DETAILS waits"},
      {"the script ends while a dialog waits", "dialog DEMO-MAIN\nset 101 x\n", 0, "script ended"},
      {"an action on an unknown control", "dialog DEMO-MAIN\nclick 999\n", 2, "has no control 999"},
      {"an action on a read-only text is possible, on a static it is not",
       "dialog DEMO-MAIN\nset 100 x\n", 2, "takes no text"},
      {"press with a text no button has", "dialog DEMO-MAIN\npress Nothing\n", 2, "has no button"},
      {"a select past the last entry", "dialog DEMO-MAIN\nselect 122 3\n", 2, "has no entry 3"},
      {"lines left at exit", "dialog DEMO-MAIN\nclick 2\ndump\n", 3, "script line(s) left"},
      {"a file dialog answered as a message box", "dialog DEMO-MAIN\nclick 141\nanswer ok\n", 3,
       "open-file dialog"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto r = runScriptText(c.script, [](ui::Platform& p) { return demo::runDemo(p); });
    EXPECT_EQ(r.exitCode, 3);
    const auto errors = test::events(r.transcript, "script-error");
    ASSERT_EQ(errors.size(), 1u) << r.transcript;
    EXPECT_THAT(errors[0], HasSubstr("\"line\":" + std::to_string(c.line) + ","));
    EXPECT_THAT(errors[0], HasSubstr(c.message));
    // Nothing follows the error: no close, no exit.
    EXPECT_EQ(test::lines(r.transcript).back(), errors[0]);
  }
}

TEST(ScriptFailure, ADisabledOrHiddenControlCannotBeUsed) {
  static constexpr ui::ControlTemplate controls[] = {
      {10, ui::ControlKind::Edit, "", 5, 5, 50, 12, ui::cs::kDisabled},
      {11, ui::ControlKind::Button, "Go", 5, 20, 50, 14, ui::cs::kHidden},
  };
  static constexpr ui::DialogTemplate tpl{"STATES",         "States",        60, 40,
                                          ui::ds::kCaption, "MS Sans Serif", 8,  controls};
  for (const char* action : {"set 10 x", "click 11", "focus 10", "caret 10 0"}) {
    SCOPED_TRACE(action);
    const auto r =
        runScriptText(std::string("dialog STATES\n") + action + "\n", [&](ui::Platform& p) {
          ui::DialogProc proc;
          p.ui().runModal(tpl, proc);
          return 0;
        });
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_THAT(test::events(r.transcript, "script-error").at(0),
                testing::AnyOf(HasSubstr("is disabled"), HasSubstr("is hidden")));
  }
}

TEST(ScriptFailure, AHiddenDialogLeftWaitingFails) {
  const auto r = runScriptText("", [](ui::Platform& p) {
    HidingProc proc;
    p.ui().runModal(kHiddenDialog, proc);
    return 0;
  });
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_THAT(
      test::events(r.transcript, "script-error").at(0),
      HasSubstr(R"("message":"dialog HIDDEN is hidden and waits for input","dialog":"HIDDEN"})"));
}

TEST(ScriptFailure, AMessageLoopWithNothingToDoFails) {
  const auto r = runScriptText("", [](ui::Platform& p) { return p.ui().runMessageLoop(); });
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_THAT(test::events(r.transcript, "script-error").at(0),
              HasSubstr("waits for input with no dialog open"));
}

TEST(ScriptFailure, AnAnswerThatIsNotAButtonOfTheBoxFails) {
  const auto r = runScriptText("answer yes\n", [](ui::Platform& p) {
    p.ui().messageBox("Done.", "T", ui::MessageIcon::Information, ui::MessageButtons::Ok);
    return 0;
  });
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_THAT(test::events(r.transcript, "script-error").at(0), HasSubstr("has no button yes"));
}

}  // namespace
}  // namespace qv
