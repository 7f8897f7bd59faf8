#include "shell/TBossParts.h"

#include <algorithm>

TBoss& TBossParts::IslandBoss(int island) { return *Bosses[std::clamp(island, 1, BossCount) - 1]; }

void TBossParts::Create(TOmegaImageList& images,
                        const std::function<void(const std::string& name)>& sound) {
  Bosses[0] = std::make_unique<TOwlBoss>();
  Bosses[1] = std::make_unique<TSquirrelBoss>();
  Bosses[2] = std::make_unique<TBeeBoss>();
  Bosses[3] = std::make_unique<TBatBoss>();
  Bosses[4] = std::make_unique<TCatBoss>();
  for (auto& b : Bosses) {
    b->OmgImgList = &images;
    b->Visible = false;
    b->PlaySound = [sound](TBoss&) { sound(TBoss::HitSound); };
  }
  PlaySound = sound;
  MonsterAura = std::make_unique<TMonsterAura>();
  MonsterAura->OmgImgList = &images;
  BossPainter.OmgImgList = &images;
}

void TBossParts::Wire() {
  for (auto& b : Bosses) {
    b->OnStartAbsorbing = [this](TBoss& boss) {
      PlaySound("CreatureAbsorb");
      MonsterAura->Left = boss.Position().X + 46;
      MonsterAura->Top = boss.Position().Y + 55;
      MonsterAura->Start();
    };
    b->OnFinishAbsorbing = [this](TBoss&) { MonsterAura->Stop(); };
  }
}

void TBossParts::ResetForLevel() {
  for (auto& b : Bosses) {
    b->Reset();
    b->SetAutoAttempts(false);
    b->Visible = false;
  }
  MonsterAura->Clear();
  FRoundBoss = nullptr;
}

void TBossParts::ShowRoundBoss(int island, int energy, int refTimeForAbsorbAttempt,
                               int hitsToCancelAbsorbAttempt, int oneAbsorbedTime,
                               int preparingTime, int absorbingTime, int finishingTime) {
  TBoss& b = IslandBoss(island);
  b.SetEnergy(energy);
  b.RefTimeForAbsorbAttempt = refTimeForAbsorbAttempt;
  b.HitsToCancelAbsorbAttempt = hitsToCancelAbsorbAttempt;
  b.OneAbsorbedTime = oneAbsorbedTime;
  b.PreparingTime = preparingTime;
  b.AbsorbingTime = absorbingTime;
  b.FinishingTime = finishingTime;
  b.Reset();
  b.SetAutoAttempts(false);
  b.Visible = true;
  FRoundBoss = &b;
}

void TBossParts::UpdateAndDrawBosses() {
  for (auto& b : Bosses) {
    if (!b->Visible) continue;
    b->Update();
    BossPainter.DrawBoss(*b);
  }
  if (MonsterAura->Visible) MonsterAura->Update();
  BossPainter.DrawAura(*MonsterAura);
  for (auto& b : Bosses) BossPainter.DrawEnergyBar(*b);
}
