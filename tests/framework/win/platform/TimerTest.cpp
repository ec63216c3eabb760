#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "framework/win/platform/Timers.h"
#include "tests/framework/win/forms/TestForm.h"
#include "tests/framework/win/menus/MenuTestSupport.h"
#include "tests/framework/win/platform/MessagePump.h"

namespace {

class TimerTest : public testing::Test {
 protected:
  void SetUp() override { PumpPending(); }

  // A timer owned by the test with a handler that notes the time of each tick.
  std::unique_ptr<TTimer> MakeTimer(unsigned interval, bool enabled) {
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(enabled);
    timer->SetInterval(interval);
    timer->SetOnTimer([this](TObject* sender) {
      tickTimes.push_back(NowMs());
      senders.push_back(sender);
    });
    return timer;
  }
  bool WaitTicks(size_t count, unsigned timeoutMs = 2000) {
    return PumpUntil([&] { return tickTimes.size() >= count; }, timeoutMs);
  }

  std::vector<double> tickTimes;
  std::vector<TObject*> senders;
};

TEST_F(TimerTest, DefaultsAndTicksArriveThroughTheMessageLoop) {
  TTimer plain(nullptr);
  EXPECT_TRUE(plain.Enabled());
  EXPECT_EQ(plain.Interval(), 1000u);
  EXPECT_FALSE(plain.Running()) << "no handler, no system timer";

  auto timer = MakeTimer(20, true);
  EXPECT_TRUE(timer->Running());
  ASSERT_TRUE(WaitTicks(3));
  EXPECT_EQ(senders[0], timer.get());
  EXPECT_EQ(senders[2], timer.get());
}

TEST_F(TimerTest, NoSystemTimerWithoutIntervalHandlerOrEnabled) {
  auto timer = MakeTimer(0, true);
  EXPECT_FALSE(timer->Running());
  timer->SetInterval(20);
  EXPECT_TRUE(timer->Running());
  timer->SetOnTimer(TNotifyEvent());
  EXPECT_FALSE(timer->Running());

  auto disabled = MakeTimer(20, false);
  EXPECT_FALSE(disabled->Running());
  PumpFor(80);
  EXPECT_TRUE(tickTimes.empty());
}

TEST_F(TimerTest, DisablingStopsTicksEvenWhenOneIsAlreadyDue) {
  auto timer = MakeTimer(15, true);
  ASSERT_TRUE(WaitTicks(1));
  // Let the next tick fall due without dispatching it, then switch off.
  Sleep(40);
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Running());
  const size_t ticks = tickTimes.size();
  PumpFor(80);
  EXPECT_EQ(tickTimes.size(), ticks);
}

// The restart tests change the timer halfway through its interval: a restarted count ticks a
// full interval after the change, an unchanged one half an interval after it. The margins allow
// for a busy machine.
constexpr unsigned kInterval = 300;
constexpr unsigned kHalfway = 150;

TEST_F(TimerTest, ReEnablingRestartsTheCount) {
  auto timer = MakeTimer(kInterval, true);
  PumpFor(kHalfway);
  ASSERT_TRUE(tickTimes.empty());
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  const double restarted = NowMs();
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_GE(tickTimes[0] - restarted, kInterval - 30.0);
}

TEST_F(TimerTest, SettingEnabledToItsValueKeepsTheCount) {
  auto timer = MakeTimer(kInterval, true);
  PumpFor(kHalfway);
  timer->SetEnabled(true);
  const double unchanged = NowMs();
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_LT(tickTimes[0] - unchanged, kInterval - 50.0);
}

TEST_F(TimerTest, ChangingTheIntervalWhileEnabledRestartsTheCount) {
  auto timer = MakeTimer(kInterval, true);
  PumpFor(kHalfway);
  ASSERT_TRUE(tickTimes.empty());
  timer->SetInterval(kInterval + 20);
  const double changed = NowMs();
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_GE(tickTimes[0] - changed, kInterval - 10.0);
  EXPECT_EQ(timer->Interval(), kInterval + 20);
}

TEST_F(TimerTest, AnErrorInATickReachesTheHandlerAndTheTimerKeepsTicking) {
  EventErrorRecorder errors;
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(15);
  timer.SetOnTimer([&](TObject*) {
    ++ticks;
    throw Exception("Failed to get data for 'Enable'");
  });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }, 2000));
  ASSERT_GE(errors.messages.size(), 3u);
  EXPECT_EQ(errors.messages[0], "Failed to get data for 'Enable'");
  EXPECT_EQ(errors.senders[0], &timer);
  EXPECT_TRUE(timer.Running());
}

TEST_F(TimerTest, ATickIsNotEnteredAgainWhileItsHandlerRunsAModalLoop) {
  TTimer timer(nullptr);
  int depth = 0;
  int deepest = 0;
  int ticks = 0;
  timer.SetInterval(10);
  timer.SetOnTimer([&](TObject*) {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    if (ticks == 1) PumpFor(80);  // as a message box in the handler would
    --depth;
  });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }, 2000));
  EXPECT_EQ(deepest, 1);
}

TEST_F(TimerTest, ATimerFreedInItsOwnTickStopsCleanly) {
  auto timer = std::make_unique<TTimer>(nullptr);
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject*) {
    ++ticks;
    timer.reset();
  });
  ASSERT_TRUE(PumpUntil([&] { return timer == nullptr; }, 2000));
  PumpFor(40);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimerTest, FormDataCreatesTheTimerDisabledAndStartsEnabledOnesWhenLoaded) {
  RegisterTestRootClasses();
  TTestRootForm form(nullptr);
  FormReader::ReadRoot(form,
                       "object MainFrm: TTestRootForm\n"
                       "  object UpdateTimer: TTimer\n"
                       "    Enabled = False\n"
                       "    Interval = 180000\n"
                       "    OnTimer = TimerTick\n"
                       "  end\n"
                       "  object FastTimer: TTimer\n"
                       "    Interval = 15\n"
                       "    OnTimer = TimerTick\n"
                       "  end\n"
                       "end\n");
  auto& update = dynamic_cast<TTimer&>(*form.FindComponent("UpdateTimer"));
  auto& fast = dynamic_cast<TTimer&>(*form.FindComponent("FastTimer"));
  EXPECT_FALSE(update.Enabled());
  EXPECT_EQ(update.Interval(), 180000u);
  EXPECT_FALSE(update.Running());
  EXPECT_TRUE(fast.Running());
  ASSERT_TRUE(PumpUntil([&] { return !form.log.empty(); }, 2000));
  EXPECT_EQ(form.log[0], "TimerTick:FastTimer");

  EXPECT_EQ(FormWriter::WriteRoot(form),
            "object MainFrm: TTestRootForm\n"
            "  object UpdateTimer: TTimer\n"
            "    Enabled = False\n"
            "    Interval = 180000\n"
            "    OnTimer = TimerTick\n"
            "  end\n"
            "  object FastTimer: TTimer\n"
            "    Interval = 15\n"
            "    OnTimer = TimerTick\n"
            "  end\n"
            "end\n");
}

}  // namespace
