#include <gtest/gtest.h>

#include "bosses/TBoss.h"
#include "engine/TGameRandom.h"

namespace {
// An owl at the start of a round, its events counted.
struct BossRig {
  TOwlBoss boss;
  int dead = 0, grounded = 0, started = 0, finished = 0, sounds = 0;
  BossRig() {
    boss.OnDead = [this](TBoss&) { ++dead; };
    boss.OnDeadGrounded = [this](TBoss&) { ++grounded; };
    boss.OnStartAbsorbing = [this](TBoss&) { ++started; };
    boss.OnFinishAbsorbing = [this](TBoss&) { ++finished; };
    boss.PlaySound = [this](TBoss&) { ++sounds; };
    boss.Reset();
    boss.SetAutoAttempts(false);
  }
  void Run(int updates) {
    for (int i = 0; i < updates; ++i) boss.Update();
  }
  // One update into an attempt that stands still; each phase lasts two updates.
  void QuickAttempt() {
    boss.PreparingTime = boss.AbsorbingTime = boss.FinishingTime = 60;
    boss.RefTimeForAbsorbAttempt = 1;  // every drawn interval rounds to 1 ms
    boss.SetAutoAttempts(true);
    boss.Update();
    boss.SetAutoAttempts(false);
  }
  bool HitAt(int x, int y) { return boss.Hit(x, y, 0); }
};
}  // namespace

TEST(Boss, AttemptsWaitForTheGoAndComeAfterTheDrawnInterval) {
  TGameRandom::SetSeed(77);
  BossRig r;
  r.Run(3000);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  EXPECT_EQ(r.finished, 0);

  r.boss.SetAutoAttempts(true);
  const int interval = r.boss.AttemptInterval();
  EXPECT_EQ(interval % 1000, 0);
  EXPECT_GE(interval, 10000);
  EXPECT_LE(interval, 14000);
  const int updates = (interval + 29) / 30;
  r.Run(updates - 1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  r.Run(1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsFrontView);
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  EXPECT_EQ(r.finished, 1);  // the aura of a previous attempt is told to stop

  // 3000 ms of preparing (the starting update counts), 7000 absorbing, 3500 recovering.
  r.Run(98);
  EXPECT_EQ(r.started, 0);
  r.Run(1);
  EXPECT_TRUE(r.boss.IsAbsorbing());
  EXPECT_EQ(r.started, 1);
  r.Run(233);
  EXPECT_TRUE(r.boss.IsAbsorbing());
  r.Run(1);
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apFinishing);
  EXPECT_EQ(r.finished, 2);
  const TPoint standing = r.boss.Position();
  r.Run(116);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsFrontView);
  EXPECT_EQ(r.boss.Position(), standing);
  r.Run(1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);

  // A hit while walking postpones the next attempt by a whole interval.
  const int next = (r.boss.AttemptInterval() + 29) / 30;
  r.Run(next - 1);
  r.boss.Hit(0, 0, 1);
  r.Run(next - 1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  r.Run(1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsFrontView);
}

TEST(Boss, HitsDuringPreparationCancelOneAfterTheLimit) {
  BossRig r;
  r.boss.HitsToCancelAbsorbAttempt = 3;
  r.boss.RefTimeForAbsorbAttempt = 30;
  r.boss.SetAutoAttempts(true);
  r.Run(2);
  ASSERT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(r.boss.Hit(0, 0, 1));
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  EXPECT_TRUE(r.boss.Hit(0, 0, 1));
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apNone);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  EXPECT_EQ(r.boss.CurrentEnergy(), 56);
  EXPECT_EQ(r.started, 0);

  // The next preparation counts afresh.
  r.Run(2);
  ASSERT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  EXPECT_EQ(r.boss.PreparationHits(), 0);
}

TEST(Boss, AnAbsorbingCreatureSwallowsWhatFallsOnItAndLosesNothing) {
  BossRig r;
  r.QuickAttempt();
  r.boss.AbsorbingTime = 3000;
  r.Run(1);
  ASSERT_TRUE(r.boss.IsAbsorbing());
  r.Run(40);  // the sound timer has run out; a hit here would sound
  EXPECT_TRUE(r.HitAt(900, 600));
  EXPECT_FALSE(r.HitAt(700, 600));
  EXPECT_EQ(r.boss.CurrentEnergy(), 60);
  EXPECT_EQ(r.boss.HitAngle(), 0);
  EXPECT_EQ(r.sounds, 0);
}

TEST(Boss, TheHitBoxReachesAFruitToTheLeftAndHasNoFloor) {
  BossRig r;
  r.boss.SetEnergy(1000);
  ASSERT_EQ(r.boss.Position(), (TPoint{855, 499}));
  EXPECT_TRUE(r.HitAt(855 + 15 - 53, 524));
  EXPECT_FALSE(r.HitAt(855 + 15 - 54, 524));
  EXPECT_TRUE(r.HitAt(855 + 242, 524));
  EXPECT_FALSE(r.HitAt(855 + 243, 524));
  EXPECT_FALSE(r.HitAt(900, 499 + 24));
  EXPECT_TRUE(r.HitAt(900, 5000));
  r.boss.FruitAvgSize = 0;
  EXPECT_FALSE(r.HitAt(855 + 14, 524));
  EXPECT_TRUE(r.HitAt(855 + 15, 524));
  EXPECT_EQ(r.boss.CurrentEnergy(), 1000 - 4);
  EXPECT_FALSE(r.boss.Hit(900, 600, 2));  // no such mode

  r.boss.Visible = false;
  EXPECT_FALSE(r.HitAt(900, 600));
  EXPECT_FALSE(r.boss.Hit(0, 0, 1));
  r.Run(10);
  EXPECT_EQ(r.boss.Position(), (TPoint{855, 499}));
}

TEST(Boss, TheLastEnergyKillsOnceEvenWithManyHitsInOneFrame) {
  BossRig r;
  r.boss.SetEnergy(1);
  EXPECT_EQ(r.boss.EnergyOnScale(), 64);
  EXPECT_TRUE(r.HitAt(900, 600));
  EXPECT_FALSE(r.HitAt(900, 600));
  EXPECT_FALSE(r.boss.Hit(0, 0, 1));
  EXPECT_TRUE(r.boss.IsDead());
  EXPECT_EQ(r.dead, 1);
  EXPECT_EQ(r.boss.EnergyOnScale(), 0);

  // A level file's 0 or less still makes a creature that one hit beats.
  for (int bad : {0, -5}) {
    BossRig z;
    z.boss.SetEnergy(bad);
    EXPECT_EQ(z.boss.GetEnergy(), 1);
    EXPECT_EQ(z.boss.EnergyOnScale(), 64);
    EXPECT_TRUE(z.boss.Hit(0, 0, 1));
    EXPECT_EQ(z.dead, 1);
  }

  BossRig s;
  s.boss.SetEnergy(3);
  s.boss.Hit(0, 0, 1);
  s.boss.Hit(0, 0, 1);
  EXPECT_EQ(s.boss.EnergyOnScale(), 21);
  s.boss.SetEnergy(3);  // refills
  EXPECT_EQ(s.boss.CurrentEnergy(), 3);
}

TEST(Boss, HitSoundsAreAtLeastTheDelayApart) {
  BossRig r;
  r.boss.SetEnergy(100);
  r.boss.Hit(0, 0, 1);
  EXPECT_EQ(r.sounds, 0);  // the round has only just begun
  r.Run(34);
  r.boss.Hit(0, 0, 1);
  r.boss.Hit(0, 0, 1);
  EXPECT_EQ(r.sounds, 1);
  r.Run(33);
  r.boss.Hit(0, 0, 1);
  EXPECT_EQ(r.sounds, 1);
  r.Run(1);
  r.boss.Hit(0, 0, 1);
  EXPECT_EQ(r.sounds, 2);
}

TEST(Boss, AHitTiltsPushesAndBouncesTheCreatureForAMoment) {
  BossRig r;
  for (int i = 0; i < 4; ++i) r.boss.Hit(0, 0, 1);
  EXPECT_EQ(r.boss.HitAngle(), 26.0f);
  EXPECT_EQ(r.boss.HitDown(), 20);
  r.Run(1);
  EXPECT_EQ(r.boss.HitDown(), 0);
  EXPECT_NEAR(r.boss.HitAngle(), 24.8f, 1e-4);
  EXPECT_NEAR(r.boss.Bounce(), -1.1f, 1e-4);
  r.Run(3);
  EXPECT_EQ(r.boss.Bounce(), -4.0f);
  r.Run(4);
  EXPECT_EQ(r.boss.Bounce(), 0.0f);
  r.Run(30);
  EXPECT_EQ(r.boss.HitAngle(), 0.0f);
}

TEST(Boss, AerosolHurtsEveryFifthContactAndOnlyWhereTheCreatureIs) {
  BossRig r;
  for (int i = 0; i < 4; ++i) r.boss.AerosolSpray(900, 520, 980, 600);
  EXPECT_EQ(r.boss.CurrentEnergy(), 60);
  r.boss.AerosolSpray(900, 520, 980, 600);
  EXPECT_EQ(r.boss.CurrentEnergy(), 59);
  for (int i = 0; i < 5; ++i) r.boss.AerosolSpray(900, 520, 980, 600);
  EXPECT_EQ(r.boss.CurrentEnergy(), 58);

  // With every contact a hit, the edges of the cloud's left side and height show.
  auto touches = [](BossRig& rig, int l, int t, int b) {
    rig.boss.AerosolCanHitInterval = 1;
    const int before = rig.boss.CurrentEnergy();
    rig.boss.AerosolSpray(l, t, l + 50, b);
    return rig.boss.CurrentEnergy() < before;
  };
  BossRig left;  // at 855, 499 walking left
  EXPECT_TRUE(touches(left, 855, 499, 633));
  EXPECT_TRUE(touches(left, 1037, 499, 633));
  EXPECT_FALSE(touches(left, 854, 499, 633));
  EXPECT_FALSE(touches(left, 1038, 499, 633));
  EXPECT_FALSE(touches(left, 900, 498, 633));
  EXPECT_FALSE(touches(left, 900, 499, 634));

  BossRig right;
  right.Run(630);
  ASSERT_EQ(right.boss.GetDirection(), TBoss::dirRight);  // at 225
  EXPECT_TRUE(touches(right, 310, 499, 633));
  EXPECT_TRUE(touches(right, 484, 499, 633));
  EXPECT_FALSE(touches(right, 309, 499, 633));
  EXPECT_FALSE(touches(right, 485, 499, 633));
  EXPECT_FALSE(touches(right, 400, 499, 634));

  BossRig front;
  front.QuickAttempt();
  ASSERT_EQ(front.boss.GetState(), TBoss::bsFrontView);
  const int x = front.boss.Position().X;
  EXPECT_TRUE(touches(front, x + 57, 499, 634));
  EXPECT_TRUE(touches(front, x + 208, 499, 634));
  EXPECT_FALSE(touches(front, x + 56, 499, 634));
  EXPECT_FALSE(touches(front, x + 209, 499, 634));
  EXPECT_FALSE(touches(front, x + 100, 499, 635));

  // Nothing counts while it absorbs: five more contacts afterwards make the hit.
  BossRig absorbing;
  absorbing.QuickAttempt();
  absorbing.Run(1);
  ASSERT_TRUE(absorbing.boss.IsAbsorbing());
  const int ax = absorbing.boss.Position().X;
  for (int i = 0; i < 50; ++i) absorbing.boss.AerosolSpray(ax + 100, 520, ax + 150, 600);
  EXPECT_EQ(absorbing.boss.CurrentEnergy(), 60);
  absorbing.Run(2);
  ASSERT_EQ(absorbing.boss.GetState(), TBoss::bsFrontView);
  for (int i = 0; i < 4; ++i) absorbing.boss.AerosolSpray(ax + 100, 520, ax + 150, 600);
  EXPECT_EQ(absorbing.boss.CurrentEnergy(), 60);
  absorbing.boss.AerosolSpray(ax + 100, 520, ax + 150, 600);
  EXPECT_EQ(absorbing.boss.CurrentEnergy(), 59);
}

TEST(Boss, WalksItsRangeAndTurnsAfterAnAttemptNearTheEnd) {
  BossRig r;
  r.Run(629);
  EXPECT_EQ(r.boss.Position().X, 226);
  EXPECT_EQ(r.boss.GetDirection(), TBoss::dirLeft);
  r.Run(1);
  EXPECT_EQ(r.boss.Position().X, 225);
  EXPECT_EQ(r.boss.GetDirection(), TBoss::dirRight);
  r.Run(630);
  EXPECT_EQ(r.boss.Position().X, 855);
  EXPECT_EQ(r.boss.GetDirection(), TBoss::dirLeft);

  TCatBoss cat;
  EXPECT_EQ(cat.Position(), (TPoint{880, 499}));
  EXPECT_EQ(cat.MaxLeftPos, 200);

  // Within 140 of the end it walks towards, the creature turns back after an attempt.
  auto directionAfterAttemptAt = [](int x, TBoss::TDirection walking) {
    BossRig rig;
    if (walking == TBoss::dirRight) rig.Run(630);
    while (rig.boss.Position().X != x) rig.Run(1);
    rig.QuickAttempt();
    EXPECT_EQ(rig.boss.Position().X, x);
    rig.Run(5);
    EXPECT_EQ(rig.boss.GetState(), TBoss::bsWalking);
    return rig.boss.GetDirection();
  };
  EXPECT_EQ(directionAfterAttemptAt(300, TBoss::dirLeft), TBoss::dirRight);
  EXPECT_EQ(directionAfterAttemptAt(364, TBoss::dirLeft), TBoss::dirRight);
  EXPECT_EQ(directionAfterAttemptAt(365, TBoss::dirLeft), TBoss::dirLeft);
  EXPECT_EQ(directionAfterAttemptAt(716, TBoss::dirRight), TBoss::dirLeft);
  EXPECT_EQ(directionAfterAttemptAt(715, TBoss::dirRight), TBoss::dirRight);
}

TEST(Boss, ADeadCreatureStaysOnItsMarkUnlessToldToSink) {
  BossRig r;
  r.boss.SetEnergy(1);
  r.boss.Hit(0, 0, 1);
  r.Run(200);
  EXPECT_EQ(r.boss.Position().Y, 499);
  EXPECT_EQ(r.grounded, 0);
  r.boss.Leave();
  r.Run(200);
  EXPECT_EQ(r.boss.Position().Y, 499);
  // The parts have come to rest, the dead sequence stops on its last picture.
  EXPECT_FLOAT_EQ(r.boss.DeadPart(3).Angle, 178);
  EXPECT_FLOAT_EQ(r.boss.DeadPart(4).X, -47);
  EXPECT_FLOAT_EQ(r.boss.DeadPart(5).Y, -67);
  EXPECT_EQ(r.boss.DeadFrame(), 7);
  EXPECT_EQ(r.boss.DeadFade(), 1.0f);
  r.boss.FadeOutDead();
  r.Run(14);
  EXPECT_GT(r.boss.DeadFade(), 0.0f);
  r.Run(1);
  EXPECT_EQ(r.boss.DeadFade(), 0.0f);

  BossRig s;
  s.boss.DeadMoveStep = 3;
  s.boss.FrontDeadGroundPos = 520;
  s.boss.DisappearMoveStep = 25;
  s.boss.Leave();  // alive: ignored
  s.boss.SetEnergy(1);
  s.boss.Hit(0, 0, 1);
  s.Run(7);
  EXPECT_EQ(s.boss.Position().Y, 520);
  EXPECT_EQ(s.grounded, 0);
  s.Run(1);
  EXPECT_EQ(s.grounded, 1);
  s.Run(50);
  EXPECT_EQ(s.grounded, 1);
  EXPECT_EQ(s.boss.Position().Y, 520);
  s.boss.Leave();
  s.Run(8);
  EXPECT_EQ(s.boss.Position().Y, 700);
  s.Run(5);
  EXPECT_EQ(s.boss.Position().Y, 700);

  // The next round's creature stands whole again.
  s.boss.Reset();
  EXPECT_EQ(s.boss.Position().Y, 499);
  EXPECT_EQ(s.boss.DeadFrame(), 4);
  EXPECT_EQ(s.boss.DeadFade(), 1.0f);
  EXPECT_FALSE(s.boss.Leaving());
  EXPECT_EQ(s.boss.DeadPart(3).Angle, 0.0f);
}

TEST(Boss, AResetMidAttemptStartsTheRoundClean) {
  TGameRandom::SetSeed(3);
  BossRig r;
  r.boss.RefTimeForAbsorbAttempt = 300;
  r.boss.SetAutoAttempts(true);
  r.Run(70);  // walked, then half way through preparing
  ASSERT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  r.boss.Hit(0, 0, 1);
  r.Run(1);
  ASSERT_NE(r.boss.Bounce(), 0.0f);
  const int started = r.started, finished = r.finished;

  r.boss.Reset();
  EXPECT_EQ(r.started, started);
  EXPECT_EQ(r.finished, finished);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apNone);
  EXPECT_EQ(r.boss.GetDirection(), TBoss::dirLeft);
  EXPECT_EQ(r.boss.CurrentEnergy(), 60);
  EXPECT_EQ(r.boss.Position(), (TPoint{855, 499}));
  EXPECT_EQ(r.boss.HitAngle(), 0.0f);
  EXPECT_EQ(r.boss.Bounce(), 0.0f);
  EXPECT_EQ(r.boss.PreparationHits(), 0);
  EXPECT_TRUE(r.boss.AutoAttempts());

  // Every timer starts from nothing: the next attempt and its preparation take their full time.
  r.boss.SetAutoAttempts(true);
  const int updates = (r.boss.AttemptInterval() + 29) / 30;
  r.Run(updates - 1);
  EXPECT_EQ(r.boss.GetState(), TBoss::bsWalking);
  r.Run(1 + 98);
  EXPECT_EQ(r.boss.GetAttemptPhase(), TBoss::apPreparing);
  r.Run(1);
  EXPECT_TRUE(r.boss.IsAbsorbing());

  // Nor does a walk cut short carry its attempt timer into the next round.
  BossRig w;
  w.boss.SetAutoAttempts(true);
  const int walk = (w.boss.AttemptInterval() + 29) / 30;
  w.Run(walk - 10);
  w.boss.Reset();
  w.Run(walk - 1);
  EXPECT_EQ(w.boss.GetState(), TBoss::bsWalking);
  w.Run(1);
  EXPECT_EQ(w.boss.GetState(), TBoss::bsFrontView);
}

TEST(Boss, TheWalkNeverShowsAHiddenFrame) {
  BossRig r;
  for (int i = 0; i < 200; ++i) {
    const int f = r.boss.WalkingFrame();
    ASSERT_GE(f, 0);
    ASSERT_LE(f, 7);
    r.Run(1);
  }
}
