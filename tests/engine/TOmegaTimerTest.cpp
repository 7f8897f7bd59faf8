#include <gtest/gtest.h>

#include "engine/TOmegaTimer.h"
#include "platform/TVirtualClock.h"

namespace {
// A running 33 fps timer with the main window's settings on a microsecond clock.
struct TimerRig {
  TVirtualClock clock{1000000};
  TOmegaTimer timer{clock};
  int fired = 0;
  TimerRig() {
    timer.SetTargetFPS(33);
    timer.SetMaxFPS(0);
    timer.OnTimer = [this](TOmegaTimer&) { ++fired; };
    timer.SetEnabled(true);
  }
  // The loop idling every 1 ms for the given time.
  void Idle(int ms) {
    for (int i = 0; i < ms; ++i) {
      clock.Advance(1000);
      timer.Tick();
    }
  }
};
}  // namespace

TEST(OmegaTimer, FiresOncePerFrameLengthAndCountsFps) {
  TimerRig r;
  r.Idle(30);
  EXPECT_EQ(r.fired, 0);  // 1/33 s is 30303 us
  r.Idle(1);
  EXPECT_EQ(r.fired, 1);
  r.Idle(1000);
  EXPECT_GE(r.timer.FPS, 31u);
  EXPECT_LE(r.timer.FPS, 33u);
  EXPECT_NEAR(r.timer.Delta, 1.0f, 0.05f);
}

TEST(OmegaTimer, TheFirstFrameNeedNotWaitAFrameLength) {
  TimerRig r;
  r.timer.FireNow();
  EXPECT_LE(r.timer.NextDue(), r.clock.Now());
  r.timer.Tick();
  EXPECT_EQ(r.fired, 1);
  EXPECT_NEAR(r.timer.Delta, 1.0f, 0.01f);
  r.Idle(30);
  EXPECT_EQ(r.fired, 1);  // then the usual pace
  r.Idle(1);
  EXPECT_EQ(r.fired, 2);
}

TEST(OmegaTimer, LatenessIsDroppedNotCaughtUp) {
  TimerRig r;
  r.Idle(31);
  ASSERT_EQ(r.fired, 1);
  // One frame that takes half a second: exactly one frame follows at once.
  r.clock.Advance(500000);
  r.timer.Tick();
  EXPECT_EQ(r.fired, 2);
  EXPECT_NEAR(r.timer.Delta, 3.3f, 0.01f);  // capped at TargetFPS / MinFPS
  EXPECT_FALSE(r.timer.FPSWarning);
  r.timer.Tick();
  EXPECT_EQ(r.fired, 2);
  r.Idle(29);
  EXPECT_EQ(r.fired, 2);
  r.Idle(2);
  EXPECT_EQ(r.fired, 3);
}

TEST(OmegaTimer, TenSlowFramesRaiseTheWarningAndOneFastFrameClearsIt) {
  TimerRig r;
  for (int i = 1; i <= 10; ++i) {
    r.clock.Advance(150000);
    r.timer.Tick();
    EXPECT_EQ(r.timer.FPSWarning, i == 10) << "frame " << i;
  }
  r.clock.Advance(150000);
  r.timer.Tick();
  EXPECT_TRUE(r.timer.FPSWarning);  // stays while the slowness lasts
  r.Idle(31);
  EXPECT_FALSE(r.timer.FPSWarning);
  // The count starts again from zero.
  for (int i = 1; i <= 9; ++i) {
    r.clock.Advance(150000);
    r.timer.Tick();
  }
  EXPECT_FALSE(r.timer.FPSWarning);
}

TEST(OmegaTimer, EnablingRulesAndUnlimitedRate) {
  TimerRig r;
  r.Idle(20);
  r.timer.SetEnabled(true);  // unchanged: the clock is not restarted
  r.Idle(11);
  EXPECT_EQ(r.fired, 1);

  r.timer.SetEnabled(false);
  r.Idle(100);
  EXPECT_EQ(r.fired, 1);

  // Re-enabling restarts the frame clock: no huge frame after a pause.
  r.timer.SetEnabled(true);
  r.Idle(30);
  EXPECT_EQ(r.fired, 1);
  r.Idle(1);
  EXPECT_EQ(r.fired, 2);

  // At 0 every idle pass fires.
  r.timer.SetTargetFPS(0);
  int before = r.fired;
  r.Idle(5);
  EXPECT_EQ(r.fired, before + 5);
  r.timer.SetTargetFPS(33);
  before = r.fired;
  r.Idle(5);
  EXPECT_EQ(r.fired, before);
}

TEST(OmegaTimer, NothingFiresWithoutHandlerAndIdleChainStops) {
  TVirtualClock clock{1000000};
  TOmegaTimer timer{clock};
  int chained = 0;
  timer.PreviousIdleHandler = [&] { ++chained; };
  timer.SetTargetFPS(33);
  timer.SetEnabled(true);  // no OnTimer: the tick routine is not hooked in
  clock.Advance(100000);
  timer.Tick();
  EXPECT_EQ(chained, 0);

  int fired = 0;
  timer.SetEnabled(false);
  timer.OnTimer = [&](TOmegaTimer&) { ++fired; };
  timer.SetEnabled(true);
  clock.Advance(40000);
  timer.Tick();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(chained, 1);
  timer.SetEnabled(false);
  clock.Advance(40000);
  timer.Tick();
  EXPECT_EQ(chained, 1);
}

TEST(OmegaTimer, MaxFpsKeepsFramesApartAndNextDueTellsTheLoopWhenToWake) {
  TimerRig r;
  r.timer.SetTargetFPS(0);
  r.timer.SetMaxFPS(100);  // at least 10 ms apart
  r.Idle(10);
  int before = r.fired;
  r.Idle(9);
  EXPECT_EQ(r.fired, before);
  r.Idle(1);
  EXPECT_EQ(r.fired, before + 1);

  TimerRig s;
  s.Idle(31);
  EXPECT_EQ(s.timer.NextDue() - s.clock.Now(), 30303);
}
