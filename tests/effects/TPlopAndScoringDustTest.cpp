#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "effects/EffectRig.h"
#include "effects/TNewPlopEffect.h"
#include "effects/TScoringDust.h"
#include "engine/Rounding.h"

namespace {
struct PlopRig {
  DrawRig draw;
  TNewPlopEffect plop;
  std::vector<std::string> sounds;
  PlopRig() {
    draw.Add("StarEffect", 1, 1);
    plop.OmgImgList = &draw.images;
    plop.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
  }
};
}  // namespace

TEST(NewPlopEffect, TwelveEmittersRunFourteenUpdatesAndLeave132Stars) {
  TGameRandom::SetSeed(41);
  PlopRig r;
  r.plop.Plop(500, 400);
  EXPECT_EQ(r.sounds, std::vector<std::string>{"NewChapter"});
  EXPECT_FLOAT_EQ(r.plop.OriginX(), 476);
  EXPECT_FLOAT_EQ(r.plop.OriginY(), 376);
  std::set<int> colours;
  for (int u = 1; u <= 14; ++u) {
    r.plop.UpdateAndDraw();
    // Stars come from the 4th update on, one per emitter per update.
    EXPECT_EQ(r.plop.StarsEmitted(), u < 4 ? 0 : 12 * (u - 3));
    auto drawn = r.draw.Take();
    EXPECT_EQ(static_cast<int>(drawn.size()), r.plop.LiveStars());
    for (const auto& d : drawn) {
      EXPECT_EQ(d.Blend, bmAdditive);
      colours.insert(d.R);
    }
  }
  EXPECT_EQ(r.plop.StarsEmitted(), 132);
  for (int i = 0; i < TNewPlopEffect::EmitterCount; ++i) {
    const auto& e = r.plop.Emitter(i);
    EXPECT_FALSE(e.Running);
    EXPECT_EQ(e.Updates, 14);
    // 154 pixels along the longer axis, short of the target.
    float dx = std::fabs(e.X - r.plop.OriginX()), dy = std::fabs(e.Y - r.plop.OriginY());
    EXPECT_NEAR(std::max(dx, dy), 154, 1e-3);
  }
  EXPECT_EQ(r.plop.Emitter(3).Y, r.plop.OriginY());  // straight right
  EXPECT_GT(r.plop.Emitter(3).X, r.plop.OriginX());
  // Channels of 50 to 250 in steps of 50, each arriving one lower through the screen.
  for (int c : colours) EXPECT_EQ((c + 1) % 50, 0) << c;

  // The stars shrink no smaller than 0.02 and are gone once their alpha sinks below 3.
  int updates = 0;
  while (r.plop.Active() && updates < 100) {
    r.plop.UpdateAndDraw();
    ++updates;
    for (int i = 0; i < TNewPlopEffect::StarCount; ++i)
      if (r.plop.Star(i).Active) {
        ASSERT_GE(r.plop.Star(i).Size, 0.02f);
      }
  }
  EXPECT_EQ(updates, 13);
  EXPECT_EQ(r.plop.StarsEmitted(), 132);
  r.draw.Take();
  r.plop.UpdateAndDraw();
  EXPECT_TRUE(r.draw.Take().empty());

  r.plop.SoundOn = false;
  r.plop.Plop(100, 100);
  EXPECT_EQ(r.sounds.size(), 1u);
}

TEST(NewPlopEffect, DelayedPlopAndAFullStarPool) {
  TGameRandom::SetSeed(43);
  PlopRig r;
  r.plop.DelayedPlop(683, 384);
  EXPECT_TRUE(r.plop.Active());
  for (int u = 1; u < 40; ++u) r.plop.UpdateAndDraw();
  EXPECT_TRUE(r.sounds.empty());
  EXPECT_TRUE(r.draw.Take().empty());
  // 1200 ms: the plop happens and its emitters move in that same update.
  r.plop.UpdateAndDraw();
  EXPECT_EQ(r.sounds.size(), 1u);
  EXPECT_FALSE(r.plop.Delaying());
  EXPECT_EQ(r.plop.Emitter(0).Updates, 1);
  EXPECT_FLOAT_EQ(r.plop.Emitter(0).Y, 384 - 24 - 11);

  // Stars from the first update on, emitters running until they arrive: the stars of 12
  // emitters living 14 updates each would need 168 slots, and the rest are dropped.
  r.plop.MinMoveUpdCount = 1;
  r.plop.MaxMoveUpdCount = 100;
  r.plop.Plop(683, 384);
  int peak = 0;
  for (int u = 0; u < 20; ++u) {
    r.plop.UpdateAndDraw();
    peak = std::max(peak, r.plop.LiveStars());
  }
  EXPECT_EQ(peak, TNewPlopEffect::StarCount);
  EXPECT_LT(r.plop.StarsEmitted(), 12 * 20);

  r.plop.Reset();
  EXPECT_FALSE(r.plop.Active());
  EXPECT_EQ(r.plop.LiveStars(), 0);
}

TEST(ScoringDust, SpecksDriftFadeAndLeaveAndThePoolHoldsThreeHundred) {
  TGameRandom::SetSeed(47);
  DrawRig draw;
  draw.Add("ScoringDust", 1, 1);
  TScoringDust dust;
  dust.OmgImgList = &draw.images;
  for (int i = 0; i < TScoringDust::SpeckCount + 1; ++i) dust.Emit(600, 300);
  EXPECT_EQ(dust.LiveCount(), TScoringDust::SpeckCount);
  for (int i = 0; i < TScoringDust::SpeckCount; ++i) {
    const auto& s = dust.Speck(i);
    ASSERT_NE(s.SpeedX, 0);  // a zero draw becomes 0.04 one way or the other
    ASSERT_EQ(s.B, 0);
    ASSERT_TRUE((s.R == 255 && s.G == 255) || (s.R == 225 && s.G == 255) ||
                (s.R == 255 && s.G == 225));
  }
  std::vector<float> lastY(TScoringDust::SpeckCount, 300);
  int updates = 0;
  dust.AlphaRatio = 0.5f;
  while (dust.Active() && updates < 2000) {
    dust.UpdateAndDraw();
    ++updates;
    auto drawn = draw.Take();
    ASSERT_EQ(static_cast<int>(drawn.size()), dust.LiveCount());
    int k = 0;
    for (int i = 0; i < TScoringDust::SpeckCount; ++i) {
      const auto& s = dust.Speck(i);
      if (!s.Active) continue;
      // Sinking ever faster.
      ASSERT_GT(s.Y, lastY[i]);
      lastY[i] = s.Y;
      ASSERT_GE(s.Alpha, 0);
      ASSERT_GE(s.Size, 0);
      ASSERT_EQ(drawn[k].Blend, bmAdditive);
      ASSERT_EQ(drawn[k].Alpha, Shown(RoundHalfEven(s.Alpha * 0.5f)));
      ++k;
    }
  }
  EXPECT_LT(updates, 2000);
  // A freed slot is taken again.
  dust.Emit(10, 10);
  EXPECT_EQ(dust.LiveCount(), 1);
  dust.Reset();
  EXPECT_FALSE(dust.Active());
}

TEST(ScoringDust, ReversedSpecksRiseAndLeaveAtTheTop) {
  TGameRandom::SetSeed(53);
  TScoringDust dust;
  dust.ReverseFall = true;
  for (int i = 0; i < 50; ++i) dust.Emit(600, 60);
  std::vector<float> lastY(50, 60);
  int updates = 0;
  while (dust.Active() && updates < 2000) {
    dust.UpdateAndDraw();
    ++updates;
    for (int i = 0; i < 50; ++i) {
      if (!dust.Speck(i).Active) continue;
      ASSERT_LT(dust.Speck(i).Y, lastY[i]);
      lastY[i] = dust.Speck(i).Y;
    }
  }
  // 60 pixels at 0.15 to 1.35 a tick: all gone well before they could fade.
  EXPECT_LT(updates, 400);
  for (float y : lastY) EXPECT_LT(y, 5);
}
