#include <gtest/gtest.h>

#include <cmath>

#include "effects/EffectRig.h"
#include "effects/TConfettiFireworks.h"
#include "effects/TFireworksTrigger.h"

namespace {
// The effect reseeds from the clock; a fixed clock makes each run repeatable.
struct FireworksRig {
  DrawRig draw;
  TConfettiFireworks fireworks;
  std::vector<std::string> sounds;
  FireworksRig() {
    draw.Add("Firework", 1, 1);
    draw.Add("Confetti", 3, 2);
    fireworks.OmgImgList = &draw.images;
    fireworks.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
  }
};
}  // namespace

TEST(ConfettiFireworks, RisesTrailingSparksBurstsOnceAndTheConfettiFallsAway) {
  FixedClock clock(1234);
  FireworksRig r;
  r.fireworks.UpdateAndDraw();  // idle: nothing
  EXPECT_TRUE(r.draw.Take().empty());
  EXPECT_FALSE(r.fireworks.Active());

  r.fireworks.Launch(-50, 710);
  EXPECT_EQ(r.sounds, std::vector<std::string>{"Fireworks"});
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpRising);
  // 733 pixels across at 14 a tick: the rocket is there on its 53rd update, trailing one
  // spark a tick until then, and the sparks die out on their own.
  int update = 0;
  while (r.fireworks.Phase() == TConfettiFireworks::fpRising && update < 200) {
    int before = r.fireworks.LiveSparks();
    r.fireworks.UpdateAndDraw();
    ++update;
    auto drawn = r.draw.Take();
    EXPECT_EQ(static_cast<int>(drawn.size()), r.fireworks.LiveSparks());
    for (const auto& d : drawn) {
      EXPECT_EQ(d.Name, "Firework");
      EXPECT_EQ(d.Blend, bmAdditive);
    }
    if (r.fireworks.Phase() == TConfettiFireworks::fpRising) {
      EXPECT_LE(r.fireworks.LiveSparks(), before + 1);
      EXPECT_LT(r.fireworks.RocketY(), 710);
    }
  }
  EXPECT_EQ(update, 53);
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpBursting);
  EXPECT_FLOAT_EQ(r.fireworks.RocketX(), TConfettiFireworks::BurstX);
  EXPECT_FLOAT_EQ(r.fireworks.RocketY(), TConfettiFireworks::BurstY);
  EXPECT_EQ(r.fireworks.LiveConfetti(), 0);
  EXPECT_GT(r.fireworks.LiveSparks(), 15);

  // The burst fills every confetti slot at once, all drawn in that tick.
  r.fireworks.UpdateAndDraw();
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpFalling);
  EXPECT_EQ(r.fireworks.LiveConfetti(), TConfettiFireworks::ConfettiCount);
  auto confetti = DrawnOf(r.draw.Take(), "Confetti");
  ASSERT_EQ(static_cast<int>(confetti.size()), TConfettiFireworks::ConfettiCount);
  // Laid over the picture: added to a bright sky the paper would come out white.
  for (const auto& d : confetti) EXPECT_EQ(d.Blend, bmNormal);
  for (int i = 0; i < TConfettiFireworks::ConfettiCount; ++i) {
    const auto& p = r.fireworks.Piece(i);
    // A wide fan: from well left of the screen to well right of it, mostly above the burst.
    EXPECT_GE(p.DestX, TConfettiFireworks::BurstX - 775 - 49);
    EXPECT_LE(p.DestX, TConfettiFireworks::BurstX - 775 + 17 * 89 + 49);
    EXPECT_GE(p.DestY, TConfettiFireworks::BurstY - 450 - 39);
    EXPECT_LE(p.DestY, TConfettiFireworks::BurstY - 450 + 13 * 69 + 39);
    EXPECT_GE(p.Kind, 1);
    EXPECT_LE(p.Kind, 4);
    EXPECT_GE(p.Color, 1);
    EXPECT_LE(p.Color, 3);
  }

  // Pieces swing in size and stay under the alpha cap; after two seconds of steering they
  // all count as arrived and only fall; at last every one has left the bottom.
  int steps = 0;
  while (r.fireworks.LiveConfetti() > 0 && steps < 2000) {
    r.fireworks.UpdateAndDraw();
    ++steps;
    for (int i = 0; i < TConfettiFireworks::ConfettiCount; ++i) {
      const auto& p = r.fireworks.Piece(i);
      if (!p.Active) continue;
      ASSERT_LE(p.Alpha, r.fireworks.MaxConfettiAlpha);
      ASSERT_GE(p.Size, 0.1f - 1e-4f);
      ASSERT_LE(p.Size, r.fireworks.MaxConfettiSizeRatio + 1e-4f);
      ASSERT_LE(p.FallSpeed, p.FallLimit);
      if (steps >= 2000 / 30 - 1) {
        ASSERT_TRUE(p.Arrived) << "piece " << i << " step " << steps;
      }
    }
  }
  EXPECT_LT(steps, 2000);
  EXPECT_EQ(r.fireworks.SteeringTimer(), 2000);
  r.draw.Take();
  // Falling lasts until Reset, but nothing shows any more.
  EXPECT_FALSE(r.fireworks.Active());
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpFalling);
  r.fireworks.Reset();
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpIdle);
  EXPECT_EQ(r.fireworks.SteeringTimer(), 0);
}

TEST(ConfettiFireworks, PatternsPastTheGridDrawTheLastAndASecondBurstOnlyFillsFreeSlots) {
  FixedClock clock(99);
  FireworksRig r;
  // From right under the burst point the rocket arrives on its first update.
  r.fireworks.Launch(TConfettiFireworks::BurstX, TConfettiFireworks::BurstY + 10);
  r.fireworks.UpdateAndDraw();
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpBursting);
  EXPECT_EQ(r.fireworks.LiveSparks(), 0);
  r.draw.Take();
  r.fireworks.UpdateAndDraw();
  auto confetti = DrawnOf(r.draw.Take(), "Confetti");
  ASSERT_EQ(static_cast<int>(confetti.size()), TConfettiFireworks::ConfettiCount);
  int lastPatternPieces = 0, kind2Colour2 = 0;
  for (int i = 0; i < TConfettiFireworks::ConfettiCount; ++i) {
    const auto& p = r.fireworks.Piece(i);
    int pattern = r.fireworks.PatternOf(p);
    EXPECT_EQ(confetti[i].Pattern, std::min(pattern, 5)) << "kind " << p.Kind << " colour " << p.Color;
    if (p.Kind == 1 && p.Color == 1) {
      EXPECT_EQ(confetti[i].Pattern, 0);
    }
    if (p.Kind == 2 && p.Color == 2) {
      EXPECT_EQ(pattern, 7);
      ++kind2Colour2;
    }
    lastPatternPieces += pattern >= 5;
  }
  EXPECT_GT(kind2Colour2, 0);
  EXPECT_GT(lastPatternPieces, TConfettiFireworks::ConfettiCount / 2);

  // A second rocket bursting while the first confetti still flies finds no free slot.
  for (int i = 0; i < 10; ++i) r.fireworks.UpdateAndDraw();
  int live = r.fireworks.LiveConfetti();
  EXPECT_EQ(live, TConfettiFireworks::ConfettiCount);
  r.fireworks.Launch(TConfettiFireworks::BurstX, TConfettiFireworks::BurstY + 10);
  EXPECT_EQ(r.sounds.size(), 2u);
  r.fireworks.UpdateAndDraw();
  r.fireworks.UpdateAndDraw();
  EXPECT_EQ(r.fireworks.Phase(), TConfettiFireworks::fpFalling);
  EXPECT_EQ(r.fireworks.LiveConfetti(), TConfettiFireworks::ConfettiCount);

  // Reset clears both pools and draws nothing.
  r.fireworks.Reset();
  r.draw.Take();
  r.fireworks.UpdateAndDraw();
  EXPECT_TRUE(r.draw.Take().empty());
  EXPECT_EQ(r.fireworks.LiveConfetti(), 0);
  EXPECT_EQ(r.fireworks.LiveSparks(), 0);
}

TEST(ConfettiFireworks, TheSameClockReplaysTheSameBurst) {
  auto run = [](std::uint32_t seed) {
    FixedClock clock(seed);
    TGameRandom::SetSeed(5);
    TConfettiFireworks f;
    f.Launch(1366, 710);
    for (int i = 0; i < 80; ++i) f.UpdateAndDraw();
    std::vector<float> xs;
    for (int i = 0; i < TConfettiFireworks::ConfettiCount; ++i) xs.push_back(f.Piece(i).X);
    return xs;
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
}

TEST(FireworksTrigger, FiresFiveTimesOnTheirTicksAndNeverTwiceInOneTick) {
  TFireworksTrigger trigger;
  std::vector<int> fired;
  int update = 0;
  trigger.OnTrigger = [&](TFireworksTrigger& t) {
    fired.push_back(update);
    EXPECT_EQ(&t, &trigger);
  };
  trigger.Update();  // not started: nothing
  EXPECT_FALSE(trigger.Active());

  trigger.Start();
  EXPECT_TRUE(trigger.Active());
  for (update = 1; update <= 600; ++update) {
    std::size_t before = fired.size();
    trigger.Update();
    ASSERT_LE(fired.size(), before + 1);
  }
  // 30 ms an update: 1500, 4500, 7500, 10500 and 13500 ms.
  EXPECT_EQ(fired, (std::vector<int>{50, 150, 250, 350, 450}));
  EXPECT_FALSE(trigger.Active());
  EXPECT_EQ(trigger.Fired(), 5);

  // A restart begins the count again; Stop halts it.
  fired.clear();
  trigger.Start();
  for (update = 1; update <= 100; ++update) trigger.Update();
  trigger.Stop();
  for (; update <= 600; ++update) trigger.Update();
  EXPECT_EQ(fired, std::vector<int>{50});
}
