// Virtual time: the tick count, blocking sleeps, timers and wait.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/script/script_run.h"
#include "tests/ui/transcript_lines.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ui::script::runScriptText;

constexpr ui::ControlTemplate kControls[] = {
    {1, ui::ControlKind::Button, "Start", 5, 5, 50, 14, ui::cs::kDefault},
    {2, ui::ControlKind::Button, "Close", 5, 20, 50, 14},
    {3, ui::ControlKind::Button, "Restart", 5, 35, 50, 14},
};
constexpr ui::DialogTemplate kClock{"CLOCK",          "Clock",         60, 60,
                                    ui::ds::kCaption, "MS Sans Serif", 8,  kControls};

// Starts timer 1 on Start; records the tick count (from the start) of every
// timer message and sleeps `handlerSleep` in each.
class ClockProc final : public ui::DialogProc {
 public:
  ClockProc(int period, int handlerSleep) : period_(period), handlerSleep_(handlerSleep) {}
  void onInit(ui::Dialog& d) override { start_ = d.ui().tickCount(); }
  void onCommand(ui::Dialog& d, int id) override {
    if (id == 1 || id == 3) d.setTimer(1, period_);
    if (id == 2) d.end(0);
  }
  void onTimer(ui::Dialog& d, int) override {
    ticks.push_back(d.ui().tickCount() - start_);
    if (handlerSleep_) d.ui().sleep(handlerSleep_);
  }
  std::vector<unsigned> ticks;

 private:
  int period_;
  int handlerSleep_;
  unsigned start_ = 0;
};

std::vector<unsigned> ticksOf(const std::string& body, int period, int handlerSleep,
                              std::string* transcript = nullptr) {
  ClockProc proc(period, handlerSleep);
  const auto r = runScriptText("dialog CLOCK\n" + body + "\nclick 2\n", [&](ui::Platform& p) {
    p.ui().runModal(kClock, proc);
    return 0;
  });
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  if (transcript) *transcript = r.transcript;
  return proc.ticks;
}

TEST(ScriptTime, TheClockStartsAtAMillionAndMovesOnlyBySleepsAndWaits) {
  const auto r = runScriptText("", [](ui::Platform& p) {
    const auto start = p.ui().tickCount();
    p.ui().sleep(1500);
    return static_cast<int>(p.ui().tickCount() - start) + (start == 1000000 ? 0 : 1);
  });
  EXPECT_EQ(r.exitCode, 1500);
  EXPECT_THAT(test::events(r.transcript, "sleep"), ElementsAre(R"({"event":"sleep","ms":1500})"));
}

TEST(ScriptTime, WaitDeliversEveryTimerDueUpToAndIncludingItsEnd) {
  EXPECT_THAT(ticksOf("click 1\nwait 300", 100, 0), ElementsAre(100, 200, 300));
  EXPECT_THAT(ticksOf("click 1\nwait 299", 100, 0), ElementsAre(100, 200));
}

TEST(ScriptTime, SleepsOfHandlersCountTowardTheWaitAndTheNextDueIsCountedFromDelivery) {
  // Delivered at 100 (sleeps to 150), next due 200 (sleeps to 250), next due
  // 300 lies past the end of the wait.
  EXPECT_THAT(ticksOf("click 1\nwait 280", 100, 50), ElementsAre(100, 200));
}

TEST(ScriptTime, ManyPassedPeriodsGiveOneMessage) {
  // The handler sleeps across several periods: each later look for work
  // (before the dump, before the closing click) delivers one message, however
  // many periods passed meanwhile.
  EXPECT_THAT(ticksOf("click 1\nwait 100\ndump", 100, 450), ElementsAre(100, 550, 1000));
}

TEST(ScriptTime, ATimerLineDeliversAtOnceAndRestartingWritesOneEvent) {
  std::string transcript;
  EXPECT_THAT(ticksOf("timer 1\nclick 1\nclick 3\nwait 150", 100, 0, &transcript),
              ElementsAre(0, 100));
  EXPECT_THAT(
      test::events(transcript, "timer"),
      ElementsAre(R"({"event":"timer","id":1,"ms":100})", R"({"event":"timer","id":1,"ms":100})"));
}

}  // namespace
}  // namespace qv
