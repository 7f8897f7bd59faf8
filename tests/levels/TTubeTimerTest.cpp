#include <gtest/gtest.h>

#include "levels/PictureRig.h"
#include "levels/TTubeTimer.h"

namespace {
struct TubeRig {
  TTubeTimer tube;
  int almost = 0, up = 0;
  explicit TubeRig(TRelaxedMode mode = rmNo) {
    tube.Left = 1294;
    tube.HideLeft = 1420;
    tube.Top = 362;
    tube.MaxPixelProgress = 305;
    tube.RelaxedMode = mode;
    tube.OnAlmostTimeUp = [this](TTubeTimer&) { ++almost; };
    tube.OnTimeUp = [this](TTubeTimer&) { ++up; };
    tube.Reset();
    tube.Start();
  }
  // Slides in (126 updates) and fills (50); the clock is then at 0, still paused.
  void ToRunning() {
    for (int i = 0; i < 176; ++i) tube.Update();
    ASSERT_EQ(tube.State(), TTubeTimer::tsRunning);
    ASSERT_EQ(tube.ElapsedMs(), 0);
  }
  int UpdatesUntil(const int& counter) {
    int n = 0;
    for (; counter == 0 && n < 20000; ++n) tube.Update();
    return n;
  }
};
}  // namespace

TEST(TubeTimer, RunsOutOnceAndOnlyWhileNotPaused) {
  TubeRig r;
  r.ToRunning();
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 0);

  r.tube.Paused = false;
  EXPECT_EQ(r.UpdatesUntil(r.almost), 9067);  // the first update at 272 s
  EXPECT_EQ(r.tube.ElapsedSeconds(), 272);
  r.tube.Paused = true;
  for (int i = 0; i < 1000; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedSeconds(), 272);
  r.tube.Paused = false;
  EXPECT_EQ(r.UpdatesUntil(r.up), 10000 - 9067);
  EXPECT_EQ(r.tube.ElapsedSeconds(), 300);
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_EQ(r.up, 1);
  EXPECT_EQ(r.almost, 1);
}

TEST(TubeTimer, RelaxedPlayCountsButNeverEndsTheRound) {
  TubeRig r(rmYes);
  r.ToRunning();
  r.tube.Paused = false;
  EXPECT_FALSE(r.tube.Drain(60)) << "relaxed play loses no time";
  EXPECT_FALSE(r.tube.Draining());
  for (int i = 0; i < 12000; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 300000);
  EXPECT_EQ(r.almost + r.up, 0);
  PictureRig pics;
  pics.Add("TubeTimer", 76, 345);
  r.tube.OmgImgList = &pics.images;
  r.tube.Draw();
  EXPECT_TRUE(pics.Take().empty());
}

TEST(TubeTimer, DrainingAddsTimeUpToItsTargetAndNeverPastTheLimit) {
  TubeRig r;
  // During the fill the count still runs down from the limit; a drain then is ignored.
  for (int i = 0; i < 130; ++i) r.tube.Update();
  EXPECT_FALSE(r.tube.Drain(60));
  EXPECT_FALSE(r.tube.Draining());
  for (int i = 0; i < 46; ++i) r.tube.Update();
  r.tube.Paused = false;
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_TRUE(r.tube.Drain(60));
  int updates = 0;
  for (; r.tube.Draining() && updates < 1000; ++updates) r.tube.Update();
  EXPECT_EQ(updates, 40);
  EXPECT_EQ(r.tube.ElapsedMs(), 63000);

  while (r.tube.ElapsedSeconds() < 290) r.tube.Update();
  r.tube.Drain(60);
  for (int i = 0; i < 6; ++i) r.tube.Update();
  EXPECT_EQ(r.up, 0);
  r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 300000);
  EXPECT_EQ(r.up, 1);
}

TEST(TubeTimer, DrawsTheLiquidFromItsSurfaceDown) {
  TubeRig r;
  PictureRig pics;
  pics.Add("TubeTimer", 76, 345);
  pics.Add("TubeTimerEnergy", 22, 305);
  r.tube.OmgImgList = &pics.images;
  r.tube.ReadImageSizes();
  r.ToRunning();
  r.tube.Paused = false;
  for (int i = 0; i < 1000; ++i) r.tube.Update();  // 30 s of 300
  r.tube.Draw();
  EXPECT_EQ(r.tube.LiquidOffset(), 30);  // 30.5, half to even
  EXPECT_EQ(r.tube.PercentLeft(), 90);
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_FLOAT_EQ(drawn[0].Y, 358);
  EXPECT_EQ(drawn[1].Name, "TubeTimerEnergy");
  EXPECT_FLOAT_EQ(drawn[1].X, 1294 + 36);
  EXPECT_FLOAT_EQ(drawn[1].Y, 362 + 27 + 30);
  EXPECT_FLOAT_EQ(drawn[1].H, 305 - 30);
  EXPECT_NEAR(drawn[1].V0, 30.0 / 305, 1e-6);

  r.tube.Time = 0;  // no time at all: empty, and nothing divides by it
  r.tube.Draw();
  EXPECT_EQ(r.tube.LiquidOffset(), 305);
  EXPECT_EQ(PictureRig::Only(pics.Take(), "TubeTimerEnergy").size(), 0u);
}
