#include <gtest/gtest.h>

#include <cmath>

#include "effects/EffectRig.h"
#include "effects/TGeneralShine.h"
#include "effects/TPlayShine.h"
#include "effects/TSparklingEffect.h"
#include "engine/Rounding.h"

namespace {
float EdgeLength(const TRecordingBackend::TQuad& q) {
  return std::hypot(q.Corners[1].X - q.Corners[0].X, q.Corners[1].Y - q.Corners[0].Y);
}
}  // namespace

TEST(SparklingEffect, SpendsItsFirstFlashUnseenThenFlashesWithinItsArea) {
  TGameRandom::SetSeed(31);
  DrawRig draw;
  draw.Add("Sparkling", 1, 1);
  TSparklingEffect sparkle;
  sparkle.OmgImgList = &draw.images;
  EXPECT_FLOAT_EQ(sparkle.X(), -999);
  // Up by 45 to 255 in 6 updates, down by 30 to 0 in 9 more; then it moves.
  for (int i = 1; i <= 15; ++i) {
    sparkle.UpdateAndDraw();
    auto drawn = draw.Take();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].Alpha, Shown(sparkle.Alpha()));
    EXPECT_EQ(drawn[0].Blend, bmNormal);
    if (i == 6) {
      EXPECT_EQ(sparkle.Alpha(), 255);
    }
    if (i < 15) {
      EXPECT_FLOAT_EQ(sparkle.X(), -999);
    }
  }
  EXPECT_EQ(sparkle.Alpha(), 0);
  EXPECT_TRUE(sparkle.FadingIn());
  EXPECT_NEAR(sparkle.Angle(), 15 * 7.0f, 1e-3);

  // Every new point is a grid point of the area, jittered by less than 6 per axis.
  for (int i = 0; i < 15 * 200; ++i) {
    sparkle.UpdateAndDraw();
    float x = sparkle.X(), y = sparkle.Y();
    ASSERT_GE(x, 300 - 5);
    ASSERT_LE(x, 350 + 5);
    ASSERT_GE(y, 300 - 5);
    ASSERT_LE(y, 350 + 5);
    ASSERT_GE(sparkle.Angle(), 0);
    ASSERT_LE(sparkle.Angle(), 360);
  }
  draw.Take();

  // The outside factor is clamped to 0..1; hidden, the sparkle neither moves nor shows.
  sparkle.AlphaFactor = 3;
  sparkle.UpdateAndDraw();
  EXPECT_EQ(draw.Take()[0].Alpha, Shown(sparkle.Alpha()));
  sparkle.AlphaFactor = 0.5f;
  sparkle.UpdateAndDraw();
  EXPECT_EQ(draw.Take()[0].Alpha, Shown(RoundHalfEven(sparkle.Alpha() * 0.5)));
  sparkle.AlphaFactor = -1;
  sparkle.UpdateAndDraw();
  EXPECT_EQ(draw.Take()[0].Alpha, 0);
  sparkle.Visible = false;
  float angle = sparkle.Angle();
  sparkle.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_FLOAT_EQ(sparkle.Angle(), angle);
  sparkle.Reset();
  EXPECT_FLOAT_EQ(sparkle.X(), -999);
  EXPECT_EQ(sparkle.Alpha(), 0);
}

TEST(PlayShine, SevenRaysBreatheBetweenFullAndAThirdForEver) {
  TGameRandom::SetSeed(17);
  DrawRig draw;
  draw.Add("PlayShine", 1, 1);
  TPlayShine shine;
  shine.OmgImgList = &draw.images;
  const auto& rays = shine.RaySet().Rays();
  ASSERT_EQ(rays.size(), 7u);
  EXPECT_FLOAT_EQ(rays[0].Size, 1.255f);
  EXPECT_FLOAT_EQ(rays[5].Size, 1.53f);
  EXPECT_FLOAT_EQ(rays[6].Size, 2.0f);

  // 0.9 up to 1 in 5 updates, held 3500 ms (117 updates), down to 0.3 in 52, up in 32.
  std::vector<float> strengths;
  for (int i = 0; i < 2 * (5 + 117 + 52 + 32); ++i) {
    shine.UpdateAndDraw();
    strengths.push_back(shine.Strength());
    const auto& quads = draw.backend.Quads;
    ASSERT_EQ(quads.size(), 7u);
    for (std::size_t k = 0; k < quads.size(); ++k) {
      EXPECT_EQ(quads[k].BlendMode, bmAdditive);
      EXPECT_NEAR(EdgeLength(quads[k]), 52 * rays[k].Size, 0.01);
      EXPECT_EQ(quads[k].Corners[0].A, Shown(RoundHalfEven(rays[k].Alpha * shine.Strength())));
    }
    draw.backend.Quads.clear();
  }
  EXPECT_NEAR(strengths[3], 0.988f, 1e-5);
  EXPECT_FLOAT_EQ(strengths[4], 1.0f);
  EXPECT_FLOAT_EQ(strengths[4 + 117], 1.0f);
  EXPECT_LT(strengths[5 + 117], 1.0f);
  EXPECT_FLOAT_EQ(strengths[4 + 117 + 52], 0.3f);
  EXPECT_GT(strengths[5 + 117 + 52], 0.3f);
  EXPECT_FLOAT_EQ(strengths[4 + 117 + 52 + 32], 1.0f);
  // The second round repeats the first from full strength on.
  EXPECT_FLOAT_EQ(strengths[4 + 2 * 117 + 52 + 32], 1.0f);
  EXPECT_LT(strengths[5 + 2 * 117 + 52 + 32], 1.0f);
  // The rays have settled between their limits.
  for (const auto& ray : rays) {
    EXPECT_GE(ray.Alpha, 100);
    EXPECT_LE(ray.Alpha, 130);
  }

  shine.Visible = false;
  shine.UpdateAndDraw();
  EXPECT_TRUE(draw.backend.Quads.empty());
  shine.Reset();
  EXPECT_FLOAT_EQ(shine.Strength(), 0.9f);
}

TEST(GeneralShine, NothingBeforeTheStartThenBrightensRayByRayToFull) {
  TGameRandom::SetSeed(23);
  DrawRig draw;
  draw.Add("GeneralShine", 1, 1);  // tiles 52 pixels across
  TGeneralShine shine;
  shine.OmgImgList = &draw.images;
  shine.Left = 400;
  shine.Top = 200;
  shine.UpdateAndDraw();
  EXPECT_TRUE(draw.backend.Quads.empty());
  EXPECT_FALSE(shine.Active());

  shine.RefreshSizes();
  EXPECT_FLOAT_EQ(shine.OrigShineWidth, 52);
  shine.SizeRatio = 1.5f;
  shine.Start();
  EXPECT_TRUE(shine.Active());
  shine.UpdateAndDraw();
  const auto& rays = shine.RaySet().Rays();
  const float sizes[6] = {115, 120, 125, 130, 135, 170};
  ASSERT_EQ(draw.backend.Quads.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    const auto& q = draw.backend.Quads[k];
    EXPECT_EQ(q.BlendMode, bmAdditive);
    // However large the picture, a ray is its size in pixels times the ratio.
    EXPECT_NEAR(EdgeLength(q), sizes[k] * 1.5f, 0.01);
    // The strength grows after each ray drawn: the first is drawn at 0.
    EXPECT_EQ(q.Corners[0].A, Shown(RoundHalfEven(rays[k].Alpha * 0.0033f * k)));
  }
  EXPECT_NEAR(shine.Strength(), 6 * 0.0033f, 1e-6);
  draw.backend.Quads.clear();
  // Full strength after 51 updates (306 rays), and it stays there.
  for (int i = 2; i <= 50; ++i) shine.UpdateAndDraw();
  EXPECT_LT(shine.Strength(), 1.0f);
  shine.UpdateAndDraw();
  EXPECT_FLOAT_EQ(shine.Strength(), 1.0f);
  shine.UpdateAndDraw();
  EXPECT_FLOAT_EQ(shine.Strength(), 1.0f);

  // Started again it dims to nothing first; stopped it draws nothing.
  shine.Start();
  EXPECT_FLOAT_EQ(shine.Strength(), 0);
  shine.Stop();
  draw.backend.Quads.clear();
  shine.UpdateAndDraw();
  EXPECT_TRUE(draw.backend.Quads.empty());
}

TEST(ShineRays, KeepToTheAlphaLimitsTheOwnerSetsAfterCreation) {
  TGameRandom::SetSeed(5);
  TGeneralShine general;
  general.MinShineAlpha = 150;
  general.MaxShineAlpha = 160;
  general.Start();
  TPlayShine play;
  play.MinShineAlpha = 20;
  play.MaxShineAlpha = 40;
  for (int i = 0; i < 200; ++i) {
    general.UpdateAndDraw();
    play.UpdateAndDraw();
  }
  for (const auto& ray : general.RaySet().Rays()) {
    EXPECT_GE(ray.Alpha, 150);
    EXPECT_LE(ray.Alpha, 160);
  }
  for (const auto& ray : play.RaySet().Rays()) {
    EXPECT_GE(ray.Alpha, 20);
    EXPECT_LE(ray.Alpha, 40);
  }
}
