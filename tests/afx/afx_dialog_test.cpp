// Dialog objects: message and event sink maps, the default processing, and
// windows that are live only while open.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/afx/message_map.h"
#include "platform/ui/script/script_run.h"

namespace qv::afx {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr int kMapped = 10;
constexpr int kUnmapped = 11;
constexpr int kView = 20;
constexpr int kLabel = 30;
constexpr int kOwnSysCommand = 0x0020;

constexpr ui::ControlTemplate kControls[] = {
    {kLabel, ui::ControlKind::Static, "", 5, 5, 100, 8},
    {kView, ui::ControlKind::WebView, "", 5, 15, 100, 50},
    {kMapped, ui::ControlKind::Button, "Mapped", 5, 70, 40, 14},
    {kUnmapped, ui::ControlKind::Button, "Unmapped", 50, 70, 40, 14},
    {ui::kIdCancel, ui::ControlKind::Button, "Cancel", 95, 70, 40, 14},
    {ui::kIdOk, ui::ControlKind::Button, "OK", 140, 70, 40, 14, ui::cs::kDefault},
};
constexpr ui::DialogTemplate kTemplate{"AFX-TEST",       "Test",         190, 90,
                                       ui::ds::kCaption, "MS Shell Dlg", 8,   kControls};
constexpr ui::DialogTemplate kHiddenTemplate{"AFX-HIDDEN",    "Hidden",       190, 90,
                                             ui::ds::kHidden, "MS Shell Dlg", 8,   kControls};

class TestDialog : public MappedDialog<TestDialog> {
 public:
  explicit TestDialog(ui::Ui& ui) : MappedDialog(kTemplate, ui) {}

  static std::span<const MessageEntry<TestDialog>> messageMap() {
    static constexpr MessageEntry<TestDialog> kMap[] = {
        bindClick(kMapped, &TestDialog::OnMapped),
        bindSysCommand(&TestDialog::OnSysCommand),
        bindTimer(&TestDialog::OnTimer),
    };
    return kMap;
  }
  static std::span<const EventSinkEntry<TestDialog>> eventSinkMap() {
    static constexpr EventSinkEntry<TestDialog> kMap[] = {
        bindNavigateError(kView, &TestDialog::OnNavigateError),
    };
    return kMap;
  }

  std::vector<std::string> log;
  WindowBase label;

 protected:
  void DoDataExchange() override { label.bindControl(*this, kLabel); }
  bool OnInitDialog() override {
    MappedDialog::OnInitDialog();
    label.setText("bound");
    log.push_back("init");
    return true;
  }

 private:
  void OnMapped() { log.push_back("mapped"); }
  void OnSysCommand(int command) {
    log.push_back("syscommand " + std::to_string(command));
    if (command != kOwnSysCommand) MappedDialog::OnSysCommand(command);
  }
  void OnTimer(int timerId) { log.push_back("timer " + std::to_string(timerId)); }
  void OnNavigateError() { log.push_back("navigate-error"); }
};

struct MapCase {
  const char* name;
  std::string actions;
  std::vector<std::string> log;
  int result;  // what DoModal returns
};

void PrintTo(const MapCase& c, std::ostream* os) {
  *os << c.name;
}

class MessageMapTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MessageMapTest, RoutesToTheHandlersOrTheDefault) {
  const MapCase& c = GetParam();
  std::vector<std::string> log;
  int result = -1;
  const auto run = ui::script::runScriptText("dialog AFX-TEST\n" + c.actions, [&](ui::Platform& p) {
    TestDialog dialog(p.ui());
    result = dialog.DoModal();
    log = dialog.log;
    return 0;
  });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_EQ(log, c.log);
  EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MessageMapTest,
    ::testing::Values(
        MapCase{"ClickGoesToItsHandler", "click 10\nkey escape\n", {"init", "mapped"}, 2},
        MapCase{"UnmappedClickIsIgnored", "click 11\nkey escape\n", {"init"}, 2},
        MapCase{"OkEndsTheDialog", "key enter\n", {"init"}, 1},
        MapCase{"CancelEndsTheDialog", "click 2\n", {"init"}, 2},
        MapCase{"TimerGoesToItsHandler", "timer 5\nkey escape\n", {"init", "timer 5"}, 2},
        MapCase{"HandledSysCommandStaysHandled",
                "syscommand 32\nkey escape\n",
                {"init", "syscommand 32"},
                2},
        // The handler passes SC_CLOSE on; its default is the cancel path.
        MapCase{
            "SysCommandPassedToTheDefault", "syscommand 61536\n", {"init", "syscommand 61536"}, 2},
        MapCase{
            "EventGoesToItsSink", "navigate-error\nkey escape\n", {"init", "navigate-error"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogBase, WindowsAreLiveOnlyWhileOpen) {
  const auto run = ui::script::runScriptText("dialog AFX-TEST\nkey escape\n", [&](ui::Platform& p) {
    TestDialog dialog(p.ui());
    EXPECT_EQ(dialog.liveDialog(), nullptr);
    dialog.DoModal();
    EXPECT_EQ(dialog.liveDialog(), nullptr);
    EXPECT_EQ(dialog.label.liveDialog(), nullptr);
    // A closed window takes nothing and reports nothing.
    dialog.label.setText("late");
    dialog.SetTimer(1, 100);
    EXPECT_EQ(dialog.label.text(), "");
    return 0;
  });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  EXPECT_THAT(run.transcript, HasSubstr(R"({"id":30,"kind":"static","text":"bound")"));
  EXPECT_THAT(run.transcript, Not(HasSubstr("late")));
  EXPECT_THAT(run.transcript, Not(HasSubstr(R"("event":"timer")")));
}

class ModelessDialog : public DialogBase {
 public:
  explicit ModelessDialog(ui::Ui& ui) : DialogBase(kHiddenTemplate, ui) {}
};

TEST(DialogBase, ModelessWindowClosesWithDestroyOrWithItsObject) {
  const auto run = ui::script::runScriptText("", [&](ui::Platform& p) {
    {
      ModelessDialog first(p.ui());
      EXPECT_TRUE(first.Create(nullptr));
      first.show(true);
      first.repaint();
      first.DestroyWindow();
      EXPECT_EQ(first.liveDialog(), nullptr);
      first.DestroyWindow();  // twice is harmless
    }
    ModelessDialog second(p.ui());
    EXPECT_TRUE(second.Create(nullptr));
    return 0;  // `second` closes as it goes
  });
  ASSERT_EQ(run.exitCode, 0) << run.transcript;
  const std::string open = R"({"event":"open","dialog":"AFX-HIDDEN")";
  const std::string close = R"({"event":"close","dialog":"AFX-HIDDEN","result":0})";
  std::vector<std::string> events;
  for (std::size_t pos = 0; (pos = run.transcript.find("{\"event\":", pos)) != std::string::npos;
       ++pos) {
    const std::string rest = run.transcript.substr(pos);
    if (rest.starts_with(open)) events.push_back("open");
    if (rest.starts_with(close)) events.push_back("close");
    if (rest.starts_with(R"({"event":"show")")) events.push_back("show");
    if (rest.starts_with(R"({"event":"repaint","dialog":"AFX-HIDDEN"})"))
      events.push_back("repaint");
  }
  EXPECT_THAT(events, ElementsAre("open", "show", "repaint", "close", "open", "close"));
}

}  // namespace
}  // namespace qv::afx
