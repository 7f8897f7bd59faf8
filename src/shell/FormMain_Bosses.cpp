// The creature of a boss round, as the game uses it: what drops off the board hits it, the
// aerosol stings it, its aura drains the tube, and its death wins the round.
#include "shell/TFormMain.h"

void TFormMain::WireBosses() {
  for (auto& b : Bosses) {
    b->OnDead = [this](TBoss&) {
      Trace("boss", "dead");
      PlayEffect("CreatureDefeated");
      if (GameObjective == goBossMode) WinRound();
    };
    b->OnDeadGrounded = [this](TBoss&) { LaunchFireworks(); };
  }
  for (auto& b : Bosses) {
    auto own = b->OnStartAbsorbing;
    b->OnStartAbsorbing = [this, own](TBoss& boss) {
      own(boss);
      Trace("boss", "absorbing");
    };
  }
  MonsterAura->OnAuraPeak = [this](TMonsterAura&) {
    TBoss* boss = RoundBoss();
    // A round that has ended keeps its time.
    if (!boss || RoundOver) return;
    // Relaxed play keeps its time: the aura peaks, but nothing leaves the tube.
    if (!TubeTimer->Drain(boss->OneAbsorbedTime)) return;
    AbsorbedEnergy->StartFromTube(*TubeTimer, boss->Position());
    Trace("drain", std::to_string(boss->OneAbsorbedTime));
  };

  // The aerosol stings the creature as well as the spiders.
  auto spray = Aerosol->OnSpraySizeChange;
  Aerosol->OnSpraySizeChange = [this, spray](TAerosol& aerosol, TSprayRect r) {
    if (spray) spray(aerosol, r);
    if (TBoss* boss = RoundBoss(); boss && GameObjective == goBossMode && !RoundOver)
      boss->AerosolSpray(r.Left, r.Top, r.Right, r.Bottom);
  };
  // So a living creature is something to spray: without spiders the aerosol would be refused.
  auto enemies = Aerosol->OnEnemiesExistQuestion;
  Aerosol->OnEnemiesExistQuestion = [this, enemies](TAerosol& aerosol, bool& exist) {
    if (enemies) enemies(aerosol, exist);
    if (TBoss* boss = RoundBoss();
        boss && GameObjective == goBossMode && !RoundOver && !boss->IsDead())
      exist = true;
  };
}

void TFormMain::CheckMonsterHit(TPoint pos, bool& hitting, bool& absorbing) {
  hitting = false;
  absorbing = false;
  TBoss* boss = RoundBoss();
  // What is still falling when the time is up passes by: a lost round shows no beaten creature.
  if (!boss || GameObjective != goBossMode || RoundOver || !boss->Hit(pos.X, pos.Y, 0)) return;
  hitting = true;
  absorbing = boss->IsAbsorbing();
  Stars->StarsAtPoint(pos.X, pos.Y);
}
