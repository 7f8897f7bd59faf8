#include <gtest/gtest.h>

#include "effects/TSpritePopper.h"

TEST(SpritePopper, SwellsSettlesAndFadesOnTheDefaultsCount) {
  TSpritePopper popper;
  EXPECT_FALSE(popper.Active());
  popper.Pop(122, 639);
  EXPECT_TRUE(popper.Active());
  EXPECT_FLOAT_EQ(popper.Ratio(), 1.0f);
  int update = 0, reachedMax = 0, backToNormal = 0, faded = 0;
  float top = 0;
  while (!popper.Finished() && update < 200) {
    popper.Update();
    ++update;
    if (popper.Ratio() > top) top = popper.Ratio();
    if (!reachedMax && popper.Ratio() == popper.MaxRatio) reachedMax = update;
    if (reachedMax && !backToNormal && popper.Ratio() == popper.NormalRatio) backToNormal = update;
    if (popper.Finished()) faded = update;
  }
  EXPECT_EQ(reachedMax, 20);
  EXPECT_EQ(backToNormal, 40);
  EXPECT_EQ(faded, 65);  // 255 down to 60 by 8: 25 updates
  EXPECT_FLOAT_EQ(top, 1.2f);
  EXPECT_EQ(popper.Alpha(), 60);
  EXPECT_FLOAT_EQ(popper.Y(), 639);  // ftNone: it never rises
  // Finished, it stays active until reset.
  EXPECT_FALSE(popper.Running());
  EXPECT_TRUE(popper.Active());
  popper.Reset();
  EXPECT_FALSE(popper.Active());
}

TEST(SpritePopper, SpeechBalloonStepsAndFloatTypes) {
  TSpritePopper balloon;
  balloon.MinRatio = 0.1f;
  balloon.MaxRatio = 1.05f;
  balloon.NormalRatio = 1.0f;
  balloon.UpStep = 0.2f;
  balloon.DownStep = 0.02f;
  balloon.Pop();
  std::vector<float> ratios;
  for (int i = 0; i < 9; ++i) {
    balloon.Update();
    ratios.push_back(balloon.Ratio());
  }
  // Overshooting steps are held at the limits.
  EXPECT_NEAR(ratios[3], 0.9f, 1e-5);
  EXPECT_FLOAT_EQ(ratios[4], 1.05f);
  EXPECT_NEAR(ratios[6], 1.01f, 1e-5);
  EXPECT_FLOAT_EQ(ratios[7], 1.0f);

  TSpritePopper rising;
  rising.FloatType = ftRightAway;
  rising.Pop(0, 100);
  for (int i = 0; i < 10; ++i) rising.Update();
  EXPECT_FLOAT_EQ(rising.Y(), 90);

  // After the pop: still while swelling and settling, rising only while fading.
  TSpritePopper after;
  after.FloatType = ftAfterPop;
  after.FloatStep = 2;
  after.Pop(0, 100);
  for (int i = 0; i < 40; ++i) after.Update();
  EXPECT_FLOAT_EQ(after.Y(), 100);
  while (!after.Finished()) after.Update();
  EXPECT_FLOAT_EQ(after.Y(), 100 - 2 * 25);
}

TEST(SpritePopper, DelayedPopWaitsThenFiresAndGoesOnInTheSameUpdate) {
  TSpritePopper popper;
  int events = 0;
  popper.OnDelayedPopHappens = [&](TSpritePopper& sender) {
    ++events;
    EXPECT_EQ(&sender, &popper);
  };
  popper.DelayedPop(300, 10, 20);
  for (int i = 0; i < 9; ++i) popper.Update();
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(popper.Active());
  popper.Update();  // 300 ms reached
  EXPECT_EQ(events, 1);
  EXPECT_TRUE(popper.Active());
  EXPECT_NEAR(popper.Ratio(), 1.01f, 1e-5);
  EXPECT_FLOAT_EQ(popper.X(), 10);
  popper.Update();
  EXPECT_EQ(events, 1);
}
