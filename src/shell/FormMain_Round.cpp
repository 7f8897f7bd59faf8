// A level's counters and the moments at which the round flow takes over from the board.
#include "shell/TFormMain.h"

int TFormMain::CurrentIslandIdx() const { return IslandIdx; }

bool TFormMain::IsStillNeeded(TIndividualElementKind) const { return false; }

void TFormMain::CreditOwned(TElementKind kind, float amount) { RoundGains[kind] += amount; }

void TFormMain::AddPoints(int points) { LevelScore += points; }

void TFormMain::CountEnergyElement() {}

void TFormMain::SpendToolEnergy(TNewToolKind) {}

TPoint TFormMain::GatherSlotPosition(TIndividualElementKind) const { return {1250, 100}; }

void TFormMain::CollectArrived(TElementKind, std::uint8_t) {}

void TFormMain::CollectPotion(int) {}

void TFormMain::ShowBookFoundComment(int) {}

void TFormMain::CheckCombos(const TBoardData&, const TSimpleObjectArray&) {}

void TFormMain::CountTutorialStep() {}

void TFormMain::LevelFillFinished() {}

void TFormMain::AskTryAgain() {}

void TFormMain::ShowStageResult() {}

void TFormMain::ShowNoMoreMovesComment() {}

void TFormMain::PointToolTipAtWeb(TPoint) {}

void TFormMain::PointToolTipAtSpider(TPoint) {}

void TFormMain::CheckMonsterHit(TPoint, bool& hitting, bool& absorbing) {
  hitting = false;
  absorbing = false;
}

bool TFormMain::GoldTileUpgradeOwned() const { return false; }

void TFormMain::DrawMainGame() {
  OmegaImageList1.DrawImage("GameBG" + std::to_string(BackgroundIdx), 0, 0, 0);
  if (BackgroundIdx == 4 && !IsWindows8OrLater) Snow->UpdateAndDraw(3, 1);
  DrawBoard();
  DrawBoardEffects();
  OmegaImageList1.DrawImage("LeftPanel", static_cast<float>(LeftPanelPos.X - 4),
                            static_cast<float>(LeftPanelPos.Y - 4), 0);
  OmegaImageList1.DrawImage("TopPanel", 2, 0, 0);
  DrawBoardOverlays();
  DrawTools();
  ScreenDust->UpdateAndDraw();
}
