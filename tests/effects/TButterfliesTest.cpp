#include <gtest/gtest.h>

#include <cmath>

#include "effects/EffectRig.h"
#include "effects/TBookButterflies.h"
#include "effects/TDiamondButterflies.h"

TEST(DiamondButterflies, TwentyScatterFromThePointNeverHoveringAndAllFadeAway) {
  FixedClock clock(2024);
  DrawRig draw;
  for (const char* n : {"DiamondButterfly1", "DiamondButterfly2", "DiamondButterfly3"})
    draw.Add(n, 1, 5);
  TDiamondButterflies flies;
  flies.OmgImgList = &draw.images;
  flies.Release(660, 357);
  ASSERT_EQ(flies.ActiveCount(), TDiamondButterflies::ButterflyCount);
  for (int i = 0; i < TDiamondButterflies::ButterflyCount; ++i) {
    const auto& b = flies.Butterfly(i);
    EXPECT_LE(std::abs(b.X - 660), 27);
    EXPECT_LE(std::abs(b.Y - 357), 27);
    // A speed within 0.384 of standing still is replaced by 0.448.
    EXPECT_GT(std::abs(b.SpeedX), 0.384f);
    EXPECT_GT(std::abs(b.SpeedY), 0.384f);
    EXPECT_EQ(b.Size, 0.3f);
    EXPECT_EQ(b.Alpha, 225);
    EXPECT_GE(b.Image, 1);
    EXPECT_LE(b.Image, 3);
    EXPECT_GE(b.Interval, 200);
    EXPECT_LE(b.Interval, 600);
  }

  int updates = 0;
  while (flies.Active() && updates < 400) {
    flies.UpdateAndDraw();
    ++updates;
    auto drawn = draw.Take();
    ASSERT_EQ(static_cast<int>(drawn.size()), flies.ActiveCount());
    for (const auto& d : drawn) {
      ASSERT_EQ(d.Blend, bmAdditive);
      ASSERT_LE(d.Alpha, Shown(225));
      ASSERT_GE(d.Alpha, Shown(20));
      ASSERT_LE(d.Pattern, 4);  // the sixth wing frame draws the last pattern
    }
    for (int i = 0; i < TDiamondButterflies::ButterflyCount; ++i) {
      const auto& b = flies.Butterfly(i);
      if (!b.Active) continue;
      ASSERT_LE(std::abs(b.SpeedX), flies.MaxMoveStep);
      ASSERT_LE(std::abs(b.SpeedY), flies.MaxMoveStep);
      ASSERT_LE(b.Size, flies.MaxSize);
      // The body faces the flight.
      float expected = static_cast<float>(std::atan2(b.SpeedY, b.SpeedX) * 180 / M_PI) + 90;
      ASSERT_NEAR(b.Angle, expected, 0.01);
    }
  }
  // The slowest fade, 0.8 a tick from 225 to below 20, takes 257 updates.
  EXPECT_FALSE(flies.Active());
  EXPECT_LE(updates, 257);
  EXPECT_GE(updates, 95);  // the fastest, 1.88 a tick

  // Hidden, a new release stands still.
  flies.Release(100, 100);
  flies.Visible = false;
  float x = flies.Butterfly(0).X;
  flies.UpdateAndDraw();
  EXPECT_EQ(flies.Butterfly(0).X, x);
  flies.Reset();
  EXPECT_FALSE(flies.Active());
}

TEST(DiamondButterflies, AReleaseIsTheSameForTheSameClock) {
  FixedClock clock(5);
  TDiamondButterflies a, b;
  a.Release(300, 300);
  TGameRandom::SetSeed(1);  // whatever came before, the release reseeds
  b.Release(300, 300);
  for (int i = 0; i < TDiamondButterflies::ButterflyCount; ++i) {
    EXPECT_EQ(a.Butterfly(i).X, b.Butterfly(i).X);
    EXPECT_EQ(a.Butterfly(i).SpeedY, b.Butterfly(i).SpeedY);
  }
}

TEST(BookButterflies, TheVisibleCountsFlyWithinTheAreaAndADisabledColourRests) {
  TGameRandom::SetSeed(44);
  DrawRig draw;
  draw.Add("PinkButterfly", 4, 2);
  draw.Add("BlueButterfly", 4, 2);
  TBookButterflies book;
  book.OmgImgList = &draw.images;
  book.RefreshSizes();
  EXPECT_EQ(book.OrigButterflyWidth, 52);
  book.Reset();
  EXPECT_EQ(book.ActiveCount(), 10);
  int pink = 0;
  for (int i = 0; i < TBookButterflies::MaxButterflies; ++i)
    pink += book.Butterfly(i).Active && !book.Butterfly(i).Blue ? 1 : 0;
  EXPECT_EQ(pink, 6);

  int nearMiddle = 0;
  for (int u = 0; u < 1500; ++u) {
    book.UpdateAndDraw();
    // Placed around the body: the picture's middle stays on the butterfly however it turns.
    ASSERT_EQ(draw.backend.Quads.size(), 10u);
    for (int i = 0; i < 10; ++i) {
      const auto& q = draw.backend.Quads[i];
      float cx = (q.Corners[0].X + q.Corners[1].X + q.Corners[2].X + q.Corners[3].X) / 4;
      float cy = (q.Corners[0].Y + q.Corners[1].Y + q.Corners[2].Y + q.Corners[3].Y) / 4;
      ASSERT_NEAR(cx, book.Butterfly(i).X, 0.6);
      ASSERT_NEAR(cy, book.Butterfly(i).Y, 0.6);
    }
    auto drawn = draw.Take();
    for (const auto& d : drawn) {
      ASSERT_EQ(d.Blend, bmNormal);
      ASSERT_LT(d.Pattern, 8);
    }
    for (int i = 0; i < 10; ++i) {
      const auto& b = book.Butterfly(i);
      ASSERT_GE(b.X, book.AreaLeft);
      ASSERT_LE(b.X, book.AreaRight);
      ASSERT_GE(b.Y, book.AreaTop);
      ASSERT_LE(b.Y, book.AreaBottom);
      ASSERT_LE(std::abs(b.SpeedX), book.MoveStepSpeedLimit);
      ASSERT_LE(std::abs(b.SpeedY), book.MoveStepSpeedLimit);
      ASSERT_GE(b.Size, book.MinSizeRatio - 0.002f);
      ASSERT_LE(b.Size, book.MaxSizeRatio + 0.002f);
      nearMiddle += b.X > 300 && b.X < 1066 && b.Y > 150 && b.Y < 618 ? 1 : 0;
    }
  }
  // They wander over the book rather than gathering at its edges.
  EXPECT_GT(nearMiddle, 1500 * 10 / 5);

  book.PinkEnabled = false;
  float x = book.Butterfly(0).X;
  book.UpdateAndDraw();
  EXPECT_EQ(draw.Take().size(), 4u);
  EXPECT_EQ(book.Butterfly(0).X, x);
  EXPECT_EQ(book.ActiveCount(), 4);
}
