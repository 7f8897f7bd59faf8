#include <gtest/gtest.h>

#include <cmath>

#include "bosses/TMonsterAura.h"
#include "engine/TGameRandom.h"

namespace {
struct AuraRig {
  TMonsterAura aura;
  int peaks = 0, delayed = 0;
  AuraRig() {
    aura.OnAuraPeak = [this](TMonsterAura&) { ++peaks; };
    aura.OnAuraPeakWithDelay = [this](TMonsterAura&) { ++delayed; };
    aura.Left = 901;
    aura.Top = 609;
  }
  void Run(int updates) {
    for (int i = 0; i < updates; ++i) aura.Update();
  }
};
}  // namespace

TEST(MonsterAura, PeaksOnceAStartAndFiresTheDelayedPeakOnceARound) {
  AuraRig r;
  r.aura.Start();
  r.Run(14);
  EXPECT_EQ(r.aura.State(), TMonsterAura::asGrowing);
  EXPECT_EQ(r.peaks, 0);
  r.Run(1);
  EXPECT_EQ(r.aura.State(), TMonsterAura::asPeak);
  EXPECT_EQ(r.peaks, 1);
  EXPECT_EQ(r.aura.BubbleSize(), 2.0f);
  EXPECT_EQ(r.aura.BubbleAlpha(), 10 + 15 * 12);

  // 2000 ms at the peak.
  r.Run(66);
  EXPECT_EQ(r.delayed, 0);
  r.Run(1);
  EXPECT_EQ(r.delayed, 1);
  r.Run(500);
  EXPECT_EQ(r.peaks, 1);
  EXPECT_EQ(r.delayed, 1);

  // A second absorption in the same round drains again, the delayed event stays spent.
  r.aura.Stop();
  r.aura.Start();
  r.Run(200);
  EXPECT_EQ(r.peaks, 2);
  EXPECT_EQ(r.delayed, 1);

  r.aura.Clear();
  EXPECT_EQ(r.aura.State(), TMonsterAura::asOff);
  r.Run(10);
  EXPECT_EQ(r.peaks, 2);
  r.aura.Start();
  r.Run(15 + 67);
  EXPECT_EQ(r.peaks, 3);
  EXPECT_EQ(r.delayed, 2);
}

TEST(MonsterAura, FadesOffAfterAStopAndAStopWhileOffShowsNothing) {
  AuraRig r;
  r.aura.Stop();  // every attempt begins with one
  EXPECT_EQ(r.aura.State(), TMonsterAura::asOff);

  r.aura.Start();
  EXPECT_EQ(r.aura.Fade(), 0.0f);
  r.Run(15);
  EXPECT_NEAR(r.aura.Fade(), 0.45f, 1e-4);
  r.Run(30);
  EXPECT_EQ(r.aura.Fade(), 1.0f);

  r.aura.Stop();
  r.Run(1);
  EXPECT_EQ(r.aura.State(), TMonsterAura::asFading);
  EXPECT_EQ(r.aura.BubbleAlpha(), 180);
  EXPECT_NEAR(r.aura.BubbleSize(), 2.075f, 1e-4);
  EXPECT_NEAR(r.aura.Fade(), 0.96f, 1e-4);
  r.Run(16);
  EXPECT_EQ(r.aura.State(), TMonsterAura::asFading);
  r.Run(1);  // 190 down to 10
  EXPECT_EQ(r.aura.State(), TMonsterAura::asOff);
  EXPECT_EQ(r.aura.BubbleAlpha(), 10);
  EXPECT_EQ(r.peaks, 1);

  // Stopped while still growing: it never peaks.
  r.aura.Start();
  r.Run(5);
  r.aura.Stop();
  r.Run(100);
  EXPECT_EQ(r.peaks, 1);
  EXPECT_EQ(r.aura.State(), TMonsterAura::asOff);
}

TEST(MonsterAura, SparksCycleTheirFramesInsideTheirBoxAndTheBubbleSwaysGently) {
  TGameRandom::SetSeed(11);
  AuraRig r;
  r.aura.Start();
  const float left = 901 - 64, top = 609 - 45, span = 13 * 19;
  float lastWobble = r.aura.Wobble(), lastRotation = r.aura.Rotation();
  int replaced = 0;
  for (int u = 0; u < 400; ++u) {
    const float x0 = r.aura.Spark(0).X, y0 = r.aura.Spark(0).Y;
    const int frame0 = r.aura.SparkFrame(0);
    r.Run(1);
    ASSERT_GT(std::fabs(r.aura.Wobble() - lastWobble), 0.0f);
    ASSERT_LE(std::fabs(r.aura.Wobble() - lastWobble), 0.003f + 1e-5f);
    ASSERT_LE(std::fabs(r.aura.Wobble()), 0.05f + 1e-6f);
    ASSERT_NEAR(std::fmod(r.aura.Rotation() - lastRotation + 360, 360), 0.45f, 1e-3);
    lastWobble = r.aura.Wobble();
    lastRotation = r.aura.Rotation();
    // A spark moves only when it starts its sequence again, after the fifth picture.
    if (r.aura.Spark(0).X != x0 || r.aura.Spark(0).Y != y0) {
      ++replaced;
      ASSERT_EQ(frame0, 4);
      ASSERT_EQ(r.aura.SparkFrame(0), 0);
    }
    for (int i = 0; i < TMonsterAura::SparkCount; ++i) {
      const auto& s = r.aura.Spark(i);
      ASSERT_GE(s.X, left);
      ASSERT_LE(s.X, left + span);
      ASSERT_GE(s.Y, top);
      ASSERT_LE(s.Y, top + span);
      ASSERT_GE(s.Angle, 30);
      ASSERT_LE(s.Angle, 360);
      ASSERT_GE(s.Alpha, 120);
      ASSERT_LE(s.Alpha, 220);
      ASSERT_GE(s.Size, 0.5f);
      ASSERT_LE(s.Size, 1.1f + 1e-5f);
      ASSERT_GE(r.aura.SparkFrame(i), 0);
      ASSERT_LE(r.aura.SparkFrame(i), 4);
    }
  }
  // Once every ten updates, bar the rare draw of the very same place.
  EXPECT_GE(replaced, 38);
  EXPECT_LE(replaced, 40);
}
