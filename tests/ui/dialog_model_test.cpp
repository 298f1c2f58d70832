// The live dialog's model as programs use it, independent of any backend.
#include <gtest/gtest.h>

#include "platform/ui/script/script_run.h"

namespace qv {
namespace {

constexpr ui::ControlTemplate kControls[] = {
    {10, ui::ControlKind::Edit, "", 0, 0, 10, 10},
    {11, ui::ControlKind::Combo, "", 0, 0, 10, 10},  // list only
    {12, ui::ControlKind::List, "", 0, 0, 10, 10, ui::cs::kSort},
    {13, ui::ControlKind::Progress, "", 0, 0, 10, 10},
};
constexpr ui::DialogTemplate kTpl{"MODEL",          "Model",         10, 10,
                                  ui::ds::kCaption, "MS Sans Serif", 8,  kControls};

// Runs `check` on a live dialog of kTpl inside a scripted run.
template <typename Check>
void withDialog(Check check) {
  struct Proc final : ui::DialogProc {
    explicit Proc(Check& c) : check(c) {}
    void onInit(ui::Dialog& d) override {
      check(d);
      d.end(0);
    }
    Check& check;
  } proc(check);
  const auto r = ui::script::runScriptText("", [&](ui::Platform& p) {
    p.ui().runModal(kTpl, proc);
    return 0;
  });
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
}

TEST(DialogModel, TextIsReadIntoACapacityWithoutSplittingACharacter) {
  withDialog([](ui::Dialog& d) {
    d.setText(10, "abcdef");
    EXPECT_EQ(d.text(10, 4), "abc");
    EXPECT_EQ(d.text(10, 1), "");
    d.setText(10, "a\xC3\xA9z");  // a, e acute (two bytes), z
    EXPECT_EQ(d.text(10, 3), "a");
    EXPECT_EQ(d.text(10, 4), "a\xC3\xA9");
    d.setText(10, "a\xE9z");  // not UTF-8: cut at the byte
    EXPECT_EQ(d.text(10, 3), "a\xE9");
  });
}

TEST(DialogModel, AListOnlyComboReadsItsSelectedEntry) {
  withDialog([](ui::Dialog& d) {
    d.addItem(11, "GET");
    d.addItem(11, "POST");
    EXPECT_EQ(d.text(11), "");
    d.setSelection(11, 1);
    EXPECT_EQ(d.text(11), "POST");
    d.setSelection(11, 7);  // out of range selects none
    EXPECT_EQ(d.selection(11), -1);
  });
}

TEST(DialogModel, ASortedListKeepsTheSelectionOnItsEntry) {
  withDialog([](ui::Dialog& d) {
    EXPECT_EQ(d.addItem(12, "m"), 0);
    d.setSelection(12, 0);
    EXPECT_EQ(d.addItem(12, "A"), 0);
    EXPECT_EQ(d.addItem(12, "z"), 2);
    EXPECT_EQ(d.selection(12), 1);
    EXPECT_EQ(d.itemText(12, d.selection(12)), "m");
    EXPECT_EQ(d.itemText(12, 5), "");
  });
}

TEST(DialogModel, ProgressStaysInItsRangeAndUnknownControlsAreIgnored) {
  withDialog([](ui::Dialog& d) {
    d.setProgress(13, 150);
    EXPECT_EQ(d.find(13)->position, 100);
    d.setText(99, "x");
    EXPECT_EQ(d.text(99), "");
    EXPECT_FALSE(d.isEnabled(99));
  });
}

}  // namespace
}  // namespace qv
