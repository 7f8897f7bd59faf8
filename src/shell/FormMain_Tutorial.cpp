// The tutorial over the levels and the hub: its pages after the level card, the pointing
// tips that game events bring, and the pause they hold on the level while they are open.
#include "shell/TFormMain.h"

void TFormMain::WireTutorial() {
  Tutorial->OnStart = [this](TWynnetTutorial&, int entry) {
    Trace("tutorial", std::to_string(entry));
  };
  Tutorial->OnFinish = [this](TWynnetTutorial&) { TutorialFinished(); };
  TutorialOKButton->OnClick = [this](TGameButton&) { StopTutorial(); };

  ToolTip->OnPointingPosRequest = [this](TTutorialToolTip&, int entry, TPoint& point) {
    point = ToolTipPoint(entry, point);
  };
  ToolTip->OnButtonPosChange = [this](TTutorialToolTip&, int x, int y) {
    ToolTipOKButton->SetPosition(x, y);
  };
  ToolTip->OnSpecificToolTipIdxEvent = [this](TTutorialToolTip&, int entry) {
    Trace("tutorial", "tip " + std::to_string(entry));
  };
  ToolTip->OnStart = [this](TTutorialToolTip&) { ToolTipStarted(); };
  ToolTip->OnFinish = [this](TTutorialToolTip&) { ToolTipFinished(); };
  ToolTipOKButton->OnClick = [this](TGameButton&) { CloseToolTip(); };

  Pocket->OnStarArrived = [this](TWynnetPocket&) { PocketStarTip(); };
}

void TFormMain::PocketStarTip() {
  // The star says a dish can be bought: on the first island the tip says so once, in the hub
  // or in play (a star that arrived under the level's card waits for play to begin).
  if (BuySlots->IslandIdx != 1 || BuySlots->LevelIdx < 2 || ToolTip->IsOpen()) return;
  if (Pocket->StarState() != TWynnetPocket::ssArrived) return;
  if (Scene() == gsStickerBook || (Scene() == gsMainGame && LevelPlayable())) ToolTip->Signal(0);
}

bool TFormMain::LevelPlayable() const { return RoundInProgress && !RoundOver && !GamePaused; }

bool TFormMain::ShowLevelTutorial() {
  const int island = BuySlots->IslandIdx, level = BuySlots->LevelIdx;
  if (!Tutorial->HasNew(island, level, GameObjective)) return false;
  SetScene(gsTutorial);
  TutorialCharacter->Visible = true;
  TutorialOKButton->Visible = true;
  Tutorial->Show(island, level, GameObjective);
  return true;
}

void TFormMain::TutorialFinished() {
  TutorialCharacter->Visible = false;
  TutorialOKButton->Visible = false;
  if (Scene() == gsTutorial) {
    // The level begins now, as it would have after its card.
    GameComments->ShowComment(TGameCommentType::coGo);
    ObjectiveShown();
  } else if (Scene() == gsStickerBook) {
    ToolTip->SignalAfterTutorial(0);
  }
}

void TFormMain::StopTutorial() {
  if (VoicePlayer) VoicePlayer->StopAll();
  Tutorial->Close();
}

void TFormMain::ToolTipStarted() {
  ToolTipOpen = true;
  if (Scene() == gsMainGame) {
    GameBoard->Frozen = true;
    Spiders->Frozen = true;
    GameBoard->CanMatch = false;
    // A press held on the board would swap tiles after the tip.
    GameBoard->SetMouseHeld(false);
    SetScene(gsTutorialToolTip);
  }
  UpdateTubeClock();
  ToolTipOKButton->Visible = true;
}

void TFormMain::ToolTipFinished() {
  ToolTipOpen = false;
  ToolTipOKButton->Visible = false;
  if (Scene() == gsTutorialToolTip) {
    SetScene(gsMainGame);
    // A round that ended under the tip keeps what its end decided.
    if (!RoundOver) {
      GameBoard->Frozen = false;
      Spiders->Frozen = false;
      GameBoard->CanMatch = true;
      GameBoard->CheckNoMoreMoves();
    }
  }
  UpdateTubeClock();
}

void TFormMain::CloseToolTip() { ToolTip->Close(); }

void TFormMain::CountTutorialStep() {
  if (Scene() == gsMainGame && LevelPlayable()) ToolTip->CountStep();
}

TPoint TFormMain::TileCentre(TPoint tile) const {
  const TPoint p = GameBoard->TileScreenPos(tile);
  return {p.X + BoardTileSize / 2, p.Y + BoardTileSize / 2};
}

void TFormMain::PointToolTipAtWeb(TPoint tile) {
  ToolTip->SetPointingPos(4, TileCentre(tile));
  if (Scene() == gsMainGame && LevelPlayable()) ToolTip->Signal(4);
}

void TFormMain::PointToolTipAtSpider(TPoint tile) {
  ToolTip->SetPointingPos(3, TileCentre(tile));
  if (Scene() == gsMainGame && LevelPlayable()) ToolTip->Signal(3);
}

void TFormMain::ToolTipEnergyFactor(int level) {
  // The first two marks of the flask on island 1 level 4 wake the hammer and the bomb.
  if (BuySlots->IslandIdx != 1 || BuySlots->LevelIdx != 4 || level < 1 || level > 2) return;
  if (Scene() == gsMainGame && LevelPlayable()) ToolTip->Signal(level);
}

TPoint TFormMain::ToolTipPoint(int entry, TPoint kept) const {
  switch (entry) {
    case 3: {
      // The first counter of the gathering panel.
      const TPoint slot = ElementGather->ShownSlotOrigin(0, ElementGather->PanelY());
      return {slot.X + 40, ElementGather->PanelY() + 70};
    }
    case 6: {
      // The star's side toward the panel: the panel then sits beside the pocket, whose
      // counters the text talks about, and not over them (the pocket is on the left in the
      // hub and on the right in a level).
      const TPoint star = Pocket->StarPlace();
      const int w = OmegaImageList1.TileWidthOf("ElementsPanelStar");
      const int h = OmegaImageList1.TileHeightOf("ElementsPanelStar");
      return {star.X <= TTutorialToolTip::LeftHalfTo ? star.X + w : star.X, star.Y + h / 2};
    }
    case 13: return {MannaEnergy->Left + 58, MannaEnergy->Top + 20};
    case 25: return {BuySlots->Left + 110, BuySlots->Top + 10};
    default: return kept;
  }
}

void TFormMain::DrawTutorialLayer() {
  Tutorial->Draw();
  if (TutorialOKButton->Visible) TutorialOKButton->Draw();
  ToolTip->Draw();
  if (ToolTipOKButton->Visible) ToolTipOKButton->Draw();
  if (Scene() != gsStageResult) TutorialCharacter->UpdateAndDraw();
}
