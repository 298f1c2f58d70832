// A template compiled, answered, generated, and the script's header read
// back as the editing route reads it.
#include <gtest/gtest.h>

#include <string>

#include "tests/engine/engine_support.h"
#include "wizard/engine/compiler.h"
#include "wizard/engine/generator.h"
#include "wizard/engine/header_reader.h"
#include "wizard/engine/param_list.h"

namespace qv::wizard {
namespace {

TEST(RoundTripTest, AnswersInTheHeaderAreReadBackFromTheScript) {
  test::TempFolder temp;
  WizardState state;
  state.templatePath = test::fixture("round_trip.vbt");
  state.targetPath = temp.file("service.vbs");
  const auto run = test::runWithUi("", [&](ui::Ui& ui) {
    ASSERT_TRUE(compileTemplate(state, ui));
    ASSERT_EQ(state.paramCount, 4);
    recordAt(state.paramList, 1)->answer = "SRV9";
    recordAt(state.paramList, 2)->answer = "Spooler";
    recordAt(state.paramList, 4)->answer = "Spooler";
    state.answers.messageTitle = "Service down";
    ASSERT_TRUE(generateScript(state, ui));

    // The editing route starts without a template and with empty texts.
    WizardState editing;
    editing.targetPath = state.targetPath;
    EXPECT_TRUE(readScriptHeader(editing, ui, editing.targetPath));
    EXPECT_EQ(editing.callingExample, "-s SRV9");
    EXPECT_EQ(editing.callingParams, "/s Spooler\r\n/v verbose");
    EXPECT_EQ(editing.scriptResults, "Alert \"Service down\" when stopped");
  });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  const std::string script = test::readBytes(state.targetPath);
  EXPECT_NE(script.find("svc = \"Spooler\"\r\ntitle = \"Service down\"\r\n"), std::string::npos)
      << script;
}

}  // namespace
}  // namespace qv::wizard
