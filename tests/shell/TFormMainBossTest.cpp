// A boss round as the main window runs it: the creature waits for the go, drains the tube at
// its aura's peak, holds still through a pause, starts clean on a restart, and its death
// wins the round once.
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <climits>

#include "shell/RoundRig.h"

namespace {
void Click(TGameButton& b) { b.OnClick(b); }

TBoss& Owl(RoundRig& r) { return r.form->IslandBoss(1); }

// Frames until the creature of the round is in the given state, at most `limit`.
bool RunToState(RoundRig& r, TBoss::TBossState state, int limit = 400) {
  for (int i = 0; i < limit && Owl(r).GetState() != state; ++i) r.form->OmegaTimer1Timer();
  return Owl(r).GetState() == state;
}

// What the window asks for every element that drops past the creature.
bool Drop(RoundRig& r, TPoint at, bool& absorbing) {
  bool hitting = false;
  absorbing = false;
  r.form->FallingElements->OnMonsterHitCheck(*r.form->FallingElements, at, hitting, absorbing);
  return hitting;
}

// Frames until the go comment has gone and the creature may try to absorb.
bool RunToGo(RoundRig& r) {
  for (int i = 0; i < 400 && !Owl(r).AutoAttempts(); ++i) r.form->OmegaTimer1Timer();
  return Owl(r).AutoAttempts();
}

TPoint OnTheCreature(RoundRig& r) { return {Owl(r).Position().X + 100, Owl(r).Position().Y + 60}; }
}  // namespace

TEST(FormMainBoss, OnlyTheIslandsCreatureShowsAndOnlyInABossRound) {
  RoundRig r;
  r.Play(1, 3);
  EXPECT_EQ(r.form->RoundBoss(), nullptr);
  for (auto& b : r.form->Bosses) EXPECT_FALSE(b->Visible);
  bool absorbing = false;
  EXPECT_FALSE(Drop(r, {500, 600}, absorbing)) << "nothing to hit in a gathering level";

  r.Play(1, 12);
  ASSERT_EQ(r.form->RoundBoss(), &Owl(r));
  for (int i = 2; i <= 5; ++i) EXPECT_FALSE(r.form->IslandBoss(i).Visible);
  EXPECT_TRUE(Owl(r).Visible);
  EXPECT_EQ(Owl(r).GetEnergy(), 30) << "the level's values";
  EXPECT_EQ(Owl(r).OneAbsorbedTime, 20);
}

TEST(FormMainBoss, TheAerosolHasTheCreatureToSprayWithoutAnySpider) {
  RoundRig r;
  auto anything = [&] {
    bool exist = false;
    r.form->Aerosol->OnEnemiesExistQuestion(*r.form->Aerosol, exist);
    return exist;
  };
  r.Play(1, 3);
  ASSERT_FALSE(r.form->Spiders->AnyOnBoard());
  EXPECT_FALSE(anything());
  r.Play(1, 12);
  ASSERT_FALSE(r.form->Spiders->AnyOnBoard());
  EXPECT_TRUE(anything());
}

TEST(FormMainBoss, NoAttemptBeforeTheGoThenTheAuraPeakDrainsTheTubeOnce) {
  RoundRig r(300);
  ASSERT_TRUE(r.form->EnterLevelDirectly(1, 12, false));
  // The announcement and the tube's fill take far longer than one attempt interval.
  ASSERT_TRUE(r.RunTo(gsMainGame, 600));
  EXPECT_EQ(r.Count("boss absorbing"), 0);
  EXPECT_EQ(r.Count("drain"), 0);
  EXPECT_FALSE(Owl(r).AutoAttempts());
  ASSERT_TRUE(RunToGo(r));
  EXPECT_EQ(r.Count("boss absorbing"), 0);

  const int before = r.form->TubeTimer->ElapsedSeconds();
  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  r.Frames(20);  // the aura peaks 15 updates in
  EXPECT_EQ(r.Count("drain 20"), 1);
  r.Frames(40);  // the drain runs into the tube
  EXPECT_GE(r.form->TubeTimer->ElapsedSeconds(), before + 20);
  EXPECT_TRUE(r.form->AbsorbedEnergy->Emitting() || r.form->AbsorbedEnergy->ActiveCount() > 0);
  ASSERT_TRUE(RunToState(r, TBoss::bsWalking));
  EXPECT_EQ(r.Count("drain"), 1) << "one absorption, one drain";
}

TEST(FormMainBoss, TheDrainNeverTakesTheTubePastItsLimit) {
  RoundRig r(60);  // three drains empty it
  r.Play(1, 12);
  ASSERT_TRUE(RunToGo(r));
  int most = 0;
  for (int i = 0; i < 1500 && r.form->Scene() != gsTimeUp; ++i) {
    r.form->OmegaTimer1Timer();
    most = std::max(most, r.form->TubeTimer->ElapsedSeconds());
  }
  ASSERT_EQ(r.form->Scene(), gsTimeUp);
  EXPECT_GE(r.Count("drain"), 2);
  EXPECT_EQ(most, 60);
  EXPECT_EQ(r.form->TubeTimer->ElapsedSeconds(), 60);
  EXPECT_EQ(r.Count("lost"), 1);
  EXPECT_FALSE(Owl(r).AutoAttempts()) << "a lost round tries no more";
  const int drains = r.Count("drain");
  r.Frames(300);
  EXPECT_EQ(r.Count("drain"), drains);
}

TEST(FormMainBoss, APauseHoldsTheCreatureAndItsAuraAndPlayGoesOn) {
  RoundRig r;
  r.Play(1, 12);
  ASSERT_TRUE(RunToGo(r));
  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  r.Frames(5);  // the aura is growing
  const TPoint at = Owl(r).Position();
  const float size = r.form->MonsterAura->BubbleSize();
  const int drains = r.Count("drain");
  r.form->OpenInGameMenu();
  r.Frames(100);
  EXPECT_FALSE(Owl(r).Visible);
  EXPECT_EQ(Owl(r).GetState(), TBoss::bsAbsorbing) << "held, not finished, while paused";
  EXPECT_EQ(r.form->MonsterAura->BubbleSize(), size);
  EXPECT_EQ(r.Count("drain"), drains);
  Click(*r.form->InGameResumeButton);
  ASSERT_TRUE(r.RunTo(gsMainGame, 100));
  EXPECT_TRUE(Owl(r).Visible);
  EXPECT_EQ(Owl(r).Position().X, at.X);
  r.Frames(20);
  EXPECT_EQ(r.Count("drain 20"), drains + 1) << "the aura goes on to its peak";
  ASSERT_TRUE(RunToState(r, TBoss::bsWalking));
  const int x = Owl(r).Position().X;
  r.Frames(10);
  EXPECT_NE(Owl(r).Position().X, x) << "walking again";
}

TEST(FormMainBoss, ARestartInTheMiddleOfAnAttemptStartsClean) {
  RoundRig r;
  r.Play(1, 12);
  ASSERT_TRUE(RunToGo(r));
  bool absorbing = false;
  ASSERT_TRUE(Drop(r, OnTheCreature(r), absorbing));
  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  r.Frames(5);
  const int drains = r.Count("drain");
  r.form->OpenInGameMenu();
  r.Frames(20);
  Click(*r.form->InGameRestartButton);
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 200));
  EXPECT_EQ(Owl(r).GetState(), TBoss::bsWalking);
  EXPECT_EQ(Owl(r).GetAttemptPhase(), TBoss::apNone);
  EXPECT_EQ(Owl(r).CurrentEnergy(), 30);
  EXPECT_GT(Owl(r).Position().X, Owl(r).MaxRightPos - 30) << "back at the right end";
  EXPECT_FALSE(Owl(r).AutoAttempts());
  EXPECT_EQ(r.form->MonsterAura->State(), TMonsterAura::asOff);
  EXPECT_TRUE(Owl(r).Visible);
  ASSERT_TRUE(r.RunTo(gsMainGame, 600));
  r.Frames(30);
  EXPECT_EQ(r.Count("drain"), drains) << "the first round's aura drains nothing after the restart";
}

TEST(FormMainBoss, WhatFallsOnTheCreatureHitsItAndItsDeathWinsOnce) {
  RoundRig r;
  r.Play(1, 12);
  ASSERT_TRUE(RunToGo(r));
  bool absorbing = true;
  EXPECT_FALSE(Drop(r, {Owl(r).Position().X + 100, Owl(r).Position().Y}, absorbing))
      << "above its head";
  ASSERT_TRUE(Drop(r, OnTheCreature(r), absorbing));
  EXPECT_FALSE(absorbing);
  EXPECT_EQ(Owl(r).CurrentEnergy(), 29);

  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  ASSERT_TRUE(Drop(r, OnTheCreature(r), absorbing));
  EXPECT_TRUE(absorbing) << "an absorbing creature swallows it";
  EXPECT_EQ(Owl(r).CurrentEnergy(), 29);
  ASSERT_TRUE(RunToState(r, TBoss::bsWalking));

  // The last hits and a gathering completion in one frame: one round clear.
  const int drains = r.Count("drain");
  for (int i = 0; i < 28; ++i) Drop(r, OnTheCreature(r), absorbing);
  ASSERT_EQ(Owl(r).CurrentEnergy(), 1);
  Drop(r, OnTheCreature(r), absorbing);
  Drop(r, OnTheCreature(r), absorbing);
  r.form->ElementGather->OnComplete(*r.form->ElementGather);
  EXPECT_TRUE(Owl(r).IsDead());
  EXPECT_EQ(r.Count("boss dead"), 1);
  EXPECT_EQ(r.Count("won"), 1);
  EXPECT_EQ(r.form->Scene(), gsRoundClear);
  EXPECT_EQ(r.form->BuySlots->NextUncompletedIslandIdx, 2) << "a creature beaten opens the next island";
  EXPECT_EQ(r.form->BuySlots->NextUncompletedLevelIdx, 1);
  r.Frames(400);
  EXPECT_EQ(r.Count("won"), 1);
  EXPECT_EQ(r.Count("drain"), drains);
}

TEST(FormMainBoss, TheCheatKeyBeatsEvenAStrongCreature) {
  RoundRig r;
  r.form->CheatMode = true;
  r.Play(1, 12);
  Owl(r).SetEnergy(250);
  TPlatformEvent key;
  key.Kind = TPlatformEventKind::KeyDown;
  key.Key = SDLK_F2;
  r.form->HandleEvent(key);
  EXPECT_TRUE(Owl(r).IsDead());
  EXPECT_EQ(r.Count("won"), 1);
}

TEST(FormMainBoss, TheCheatKeyStopsWhereItsHitsNoLongerTell) {
  RoundRig r;
  r.form->CheatMode = true;
  r.Play(1, 12);
  TPlatformEvent key;
  key.Kind = TPlatformEventKind::KeyDown;
  key.Key = SDLK_F2;
  // An absurd energy from a level file costs a million hits a press, not the game's time.
  Owl(r).SetEnergy(INT_MAX);
  r.form->HandleEvent(key);
  EXPECT_FALSE(Owl(r).IsDead());
  EXPECT_EQ(Owl(r).CurrentEnergy(), INT_MAX - 1000000);
  // Absorbing, the creature takes no energy from a hit: the cheat leaves it be.
  Owl(r).SetEnergy(500);
  ASSERT_TRUE(RunToGo(r));
  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  r.form->HandleEvent(key);
  EXPECT_EQ(Owl(r).CurrentEnergy(), 500);
  EXPECT_EQ(r.Count("won"), 0);
}

TEST(FormMainBoss, InRelaxedPlayTheAuraPeaksButDrainsNothing) {
  RoundRig r;
  ASSERT_TRUE(r.form->EnterLevelDirectly(1, 12, true));
  ASSERT_TRUE(r.RunTo(gsMainGame, 600));
  ASSERT_TRUE(RunToGo(r));
  ASSERT_TRUE(RunToState(r, TBoss::bsAbsorbing));
  const int before = r.form->TubeTimer->ElapsedMs();
  r.Frames(20);  // past the aura's peak
  EXPECT_EQ(r.Count("boss absorbing"), 1);
  EXPECT_EQ(r.Count("drain"), 0) << "nothing left the tube";
  EXPECT_FALSE(r.form->TubeTimer->Draining());
  EXPECT_EQ(r.form->TubeTimer->ElapsedMs(), before + 20 * TickMilliseconds);
  EXPECT_FALSE(r.form->AbsorbedEnergy->Emitting());
  EXPECT_EQ(r.form->AbsorbedEnergy->ActiveCount(), 0);
}

TEST(FormMainBoss, NoRocketIsHeardWhereTheSystemLeavesTheConfettiOut) {
  for (bool newer : {false, true}) {
    RoundRig r(300, newer);
    r.Play(1, 12);
    r.GiveSounds({"Fireworks"});
    // A creature that falls to the ground when it dies (ours stays where it stands).
    Owl(r).OnDeadGrounded(Owl(r));
    EXPECT_EQ(r.Heard("Fireworks"), newer ? 0 : 1) << (newer ? "newer" : "older") << " system";
    EXPECT_EQ(r.form->Fireworks->Active(), !newer);
  }
}

TEST(FormMainBoss, WhatStillFallsAfterTheTimeIsUpPassesTheCreature) {
  RoundRig r;
  r.Play(1, 12);
  ASSERT_TRUE(RunToGo(r));
  bool absorbing = false;
  ASSERT_TRUE(Drop(r, OnTheCreature(r), absorbing));
  r.form->TubeTimer->OnTimeUp(*r.form->TubeTimer);
  ASSERT_EQ(r.form->Scene(), gsTimeUp);
  // The elements of the last match are still in the air: the lost round stays lost, and
  // the creature is not seen beaten in it.
  for (int i = 0; i < 40; ++i) EXPECT_FALSE(Drop(r, OnTheCreature(r), absorbing));
  EXPECT_EQ(Owl(r).CurrentEnergy(), 29);
  EXPECT_FALSE(Owl(r).IsDead());
  EXPECT_EQ(r.Count("boss dead"), 0);
  EXPECT_EQ(r.Count("won"), 0);
}

TEST(FormMainBoss, ALostFightAsksToFightAgainAndAGatheringRoundKeepsItsQuestion) {
  auto lostQuestion = [](RoundRig& r, int level) {
    r.Play(1, level);
    r.form->TubeTimer->OnTimeUp(*r.form->TubeTimer);
    EXPECT_TRUE(r.RunTo(gsConfirmWindow, 400));
    return r.form->ConfirmWindow->Kind();
  };
  RoundRig r;
  EXPECT_EQ(lostQuestion(r, 3), ckTryAgain);
  const std::vector<std::string> gathering = r.form->ConfirmWindow->Descriptions();
  Click(r.form->ConfirmWindow->NegativeButton());
  ASSERT_TRUE(r.RunTo(gsMenu, 300));

  EXPECT_EQ(lostQuestion(r, 12), ckTryFightAgain);
  EXPECT_EQ(r.Count("confirm 10"), 1);
  EXPECT_FALSE(r.form->ConfirmWindow->Descriptions().empty());
  EXPECT_NE(r.form->ConfirmWindow->Descriptions(), gathering) << "not the order's question";
  // Yes fights the same creature again.
  Click(r.form->ConfirmWindow->PositiveButton());
  ASSERT_TRUE(r.RunTo(gsObjectiveInfo, 300));
  EXPECT_EQ(r.Count("level 1 12"), 2);
  EXPECT_EQ(r.form->RoundBoss(), &Owl(r));
}
