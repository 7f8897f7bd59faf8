#include <gtest/gtest.h>

#include <vector>

#include "TBossAim.h"
#include "TBotPlanner.h"

namespace {
// A creature that stays as given for the whole forecast.
TBossAim Standing(int x, TBoss::TBossState state, TBoss::TAttemptPhase phase = TBoss::apNone) {
  return TBossAim({{x, state, phase}}, 499, 53);
}
}  // namespace

// The forecast follows the creature's own rules: it turns at the end of its range, and a
// creature getting ready absorbs once its preparation is over, then recovers and walks.
TEST(BossAim, ForecastsTheWalkAndTheAttempt) {
  TOwlBoss owl;
  owl.SetAutoAttempts(false);
  for (int i = 0; i < 620; ++i) owl.Update();
  ASSERT_EQ(owl.Position().X, 235);
  TBossAim walk(owl, 0);
  EXPECT_EQ(walk.At(0).X, 235);
  EXPECT_EQ(walk.At(10).X, 225);
  EXPECT_EQ(walk.At(15).X, 230);  // walking right again

  owl.PreparingTime = 300;  // 10 frames
  owl.AbsorbingTime = 600;  // 20 frames
  owl.FinishingTime = 150;  // 5 frames
  owl.RefTimeForAbsorbAttempt = 30;
  owl.SetAutoAttempts(true);
  for (int i = 0; i < 3 && owl.GetState() == TBoss::bsWalking; ++i) owl.Update();
  ASSERT_EQ(owl.GetAttemptPhase(), TBoss::apPreparing);
  owl.Update();
  owl.Update();  // two frames into the preparation
  TBossAim attempt(owl, 2);
  const int x = owl.Position().X;
  // The frame the attempt began counted towards its preparation: 7 more to go.
  EXPECT_EQ(attempt.At(6).State, TBoss::bsFrontView);
  EXPECT_EQ(attempt.At(7).State, TBoss::bsAbsorbing);
  EXPECT_EQ(attempt.At(26).State, TBoss::bsAbsorbing);
  EXPECT_EQ(attempt.At(27).Phase, TBoss::apFinishing);
  EXPECT_EQ(attempt.At(32).State, TBoss::bsWalking);
  EXPECT_EQ(attempt.At(32).X, x);
  EXPECT_EQ(attempt.At(33).X, x + 1);  // on its way right, far from the right end
  // Every prediction matches what the creature then does, up to its next attempt (whose
  // moment nobody sees coming).
  for (int k = 1; k <= 32; ++k) {
    owl.Update();
    ASSERT_EQ(attempt.At(k).State, owl.GetState()) << k;
    ASSERT_EQ(attempt.At(k).X, owl.Position().X) << k;
  }
}

// An element dropped over the creature hits it, more so while it gets ready; one dropped far
// to the side misses, one swallowed is a little worse than nothing, and a bomb scatters.
TEST(BossAim, ElementsAreWorthWhatTheyDoToTheCreature) {
  const int tileLeft = 450, tileTop = 200;
  EXPECT_NEAR(Standing(400, TBoss::bsWalking).ElementWorth(tileLeft, tileTop, 0, TBossAim::lvGrouped),
              TBossAim::HitWorth, 1e-9);
  EXPECT_NEAR(Standing(400, TBoss::bsFrontView, TBoss::apPreparing)
                  .ElementWorth(tileLeft, tileTop, 0, TBossAim::lvGrouped),
              TBossAim::PreparingWorth, 1e-9);
  EXPECT_NEAR(Standing(400, TBoss::bsAbsorbing, TBoss::apAbsorbing)
                  .ElementWorth(tileLeft, tileTop, 0, TBossAim::lvGrouped),
              TBossAim::SwallowedWorth, 1e-9);
  EXPECT_EQ(Standing(400, TBoss::bsWalking).ElementWorth(900, tileTop, 0, TBossAim::lvGrouped), 0);
  EXPECT_EQ(Standing(400, TBoss::bsDead).ElementWorth(tileLeft, tileTop, 0, TBossAim::lvGrouped), 0);
  // Near the edge of the box only the elements that drift its way hit.
  const double edge = Standing(400, TBoss::bsWalking).ElementWorth(660, tileTop, 0, TBossAim::lvGrouped);
  EXPECT_GT(edge, 0.05);
  EXPECT_LT(edge, 0.5);
  const double blast = Standing(400, TBoss::bsWalking).ElementWorth(tileLeft, tileTop, 0, TBossAim::lvBlasted);
  EXPECT_GT(blast, 0);
  EXPECT_LT(blast, 0.8);

  // Absorbing for 30 frames, then recovering: what lands late is a hit, what lands soon is
  // swallowed.
  std::vector<TBossAim::TFrame> frames(30, {400, TBoss::bsAbsorbing, TBoss::apAbsorbing});
  frames.push_back({400, TBoss::bsFrontView, TBoss::apFinishing});
  TBossAim late(frames, 499, 53);
  EXPECT_LT(late.ElementWorth(tileLeft, tileTop, 0, TBossAim::lvGrouped), 0);
  EXPECT_NEAR(late.ElementWorth(tileLeft, tileTop, 30, TBossAim::lvGrouped), TBossAim::HitWorth, 1e-9);
}

// In a boss round a swap counts what it drops on the creature; light elements drift past it.
TEST(BossAim, ThePlannerPrefersSwapsOverTheCreature) {
  TBotPlanner::TView v;
  const char* rows[] = {"4114", "1454", "5665", "1545", "4114", "1454"};
  for (int y = 1; y <= 6; ++y)
    for (int x = 1; x <= 4; ++x) {
      TBoardTile& t = v.Board.At(x, y);
      t.ObjectKind = okFruit;
      t.Element = static_cast<std::uint8_t>(rows[y - 1][x - 1] - '0');
    }
  // Swapping (1,2)-(1,1) lines up the 1s of row 1; (1,6)-(1,5) those of row 5.
  TBotPlanner plain(v);
  const double top = plain.RateSwap({1, 2}, {1, 1}), bottom = plain.RateSwap({1, 6}, {1, 5});
  ASSERT_GE(top, 0);
  ASSERT_GE(bottom, 0);
  v.Boss = true;
  for (int d = 0; d < TBotPlanner::CascadeDepth; ++d)
    for (int x = 1; x <= 4; ++x) v.BossWorth[d][x - 1][0] = 1;  // row 1 lies over the creature
  TBotPlanner boss(v);
  EXPECT_NEAR(boss.RateSwap({1, 2}, {1, 1}), top + 3, 1e-6);
  EXPECT_NEAR(boss.RateSwap({1, 6}, {1, 5}), bottom, 1e-6);
  // Strawberries (2) drift away instead of falling.
  for (int x = 1; x <= 4; ++x)
    if (v.Board.At(x, 1).Element == 1) v.Board.At(x, 1).Element = 2;
  v.Board.At(1, 2).Element = 2;
  TBotPlanner::TView gathering = v;
  gathering.Boss = false;
  EXPECT_NEAR(TBotPlanner(v).RateSwap({1, 2}, {1, 1}), TBotPlanner(gathering).RateSwap({1, 2}, {1, 1}),
              1e-9);
}
