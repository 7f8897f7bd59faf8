#include <gtest/gtest.h>

#include "effects/EffectRig.h"
#include "effects/TFog.h"
#include "effects/TOldMovieEffect.h"

TEST(Fog, AResetLeavesTheScreenCoveredWithBanksInTheirThreeLanes) {
  TGameRandom::SetSeed(17);
  DrawRig draw;
  draw.Add("Fog", 1, 3);
  TFog fog;
  fog.OmgImgList = &draw.images;
  fog.Reset();
  EXPECT_TRUE(draw.Take().empty());
  // One bank every 100 updates, each crossing 1746 to 1896 pixels at 2 a tick: 8 to 10.
  EXPECT_GE(fog.ActiveCount(), 8);
  EXPECT_LE(fog.ActiveCount(), 10);
  float leftmost = 2000;
  for (int i = 0; i < TFog::BankCount; ++i) {
    const auto& b = fog.Bank(i);
    if (!b.Active) continue;
    EXPECT_TRUE(b.Y == 250 || b.Y == 415 || b.Y == 580) << b.Y;
    EXPECT_GE(b.X, -380);
    EXPECT_GE(b.Alpha, 25);
    EXPECT_LE(b.Alpha, 31);
    leftmost = std::min(leftmost, b.X);
  }
  EXPECT_LT(leftmost, 0);

  // Drawn normally with the island's extra alpha.
  fog.AlphaAdd = 45;
  fog.UpdateAndDraw();
  auto drawn = draw.Take();
  ASSERT_EQ(static_cast<int>(drawn.size()), fog.ActiveCount());
  for (const auto& d : drawn) {
    EXPECT_EQ(d.Blend, bmNormal);
    EXPECT_GE(d.Alpha, Shown(45 + 25));
    EXPECT_LE(d.Alpha, Shown(45 + 31));
    EXPECT_LE(d.Pattern, 2);
  }
}

TEST(Fog, ABankStartsEveryThreeSecondsDriftsLeftSwellsWithinItsLimitsAndEnds) {
  TGameRandom::SetSeed(3);
  TFog fog;
  fog.Enabled = false;
  for (int i = 0; i < 200; ++i) fog.UpdateAndDraw();
  EXPECT_EQ(fog.ActiveCount(), 0);
  fog.Enabled = true;
  for (int i = 0; i < 99; ++i) fog.UpdateAndDraw();
  EXPECT_EQ(fog.ActiveCount(), 0);
  fog.UpdateAndDraw();  // the 100th update: 3000 ms
  ASSERT_EQ(fog.ActiveCount(), 1);
  const auto& b = fog.Bank(0);
  EXPECT_GE(b.X, 1366 - 2);
  EXPECT_EQ(static_cast<int>(b.X + 2 - 1366) % 25, 0);
  fog.MoveStep = 3;
  float x = b.X;
  fog.UpdateAndDraw();
  EXPECT_EQ(fog.Bank(0).X, x - 3);
  int updates = 1;
  while (fog.Bank(0).Active && updates < 2000) {
    ASSERT_GE(fog.Bank(0).Scale, 1.0f - 0.0026f);
    ASSERT_LE(fog.Bank(0).Scale, 1.5f + 0.0036f);
    fog.UpdateAndDraw();
    ++updates;
  }
  EXPECT_FALSE(fog.Bank(0).Active);
  EXPECT_LT(updates, 600);  // about 1750 pixels at 3 a tick
}

TEST(Fog, BanksMoveEveryUpdateAndAreDrawnAgainEverySecondOne) {
  // A frame that draws the banks where the last one did costs nothing to show.
  TGameRandom::SetSeed(5);
  DrawRig draw;
  draw.Add("Fog", 1, 3);
  TFog fog;
  fog.OmgImgList = &draw.images;
  fog.Reset();
  std::vector<std::vector<DrawRig::TDrawn>> frames;
  std::vector<float> firstX;
  for (int i = 0; i < 6; ++i) {
    fog.UpdateAndDraw();
    frames.push_back(draw.Take());
    firstX.push_back(fog.Bank(0).X);
  }
  for (int i = 1; i < 6; ++i) EXPECT_EQ(firstX[i], firstX[i - 1] - fog.MoveStep);
  auto left = [](const std::vector<DrawRig::TDrawn>& f) { return f.at(0).X; };
  for (int i = 0; i < 6; i += 2) EXPECT_EQ(left(frames[i]), left(frames[i + 1])) << "update " << i;
  for (int i = 0; i + 2 < 6; i += 2)
    EXPECT_LT(left(frames[i + 2]), left(frames[i]) - fog.MoveStep) << "update " << i;
}

TEST(OldMovieEffect, LinesComeAndGoFlickeringAndTheMaskIsDrawnLastWithinItsRange) {
  FixedClock clock(321);
  DrawRig draw;
  draw.Add("MovieEffect", 2, 1);
  draw.Add("MovieEffectMask", 1, 1);
  TOldMovieEffect movie;
  movie.OmgImgList = &draw.images;
  movie.Top = 84;
  movie.Reset();
  // Both lines start hidden for 500 + 300 r(8) ms.
  for (int i = 0; i < 2; ++i) {
    EXPECT_FALSE(movie.Line(i).Shown);
    EXPECT_EQ((movie.Line(i).Limit - 500) % 300, 0);
  }
  int firstShown = (movie.Line(0).Limit + 29) / 30;
  int shownUpdates = 0, linesDrawn = 0, secondSlides = 0;
  for (int u = 1; u <= 400; ++u) {
    movie.UpdateAndDraw();
    auto drawn = draw.Take();
    ASSERT_FALSE(drawn.empty());
    const auto& mask = drawn.back();
    ASSERT_EQ(mask.Name, "MovieEffectMask");
    ASSERT_EQ(mask.Blend, bmAdditive);
    ASSERT_GE(mask.Alpha, Shown(40));
    ASSERT_LE(mask.Alpha, Shown(140));
    ASSERT_EQ(mask.Y, 84);
    if (u == firstShown) {
      EXPECT_TRUE(movie.Line(0).Shown);
    }
    if (u < firstShown) {
      EXPECT_FALSE(movie.Line(0).Shown);
    }
    shownUpdates += movie.Line(0).Shown ? 1 : 0;
    for (size_t k = 0; k + 1 < drawn.size(); ++k) {
      const auto& line = drawn[k];
      ASSERT_EQ(line.Name, "MovieEffect");
      ASSERT_EQ(line.Blend, bmNormal);
      ASSERT_GE(line.Alpha, Shown(165));
      ASSERT_LE(line.Alpha, Shown(215));
      ASSERT_EQ(line.Y, 84);
      int i = line.Pattern;
      ASSERT_TRUE(movie.Line(i).Shown);
      ASSERT_LT(movie.Line(i).FlickerTimer, movie.Line(i).FlickerLimit / 2.0);
      ASSERT_EQ((static_cast<int>(line.X) - 30) % 5, 0);
      ++linesDrawn;
    }
    // The second line comes in 200 pixels aside and slides back by 5 a tick.
    const auto& second = movie.Line(1);
    if (second.Shown) {
      ASSERT_LE(std::abs(second.Slide), 195);
      secondSlides += second.Slide != 0 ? 1 : 0;
    }
    ASSERT_EQ(movie.Line(0).Slide, 0);
  }
  EXPECT_GT(shownUpdates, 10);
  EXPECT_GT(linesDrawn, 0);
  EXPECT_GT(secondSlides, 0);

  // Hidden: it neither moves nor draws.
  movie.Visible = false;
  float mask = movie.MaskAlpha().Value;
  movie.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_EQ(movie.MaskAlpha().Value, mask);
}

TEST(OldMovieEffect, TheClockSeedAtCreationDecidesTheFirstWaits) {
  int limits[2][2];
  for (auto& l : limits) {
    FixedClock clock(777);
    TOldMovieEffect movie;
    l[0] = movie.Line(0).Limit;
    l[1] = movie.Line(1).Limit;
  }
  EXPECT_EQ(limits[0][0], limits[1][0]);
  EXPECT_EQ(limits[0][1], limits[1][1]);
}
