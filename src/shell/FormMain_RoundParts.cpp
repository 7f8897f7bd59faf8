// The level's panels and counters (gathering, timer tube, energy, score, combos), the
// stage-result window, and what the shell does with their events.
#include <cstdio>

#include "levels/TScoreRules.h"
#include "levels/TToolUnlocks.h"
#include "shell/TFormMain.h"

namespace {
// Amounts are fractional (a cherry pays 1.4): one decimal is what a trace reader needs.
std::string TraceAmount(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(v));
  return text;
}
}  // namespace

void TFormMain::WireRoundComponents() {
  LevelParams->OnLoadError = [this](TLevelParams&, const std::string& message) {
    Trace("error", message);
    Services.MessageBoxes->Show(Caption, message, TMessageButtons::Ok, true);
  };

  // Gathering: every slot finished wins the round.
  ElementGather->OnComplete = [this](TElementGather&) {
    if (GameObjective == goNormalMode) WinRound();
  };
  TubeTimer->OnTimeUp = [this](TTubeTimer&) { LoseRound(); };
  TubeTimer->OnAlmostTimeUp = [this](TTubeTimer&) {
    GameComments->ShowComment(TGameCommentType::coTimeRunningOut);
  };

  // Energy unlocks the tools threshold by threshold, and spending takes them away again.
  MannaEnergy->OnEnergyFactorReached = [this](TMannaEnergy&, std::uint8_t level) {
    EnergyFactorReached(level);
  };
  MannaEnergy->OnBelowEnergyFactor = [this](TMannaEnergy&, std::uint8_t level) {
    for (int n = level; n <= TMannaEnergy::FactorCount; ++n)
      if (TCollectorBombTool* t = Tool(TToolUnlocks::OfThreshold(n))) t->SetEnabled(false);
  };

  // Combos carried to the flask pay their bonus while the round is played.
  CombosConveyer->OnAComboArrives = [this](TCombosConveyer&, std::uint8_t count) {
    if (!RoundInProgress) return;
    TScoreRules::TComboBonus bonus = TScoreRules::ComboBonus(count);
    for (int i = 0; i < bonus.EnergyUnits; ++i) MannaEnergy->AddOne();
    AddBonusPoints(bonus.Score);
    EnergyBonusPattern = bonus.BonusTextPattern;
    EnergyBonusPopper.Pop(122, 639);
    PlayEffect("BonusEnergy");
  };

  // The announcement: its hiding starts the level.
  // A tutorial page for the level comes first; its end says Go instead.
  ObjectiveInfo->OnStartHiding = [this](TObjectiveInfo&) {
    if (!Tutorial->HasNew(BuySlots->IslandIdx, BuySlots->LevelIdx, GameObjective))
      GameComments->ShowComment(TGameCommentType::coGo);
  };
  ObjectiveInfo->OnHidingComplete = [this](TObjectiveInfo&) {
    if (!ShowLevelTutorial()) ObjectiveShown();
  };

  // Comments that hand over to the next step of the round.
  GameComments->OnWavingFinished = [this](TGameComment&, TGameCommentType type) {
    if (type == TGameCommentType::coGo) {
      GlobalShine->MakeDue();
      // Play has begun: the creature may try to absorb from now on.
      if (TBoss* boss = RoundBoss()) boss->SetAutoAttempts(true);
    } else if (type == TGameCommentType::coGameRoundClear ||
               type == TGameCommentType::coBossVictory) {
      // The board flies off once the comment has been read.
      Spiders->SendAllAway();
      for (TCarriedTool* t : CarriedTools()) t->PutBack();
      GameBoard->CanDraw = false;
      BoardBorder->Vanish();
      LockersAway->UniFruitColorIndex = GameBoard->UniColorIndex();
      LockersAway->Start(GameBoard->BoardData());
    }
  };

  // The stage result.
  StageResultWindow->OnShowingComplete = [this](TGameMenuWindow&) { StageResultShown(); };
  StageResultWindow->OnHidingComplete = [this](TGameMenuWindow&) { LeaveStageResult(); };
  StageResultOKButton->OnClick = [this](TGameButton&) { StageResultWindow->Hide(); };
  PigeonScoring->OnSparkleRequest = [this](TPigeonScoring&, int x, int y) {
    ScoringDust->Emit(static_cast<float>(x), static_cast<float>(y));
  };
}

void TFormMain::EnergyFactorReached(int level) {
  for (int n = 1; n <= level; ++n)
    if (TCollectorBombTool* t = Tool(TToolUnlocks::OfThreshold(n))) t->SetEnabled(true);
  TCollectorBombTool* tool = Tool(TToolUnlocks::OfThreshold(level));
  if (!tool || !tool->Available) return;
  ToolTipEnergyFactor(level);
  ShuffleButtonShine->Start();
  PlayEffect(level <= 2 ? "MannaNotify1" : level <= 4 ? "MannaNotify2" : "MannaNotify3");
}

void TFormMain::DrawEnergyBonusPopup() {
  if (!EnergyBonusPopper.Running()) return;
  EnergyBonusPopper.Update();
  const float r = EnergyBonusPopper.Ratio();
  OmegaImageList1.DrawImage("EnergyBonusText", EnergyBonusPopper.X(), EnergyBonusPopper.Y(),
                            EnergyBonusPattern,
                            {.A = static_cast<std::uint8_t>(EnergyBonusPopper.Alpha()), .ScaleX = r,
                             .ScaleY = r, .CenterX = 0.5f, .CenterY = 0.5f});
}

void TFormMain::CollectArrived(TElementKind kind, std::uint8_t index) {
  if (!RoundInProgress) return;
  ElementGather->Collect(kind, index);
  Trace("collect", std::to_string(static_cast<int>(kind)) + " " + std::to_string(index));
}

void TFormMain::CollectPotion(int index) {
  if (!RoundInProgress) return;
  ElementGather->Collect(elPotion, static_cast<std::uint8_t>(index));
  Trace("collect", std::to_string(static_cast<int>(elPotion)) + " " + std::to_string(index));
}

void TFormMain::AskTryAgain() {
  AskConfirmation(GameObjective == goBossMode ? ckTryFightAgain : ckTryAgain, pbYes, nbNo);
}

bool TFormMain::GoldTileUpgradeOwned() const { return BuySlots->HasUpgradedGoldTiles(); }

void TFormMain::ChargeLevelIngredients() {
  // A round that is not won keeps nothing it gathered: the shop takes it back out of the
  // purse, and the trace says how much (island, level, then the five kinds).
  std::string taken = std::to_string(BuySlots->IslandIdx) + " " + std::to_string(BuySlots->LevelIdx);
  for (float v : BuySlots->RoundGains().Amount) taken += " " + TraceAmount(v);
  BuySlots->TakeBackRoundGains();
  Trace("charge", taken);
}
