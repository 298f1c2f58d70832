// A dialog view on the dialog model, without a terminal: what the keys do
// and what the picture shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/script/script.h"
#include "platform/ui/script/script_ui.h"
#include "platform/ui/script/transcript.h"
#include "platform/ui/tty/dialog_view.h"

namespace qv::ui::tty {
namespace {

constexpr ControlTemplate kFormControls[] = {
    {20, ControlKind::Static, "&Name:", 4, 4, 40, 8},
    {21, ControlKind::Edit, "", 50, 4, 100, 12, cs::kTabStop},
    {22, ControlKind::Edit, "", 50, 20, 100, 12, cs::kTabStop | cs::kNumber},
    {23, ControlKind::Edit, "", 50, 36, 100, 12, cs::kTabStop | cs::kPassword},
    {24, ControlKind::Edit, "", 50, 52, 100, 30, cs::kTabStop | cs::kMultiLine | cs::kWantReturn},
    {25, ControlKind::Radio, "&Red", 4, 90, 60, 10, cs::kGroup | cs::kTabStop},
    {26, ControlKind::Radio, "&Green", 4, 102, 60, 10},
    {27, ControlKind::Radio, "Blue", 4, 114, 60, 10, cs::kDisabled},
    {28, ControlKind::Check, "&Loud", 4, 128, 60, 10, cs::kGroup | cs::kTabStop},
    {29, ControlKind::Combo, "", 80, 90, 80, 60, cs::kTabStop},
    {30, ControlKind::List, "", 80, 110, 80, 30, cs::kTabStop},
    {31, ControlKind::Button, "Hidden", 4, 150, 50, 14, cs::kTabStop | cs::kHidden},
    {kIdOk, ControlKind::Button, "OK", 60, 150, 50, 14, cs::kTabStop | cs::kDefault | cs::kGroup},
    {kIdCancel, ControlKind::Button, "Cancel", 114, 150, 50, 14, cs::kTabStop},
};
constexpr DialogTemplate kForm{
    "FORM", "A form", 170, 170, ds::kCaption | ds::kSysMenu, "MS Shell Dlg", 8, kFormControls};

class Commands final : public DialogProc {
 public:
  void onCommand(Dialog&, int id) override { ids.push_back(id); }
  std::vector<int> ids;
};

Key key(KeyCode code) {
  return Key{code};
}
Key typed(char32_t ch, bool alt = false) {
  return Key{KeyCode::Char, ch, alt};
}

class TtyView : public ::testing::Test {
 protected:
  TtyView() : script_({}), transcript_(nullptr), ui_(script_, transcript_) {
    dialog_ = std::make_unique<Dialog>(ui_, kForm, commands_, nullptr, true);
    for (const char* item : {"alpha", "beta", "gamma"}) {
      dialog_->addItem(29, item);
      dialog_->addItem(30, item);
    }
    view_ = std::make_unique<DialogView>(*dialog_);
  }
  void press(const std::vector<Key>& keys) {
    for (const Key& k : keys) view_->handleKey(k);
  }
  std::string screen() {
    Canvas canvas(24, 80);
    view_->draw(canvas, true);
    return canvas.toText();
  }
  Dialog& dialog() { return *dialog_; }
  // A click on the first cell of `text` as the view draws it now.
  Key clickOn(const std::u32string& text) {
    Canvas canvas(24, 80);
    view_->draw(canvas, true);
    for (int row = 0; row < canvas.rows(); ++row) {
      std::u32string line;
      for (int col = 0; col < canvas.cols(); ++col) line += canvas.at(row, col).ch;
      if (const std::size_t at = line.find(text); at != std::u32string::npos) {
        return Key{KeyCode::Click, 0, false, row, static_cast<int>(at)};
      }
    }
    ADD_FAILURE() << "not on screen: " << encodeUtf8(text);
    return Key{};
  }

  script::Script script_;
  script::Transcript transcript_;
  script::ScriptUi ui_;
  Commands commands_;
  std::unique_ptr<Dialog> dialog_;
  std::unique_ptr<DialogView> view_;
};

TEST_F(TtyView, TabVisitsEnabledVisibleStopsInTemplateOrderAndWraps) {
  EXPECT_EQ(dialog().focusedId(), 21);
  std::vector<int> visited;
  for (int i = 0; i < 10; ++i) {
    press({key(KeyCode::Tab)});
    visited.push_back(dialog().focusedId());
  }
  EXPECT_EQ(visited, (std::vector<int>{22, 23, 24, 25, 28, 29, 30, kIdOk, kIdCancel, 21}));
  press({key(KeyCode::BackTab)});
  EXPECT_EQ(dialog().focusedId(), kIdCancel);
  dialog().enable(kIdCancel, false);
  press({key(KeyCode::Tab)});
  EXPECT_EQ(dialog().focusedId(), 21);
}

TEST_F(TtyView, RadioGroupTakesTheFocusAtItsCheckedButtonAndArrowsClickThrough) {
  dialog().setChecked(26, true);
  view_->userFocus(24);
  press({key(KeyCode::Tab)});
  EXPECT_EQ(dialog().focusedId(), 26);
  // Blue is disabled: Down goes round to Red, which is clicked.
  press({key(KeyCode::Down)});
  EXPECT_EQ(dialog().focusedId(), 25);
  EXPECT_TRUE(dialog().isChecked(25));
  EXPECT_FALSE(dialog().isChecked(26));
  EXPECT_EQ(commands_.ids, std::vector<int>{25});
  press({key(KeyCode::Tab)});
  EXPECT_EQ(dialog().focusedId(), 28);
}

TEST_F(TtyView, EnterEscapeAndCtrlC) {
  struct Case {
    const char* what;
    int focus;
    bool defaultEnabled;
    KeyCode code;
    std::vector<int> commands;
  };
  const Case cases[] = {
      {"Enter in a field presses the default button", 21, true, KeyCode::Enter, {kIdOk}},
      {"a focused push button leaves Enter to the default one",
       kIdCancel,
       true,
       KeyCode::Enter,
       {kIdOk}},
      {"a disabled default button ignores Enter", 21, false, KeyCode::Enter, {}},
      {"Enter in a field that wants it is a new line", 24, true, KeyCode::Enter, {}},
      {"Escape is the cancel command", 21, true, KeyCode::Escape, {kIdCancel}},
      {"Ctrl+C asks the cancel question", 24, true, KeyCode::Interrupt, {kIdCancel}},
  };
  for (const Case& c : cases) {
    commands_.ids.clear();
    dialog().enable(kIdOk, c.defaultEnabled);
    view_->userFocus(c.focus);
    press({key(c.code)});
    EXPECT_EQ(commands_.ids, c.commands) << c.what;
  }
  EXPECT_EQ(dialog().text(24), "\r\n");
  // Space presses the focused button.
  commands_.ids.clear();
  view_->userFocus(kIdCancel);
  press({typed(U' ')});
  EXPECT_EQ(commands_.ids, std::vector<int>{kIdCancel});
}

TEST_F(TtyView, MnemonicsClickButtonsAndFocusTheFieldAfterALabel) {
  press({typed(U'g', true)});
  EXPECT_TRUE(dialog().isChecked(26));
  EXPECT_EQ(commands_.ids, std::vector<int>{26});
  // The letter alone works outside text fields...
  press({typed(U'l')});
  EXPECT_TRUE(dialog().isChecked(28));
  // ...and is typed inside them.
  press({typed(U'N', true)});
  EXPECT_EQ(dialog().focusedId(), 21);
  press({typed(U'l')});
  EXPECT_EQ(dialog().text(21), "l");
  EXPECT_TRUE(dialog().isChecked(28));
}

TEST_F(TtyView, EditingKeys) {
  // Digits only when typed.
  view_->userFocus(22);
  press({typed(U'4'), typed(U'x'), typed(U'2')});
  EXPECT_EQ(dialog().text(22), "42");
  // A whole UTF-8 character goes with Backspace.
  view_->userFocus(21);
  press({typed(U'a'), typed(U'é'), key(KeyCode::Backspace)});
  EXPECT_EQ(dialog().text(21), "a");
  // Shift+Left selects; typing replaces the selection.
  press({typed(U'b'), typed(U'c'), key(KeyCode::ShiftLeft), key(KeyCode::ShiftLeft), typed(U'X')});
  EXPECT_EQ(dialog().text(21), "aX");
  press({key(KeyCode::Home), key(KeyCode::Delete)});
  EXPECT_EQ(dialog().text(21), "X");
  // Ctrl+V pastes the clipboard at the caret.
  ui_.setClipboardText("yz");
  press({key(KeyCode::End), key(KeyCode::Paste)});
  EXPECT_EQ(dialog().text(21), "Xyz");
  // Ctrl+A and typing replace everything.
  press({key(KeyCode::SelectAll), typed(U'q')});
  EXPECT_EQ(dialog().text(21), "q");
}

TEST_F(TtyView, ListsAndComboBoxes) {
  view_->userFocus(29);
  press({key(KeyCode::Down), key(KeyCode::Down)});
  EXPECT_EQ(dialog().selection(29), 1);
  EXPECT_EQ(dialog().text(29), "beta");
  // F4 drops the list; the choice is taken with Enter, not before.
  press({key(KeyCode::OpenList), key(KeyCode::Down)});
  EXPECT_EQ(dialog().selection(29), 1);
  EXPECT_NE(screen().find("gamma"), std::string::npos);
  press({key(KeyCode::Enter)});
  EXPECT_EQ(dialog().selection(29), 2);
  EXPECT_TRUE(commands_.ids.empty());  // Enter in the list is no default button
  // A letter picks the next entry that begins with it.
  view_->userFocus(30);
  press({typed(U'g'), key(KeyCode::Up), key(KeyCode::Home)});
  EXPECT_EQ(dialog().selection(30), 0);
  press({typed(U'G')});
  EXPECT_EQ(dialog().selection(30), 2);
}

TEST_F(TtyView, MouseClicksButtonsRadioButtonsAndListEntries) {
  press({clickOn(U"Cancel")});
  EXPECT_EQ(commands_.ids, std::vector<int>{kIdCancel});
  press({clickOn(U"Green")});
  EXPECT_TRUE(dialog().isChecked(26));
  EXPECT_EQ(dialog().focusedId(), 26);
  // The combo's arrow drops its list; a click on an entry takes it.
  press({clickOn(U"▼")});
  press({clickOn(U"gamma")});  // the dropped list is drawn over the list box
  EXPECT_EQ(dialog().selection(29), 2);
  press({clickOn(U"beta")});  // the list box's entry
  EXPECT_EQ(dialog().focusedId(), 30);
  EXPECT_EQ(dialog().selection(30), 1);
}

TEST_F(TtyView, PictureShowsTheFormCentredWithItsCaptionOnTheFrame) {
  dialog().setText(23, "secret");
  dialog().setChecked(25, true);
  const std::string text = screen();
  EXPECT_NE(text.find("┌─ A form ─"), std::string::npos) << text;
  EXPECT_NE(text.find("< OK >"), std::string::npos) << text;
  EXPECT_NE(text.find("[ Cancel ]"), std::string::npos) << text;
  EXPECT_NE(text.find("(*) Red"), std::string::npos) << text;
  EXPECT_NE(text.find("******"), std::string::npos) << text;
  EXPECT_EQ(text.find("secret"), std::string::npos) << text;
  EXPECT_EQ(text.find("Hidden"), std::string::npos) << text;
  // Centred: as much room left as right of the frame.
  const std::size_t frame = text.find("┌");
  const std::size_t lineStart = text.rfind('\n', frame) + 1;
  const std::size_t left = frame - lineStart;
  EXPECT_GT(left, 10u);
}

TEST_F(TtyView, FieldsScrollToTheirCaret) {
  // 21 is 25 cells wide, 24 has 4 rows.
  dialog().setText(21, "abcdefghijklmnopqrstuvwxyz0123456789");
  dialog().setText(24, "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  view_->userFocus(21);
  press({key(KeyCode::End)});
  std::string text = screen();
  EXPECT_NE(text.find("0123456789"), std::string::npos) << text;
  EXPECT_EQ(text.find("abcdef"), std::string::npos) << text;
  press({key(KeyCode::Home)});
  text = screen();
  EXPECT_NE(text.find("abcdef"), std::string::npos) << text;
  EXPECT_EQ(text.find("0123456789"), std::string::npos) << text;
  // The caret at the end of the last line: the first lines scroll away.
  view_->userFocus(24);
  dialog().userSetCaret(24, dialog().text(24).size(), dialog().text(24).size());
  text = screen();
  EXPECT_NE(text.find("six"), std::string::npos) << text;
  EXPECT_EQ(text.find("one"), std::string::npos) << text;
  press({key(KeyCode::Up), key(KeyCode::Up), key(KeyCode::Up), key(KeyCode::Up), key(KeyCode::Up)});
  text = screen();
  EXPECT_NE(text.find("one"), std::string::npos) << text;
}

TEST_F(TtyView, DialogTallerThanTheTerminalScrollsToTheFocusedControl) {
  Canvas small(8, 80);
  view_->draw(small, true);
  EXPECT_EQ(small.toText().find("[ Cancel ]"), std::string::npos) << small.toText();
  EXPECT_NE(small.toText().find("↓"), std::string::npos) << small.toText();
  view_->userFocus(kIdCancel);
  view_->draw(small, true);
  EXPECT_NE(small.toText().find("[ Cancel ]"), std::string::npos) << small.toText();
  EXPECT_NE(small.toText().find("↑"), std::string::npos) << small.toText();
  EXPECT_EQ(small.toText().find("Name:"), std::string::npos) << small.toText();
}

}  // namespace
}  // namespace qv::ui::tty
