#include <gtest/gtest.h>

#include "levels/PictureRig.h"
#include "levels/TTubeTimer.h"

namespace {
struct TubeRig {
  TTubeTimer tube;
  int almost = 0, up = 0;
  TubeRig(TRelaxedMode mode = rmNo) {
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
  // Slides in and fills; the clock is then at 0 and still paused.
  void ToRunning() {
    int guard = 0;
    while (tube.State() != TTubeTimer::tsRunning && ++guard < 1000) tube.Update();
  }
};
}  // namespace

TEST(TubeTimer, SlidesInFillsAndRunsOutOnceWhileNotPaused) {
  TubeRig r;
  for (int i = 0; i < 125; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.State(), TTubeTimer::tsSlidingIn);
  r.tube.Update();
  EXPECT_EQ(r.tube.X(), 1294);
  EXPECT_EQ(r.tube.State(), TTubeTimer::tsFilling);
  for (int i = 0; i < 49; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 6000);
  r.tube.Update();
  EXPECT_EQ(r.tube.State(), TTubeTimer::tsRunning);
  EXPECT_EQ(r.tube.ElapsedSeconds(), 0);

  // Paused from the level start until the announcement has gone.
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 0);

  r.tube.Paused = false;
  int updates = 0;
  while (r.almost == 0 && updates < 20000) {
    r.tube.Update();
    ++updates;
  }
  EXPECT_EQ(r.tube.ElapsedSeconds(), 272);
  EXPECT_EQ(updates, 272000 / 30 + 1);  // 9067 × 30 ms first reaches 272 s
  r.tube.Paused = true;
  for (int i = 0; i < 1000; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedSeconds(), 272);
  r.tube.Paused = false;
  while (r.up == 0 && updates < 20000) {
    r.tube.Update();
    ++updates;
  }
  EXPECT_EQ(updates, 10000);
  EXPECT_EQ(r.tube.ElapsedSeconds(), 300);
  EXPECT_FALSE(r.tube.Running());
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_EQ(r.up, 1);
  EXPECT_EQ(r.almost, 1);

  r.tube.HideTube();
  for (int i = 0; i < 126; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.State(), TTubeTimer::tsIdle);
  EXPECT_EQ(r.tube.X(), 1420);
}

TEST(TubeTimer, RelaxedPlayCountsButNeverEndsTheRound) {
  TubeRig r(rmYes);
  r.ToRunning();
  r.tube.Paused = false;
  r.tube.Drain(60);
  EXPECT_FALSE(r.tube.Draining());
  for (int i = 0; i < 12000; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 300000);
  EXPECT_EQ(r.tube.ElapsedSeconds(), 300);
  EXPECT_EQ(r.almost, 0);
  EXPECT_EQ(r.up, 0);
  EXPECT_TRUE(r.tube.Running());

  // Nothing of the tube is drawn, though its figures are kept.
  PictureRig pics;
  pics.Add("TubeTimer", 76, 345);
  pics.Add("TubeTimerEnergy", 22, 305);
  r.tube.OmgImgList = &pics.images;
  r.tube.Draw();
  EXPECT_TRUE(pics.Take().empty());
  EXPECT_EQ(r.tube.PercentLeft(), 0);
}

TEST(TubeTimer, DrainingAddsTimeUpToItsTargetAndNeverPastTheLimit) {
  TubeRig r;
  // A drain during the fill would take its target from the still-full count: ignored.
  while (r.tube.State() != TTubeTimer::tsFilling) r.tube.Update();
  r.tube.Drain(60);
  EXPECT_FALSE(r.tube.Draining());
  r.ToRunning();
  r.tube.Paused = false;
  for (int i = 0; i < 100; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 3000);

  r.tube.Drain(60);
  int updates = 0;
  while (r.tube.Draining() && updates < 1000) {
    r.tube.Update();
    ++updates;
  }
  EXPECT_EQ(updates, 40);
  EXPECT_EQ(r.tube.ElapsedMs(), 63000);
  r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 63030);

  // Close to the end a drain stops at the limit; time is up on that very update.
  while (r.tube.ElapsedSeconds() < 290) r.tube.Update();
  EXPECT_EQ(r.up, 0);
  r.tube.Drain(60);
  for (int i = 0; i < 7; ++i) r.tube.Update();
  EXPECT_EQ(r.tube.ElapsedMs(), 300000);
  EXPECT_EQ(r.up, 1);
  EXPECT_EQ(r.almost, 1);
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
  for (int i = 0; i < 1000; ++i) r.tube.Update();  // 30 s of 300: a tenth gone
  r.tube.Draw();
  EXPECT_EQ(r.tube.LiquidOffset(), 30);  // Round(0.1 × 305) = 30 (30.5, half to even)
  EXPECT_EQ(r.tube.PercentLeft(), 90);
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].Name, "TubeTimer");
  EXPECT_FLOAT_EQ(drawn[0].X, 1290);
  EXPECT_FLOAT_EQ(drawn[0].Y, 358);
  EXPECT_EQ(drawn[1].Name, "TubeTimerEnergy");
  EXPECT_FLOAT_EQ(drawn[1].X, 1294 + 36);
  EXPECT_FLOAT_EQ(drawn[1].Y, 362 + 27 + 30);
  EXPECT_FLOAT_EQ(drawn[1].H, 305 - 30);
  EXPECT_NEAR(drawn[1].V0, 30.0 / 305, 1e-6);
  EXPECT_NEAR(drawn[1].V1, 1.0, 1e-6);

  // An empty tube draws no liquid; a level without time shows it empty too.
  r.tube.Time = 0;
  r.tube.Draw();
  EXPECT_EQ(r.tube.LiquidOffset(), 305);
  EXPECT_EQ(PictureRig::Only(pics.Take(), "TubeTimerEnergy").size(), 0u);
}
