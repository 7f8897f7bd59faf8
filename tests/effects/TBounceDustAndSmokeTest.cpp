#include <gtest/gtest.h>

#include "effects/EffectRig.h"
#include "effects/TBounceDustEffect.h"
#include "effects/TStoveSmoke.h"
#include "engine/Rounding.h"

TEST(BounceDustEffect, EachTypeStartsWithItsColourAndAFullRingDropsNewPuffs) {
  TGameRandom::SetSeed(5);
  TBounceDustEffect dust;
  for (int i = 0; i < TBounceDustEffect::SlotCount; ++i) dust.Emit(100, 200, 0, i % 5);
  EXPECT_EQ(dust.BusyCount(), 300);
  const int colours[5] = {1, 3, 4, 6, 7};
  const float alphas[5] = {90, 100, 110, 70, 150};
  const float minSizes[5] = {15, 25, 20, 18, 10}, maxSizes[5] = {27, 43, 32, 30, 16};
  for (int i = 1; i <= 300; ++i) {
    const auto& p = dust.Slot(i);
    int type = (i - 1) % 5;
    ASSERT_EQ(p.Color, colours[type]);
    ASSERT_EQ(p.Alpha, alphas[type]);
    ASSERT_GE(p.Size, minSizes[type]);
    ASSERT_LE(p.Size, maxSizes[type]);
    ASSERT_GE(p.X, 100);
    ASSERT_LE(p.X, 108);
    ASSERT_GE(p.Y, 200);
    ASSERT_LE(p.Y, 204);
    ASSERT_LE(p.SpeedY, -0.3f + 1e-6f);
    ASSERT_GE(p.SpeedY, -0.5f - 1e-6f);
    ASSERT_GE(p.Shape, 1);
    ASSERT_LE(p.Shape, 3);
  }
  // The 301st lands on slot 1, which is busy, and is dropped.
  float x1 = dust.Slot(1).X;
  dust.Emit(900, 700, 0, 4);
  EXPECT_EQ(dust.RingIndex(), 1);
  EXPECT_EQ(dust.Slot(1).X, x1);
  EXPECT_EQ(dust.Slot(1).Color, 1);
  EXPECT_EQ(dust.BusyCount(), 300);

  dust.Reset();
  EXPECT_FALSE(dust.Active());
  // A spider rolling off hands over its point; five at once for the fairies.
  dust.Emit(TPoint{40, 60}, 0, 2);
  dust.Emit5(10, 10, 0, 3);
  EXPECT_EQ(dust.BusyCount(), 6);
  EXPECT_EQ(dust.Slot(2).Color, 4);
  EXPECT_GE(dust.Slot(2).X, 40);
}

TEST(BounceDustEffect, ATypeFourPuffOfSizeTenShrinksAwayOnItsFortySecondUpdate) {
  TBounceDustEffect dust;
  // Find a start that draws the smallest values: size 10, shrinking 0.12, fading 1.5.
  bool found = false;
  for (std::uint32_t seed = 1; seed < 20000 && !found; ++seed) {
    TGameRandom::SetSeed(seed);
    dust.Reset();
    dust.Emit(300, 300, 0, 4);
    const auto& p = dust.Slot(dust.RingIndex());
    found = p.Size == 10.0f && p.SizeDec == 0.12f && p.AlphaDec == 1.5f;
  }
  ASSERT_TRUE(found);
  int slot = dust.RingIndex();
  float y0 = dust.Slot(slot).Y, speed = dust.Slot(slot).SpeedY;
  int updates = 0;
  while (!dust.Slot(slot).Free && updates < 100) {
    dust.UpdateAndDraw();
    ++updates;
  }
  EXPECT_EQ(updates, 42);
  EXPECT_GT(dust.Slot(slot).Alpha, 80);  // long before the alpha runs out
  // It sinks by its speed every update.
  EXPECT_NEAR(dust.Slot(slot).Y, y0 - 42 * speed, 0.01);
}

TEST(BounceDustEffect, DrawsItsGroupAdditivelyScaledToTheTileAndNothingOnNewerSystems) {
  TGameRandom::SetSeed(9);
  DrawRig draw;
  draw.Add("DustParticle", 3, 7);
  TBounceDustEffect dust;
  dust.OmgImgList = &draw.images;
  dust.RefreshSizes();
  EXPECT_EQ(dust.OrigDustWidth, 52);
  EXPECT_EQ(dust.OrigDustHeight, 52);
  dust.Emit(100, 200, 1, 0);
  dust.Emit(400, 200, 2, 4);
  dust.Emit(700, 200, 0, 1);
  auto a = dust.Slot(1), b = dust.Slot(2), c = dust.Slot(3);

  // Group 1 draws its own puff and the one of group 0; group 2's stays where it was.
  dust.UpdateAndDraw(1);
  auto drawn = draw.Take();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(dust.Slot(2).Y, b.Y);
  EXPECT_EQ(drawn[0].Pattern, 3 * 1 + a.Shape - 4);
  EXPECT_EQ(drawn[0].Blend, bmAdditive);
  EXPECT_EQ(drawn[0].Alpha, Shown(RoundHalfEven(90 - a.AlphaDec)));
  EXPECT_EQ(drawn[0].X, RoundHalfEven(a.X));
  EXPECT_EQ(drawn[0].Y, RoundHalfEven(a.Y - a.SpeedY));
  EXPECT_EQ(drawn[1].Pattern, 3 * 3 + c.Shape - 4);

  // Group 0 draws every puff; the last colour's patterns are the last row.
  dust.UpdateAndDraw(0);
  drawn = draw.Take();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[1].Pattern, 3 * 7 + b.Shape - 4);
  EXPECT_GE(drawn[1].Pattern, 18);

  dust.IsWindows8OrLater = true;
  float y = dust.Slot(1).Y;
  dust.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_EQ(dust.Slot(1).Y, y);
}

TEST(StoveSmoke, IsAlreadyRisingWhenFirstShownAndEverySecondCallAddsAPuff) {
  FixedClock clock(4242);
  DrawRig draw;
  draw.Add("PracticeSmoke", 3, 1);
  TStoveSmoke smoke;
  smoke.OmgImgList = &draw.images;
  smoke.Left = 539;
  smoke.Top = 239;
  smoke.Reset();
  EXPECT_TRUE(draw.Take().empty());  // the pre-run draws nothing
  int running = smoke.ActiveCount();
  EXPECT_GE(running, 12);
  EXPECT_LE(running, TStoveSmoke::PuffCount);
  float highest = 239;
  for (int i = 0; i < TStoveSmoke::PuffCount; ++i) {
    const auto& p = smoke.Puff(i);
    if (!p.Active) continue;
    EXPECT_GE(p.X, 535);
    EXPECT_LE(p.X, 543);
    EXPECT_GE(p.Alpha, 20);
    EXPECT_GE(p.Size, 0.2);
    EXPECT_GE(p.Pattern, 1);
    EXPECT_LE(p.Pattern, 3);
    highest = std::min(highest, static_cast<float>(p.Y));
  }
  EXPECT_LT(highest, 239 - 30);  // some smoke has risen well above the stove

  // Every active puff is drawn normally, turned about its own centre.
  smoke.UpdateAndDraw(true);
  auto drawn = draw.Take();
  EXPECT_EQ(static_cast<int>(drawn.size()), smoke.ActiveCount());
  for (const auto& d : drawn) {
    EXPECT_EQ(d.Name, "PracticeSmoke");
    EXPECT_EQ(d.Blend, bmNormal);
  }

  // Hidden and asked to draw: nothing moves; asked only to advance, it still rises.
  smoke.Visible = false;
  TStoveSmoke::TPuff before = smoke.Puff(0);
  smoke.UpdateAndDraw(true);
  EXPECT_EQ(smoke.Puff(0).Y, before.Y);
  smoke.UpdateAndDraw(false);
  EXPECT_TRUE(draw.Take().empty());

  // The pool never holds more than thirty, however long it runs.
  for (int i = 0; i < 500; ++i) {
    smoke.UpdateAndDraw(false);
    ASSERT_LE(smoke.ActiveCount(), TStoveSmoke::PuffCount);
  }
}

TEST(StoveSmoke, TheSameClockGivesTheSameSmoke) {
  FixedClock clock(99);
  TStoveSmoke a, b;
  for (int i = 0; i < TStoveSmoke::PuffCount; ++i) {
    EXPECT_EQ(a.Puff(i).Active, b.Puff(i).Active);
    EXPECT_EQ(a.Puff(i).Y, b.Puff(i).Y);
    EXPECT_EQ(a.Puff(i).Angle, b.Puff(i).Angle);
  }
}
