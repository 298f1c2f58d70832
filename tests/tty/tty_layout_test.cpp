// Dialog units to cells: every dialog of both programs fits an 80 x 24
// terminal with its controls kept apart, and one that cannot fit keeps its
// controls apart and scrolls.
#include <gtest/gtest.h>

#include <vector>

#include "browser/res/resources.h"
#include "platform/ui/tty/layout.h"
#include "wizard/res/resources.h"

namespace qv::ui::tty {
namespace {

namespace wr = wizard::res;

std::vector<const DialogTemplate*> everyDialog() {
  return {&wr::kFileExists,
          &wr::kStartWizard,
          &wr::kHeaderInfo,
          &wr::kSaveAs,
          &wr::kReady,
          &wr::kWorking,
          &wr::kComplete,
          &wr::kParamInfo,
          &wr::kCompileError,
          &wr::kParamText,
          &wr::kParamList,
          &wr::kParamListNoEdit,
          &wr::kParam2Option,
          &wr::kParamFile,
          &wr::kParamDirectory,
          &wr::kParamRun,
          &wr::kParamWavFile,
          &wr::kParamMessage,
          &wr::kParamSmtpConnection,
          &wr::kParamSmtpUser,
          &wr::kParamSyslog,
          &wr::kParamEventLog,
          &wr::kParamSmsApi,
          &wr::kParamSmsHttp1,
          &wr::kParamSmsHttp2,
          &wr::kParamSmsSmtp1,
          &wr::kParamSmsSmtp2,
          &wr::kParamServer,
          &wr::kParamDomain,
          &wr::kParamOdbc,
          &wr::kMsgBuilder,
          &wr::kFindServer,
          &wr::kFindEmailServer,
          &browser::res::aboutBox(),
          &browser::res::browserDialog(),
          &browser::res::splashWindow()};
}

bool apartInTemplate(const ControlTemplate& a, const ControlTemplate& b) {
  return a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
}

bool overlap(const CellRect& a, const CellRect& b) {
  return a.col < b.right() && b.col < a.right() && a.row < b.bottom() && b.row < a.bottom();
}

// Controls apart in the template are apart in cells, and all are inside.
void expectSound(const DialogTemplate& tpl, const DialogLayout& layout) {
  ASSERT_EQ(layout.controls.size(), tpl.controls.size());
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const CellRect& r = layout.controls[i];
    EXPECT_GE(r.row, 0) << tpl.name << " control " << tpl.controls[i].id;
    EXPECT_GE(r.col, 0) << tpl.name << " control " << tpl.controls[i].id;
    EXPECT_LE(r.bottom(), layout.rows) << tpl.name << " control " << tpl.controls[i].id;
    EXPECT_LE(r.right(), layout.cols) << tpl.name << " control " << tpl.controls[i].id;
    for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
      if (!apartInTemplate(tpl.controls[i], tpl.controls[j])) continue;
      EXPECT_FALSE(overlap(r, layout.controls[j]))
          << tpl.name << ": controls " << tpl.controls[i].id << " and " << tpl.controls[j].id;
    }
  }
}

TEST(TtyLayout, EveryDialogFitsEightyByTwentyFour) {
  for (const DialogTemplate* tpl : everyDialog()) {
    const DialogLayout layout = layoutDialog(*tpl, 22, 78);
    EXPECT_LE(layout.rows, 22) << tpl->name;
    EXPECT_LE(layout.cols, 78) << tpl->name;
    expectSound(*tpl, layout);
  }
}

TEST(TtyLayout, RoomyTerminalKeepsFourAndEightUnitsPerCell) {
  const DialogLayout layout = layoutDialog(wr::kParamText, 100, 200);
  // "Next ->" at 297,209 (50 x 14): the banner's empty band below it is
  // shrunk, columns are not scaled.
  const auto& controls = wr::kParamText.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id != 1010) continue;
    EXPECT_EQ(layout.controls[i].col, 74);
    EXPECT_EQ(layout.controls[i].cols, 13);
    EXPECT_EQ(layout.controls[i].rows, 1);
  }
  EXPECT_EQ(layout.cols, 89);
  EXPECT_LT(layout.rows, 230 / 8);
}

constexpr ControlTemplate kTallControls[] = {
    {10, ControlKind::Static, "first", 4, 0, 100, 8},
    {11, ControlKind::Edit, "", 4, 10, 100, 12, cs::kTabStop},
    {12, ControlKind::List, "", 4, 24, 100, 40, cs::kTabStop},
    {13, ControlKind::Static, "middle", 4, 66, 100, 8},
    {14, ControlKind::Edit, "", 4, 76, 100, 12, cs::kTabStop},
    {15, ControlKind::Edit, "", 4, 90, 100, 12, cs::kTabStop},
    {16, ControlKind::Button, "last", 4, 104, 50, 14, cs::kTabStop},
};
constexpr DialogTemplate kTall{"TALL",       "Tall",         120, 120,
                               ds::kCaption, "MS Shell Dlg", 8,   kTallControls};

TEST(TtyLayout, DialogThatCannotFitKeepsItsControlsApart) {
  const DialogLayout layout = layoutDialog(kTall, 6, 78);
  EXPECT_GT(layout.rows, 6);  // the view scrolls
  expectSound(kTall, layout);
}

TEST(TtyLayout, TextsMayWrapIntoFreeRowsBelowThem) {
  const DialogLayout layout = layoutDialog(wr::kStartWizard, 22, 78);
  const auto& controls = wr::kStartWizard.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const CellRect& r = layout.controls[i];
    for (std::size_t j = 0; j < controls.size(); ++j) {
      if (i == j || controls[i].kind != ControlKind::Static) continue;
      CellRect grown = r;
      grown.rows += r.spareRows;
      if (apartInTemplate(controls[i], controls[j])) {
        EXPECT_FALSE(overlap(grown, layout.controls[j]))
            << controls[i].id << " grows into " << controls[j].id;
      }
    }
  }
}

}  // namespace
}  // namespace qv::ui::tty
