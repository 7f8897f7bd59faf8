// A level from the menu's Play to its result: the way to the map, the level's start in
// its fixed order, winning and losing, the stage result, and the level screen's frame.
#include <algorithm>
#include <cmath>

#include "levels/TScoreRules.h"
#include "levels/TToolUnlocks.h"
#include "shell/TFormMain.h"

void TFormMain::PlayFromMenu() {
  NoticeTarget = 0;
  TubeTimer->RelaxedMode = rmNo;
  if (CurrentSave.RelaxedMode == rmNotInitialized) {
    AskConfirmation(ckRelaxedMode, pbYes, nbNo);
    return;
  }
  TubeTimer->RelaxedMode = CurrentSave.RelaxedMode;
  // A finished game starts over from its first island.
  ApplyPendingStickers();
  if (GameComplete())
    StartNewGame();
  else
    GoToMap();
}

void TFormMain::GoToMap() {
  GoingToMap = true;
  MapIslands->SelectUpTo(BuySlots->IslandIdx);
  SwitchScene(gsMap);
}

void TFormMain::StartLevel() {
  // The file first: a missing one keeps the previous level's record (the message has been
  // shown), but with no level read yet there is nothing to play.
  if (!LevelParams->LoadLevel(BuySlots->IslandIdx, BuySlots->LevelIdx) && !LevelRecordLoaded) {
    if (Scene() != gsMap) SwitchScene(gsMap);
    return;
  }
  LevelRecordLoaded = true;

  // 1. Everything of the previous level goes.
  SceneTransition->Cancel();
  ScreenDarkener->Hide();
  ScreenDust->Reset();
  TRoundParts::ResetForLevel();
  TBoardParts::ResetForLevel();
  TDecorParts::ResetForLevel(BuySlots->IslandIdx);
  TBossParts::ResetForLevel();
  TStoryParts::ResetForLevel();
  GamePaused = false;
  ApplyPause();
  WasPaused = false;
  BuySlots->ClearRoundGains();
  RoundInProgress = true;

  // 3. The level file, applied in its order.
  LevelSetup = LevelParams->Setup(GoldTileUpgradeOwned(), BuySlots->HasSecondPotion());
  Trace("level", std::to_string(BuySlots->IslandIdx) + " " + std::to_string(BuySlots->LevelIdx) + " " +
                     LevelParams->LoadedFileName());
  ApplyLevelSetup();
  TubeTimer->GameObjective = GameObjective;
  if (GameObjective == goBossMode) {
    const TLevelSetup& s = LevelSetup;
    ShowRoundBoss(s.BossIsland, s.Energy, s.RefTimeForAbsorbAttempt, s.HitsToCancelAbsorbAttempt,
                  s.OneAbsorbedTime, s.PreparingTime, s.AbsorbingTime, s.FinishingTime);
    ApplyPause();
  }
  RoundOver = false;
  UpdateTubeClock();
  GameBoard->ActiveMode = amNormal;
  GameBoard->Reset();
  GameBoard->SetAvailableElements(LevelSetup.ElementSet);
  GameBoard->LoadBoard(LevelSetup.Board);
  GameBoard->FillRandom();
  TBoardData dealt = GameBoard->BoardData();
  GameBoard->GenerateShuffledBoard(dealt);
  GameBoard->LoadBoard(dealt);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (LevelSetup.WebCells.IsSet(x, y)) GameBoard->TryPutWeb({x, y});

  // 4. The potions.
  if (LevelSetup.PotionCells.Any()) {
    TBoardData withPotions = GameBoard->BoardData();
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (LevelSetup.PotionCells.IsSet(x, y) && withPotions.At(x, y).IsLockerOrElement())
          withPotions.At(x, y).Element = LevelSetup.PotionElement;
    GameBoard->LoadBoard(withPotions);
  }

  // 5. The tiles drop in; the tools wait for the end of the fill.
  StartLevelFill();

  // 6.-8. Numbers, pocket and the tools this level offers.
  IslandDigit->SetValue(BuySlots->IslandIdx);
  LevelDigit->SetValue(BuySlots->LevelIdx);
  ToolTip->IslandIdx = BuySlots->IslandIdx;
  ToolTip->LevelIdx = BuySlots->LevelIdx;
  Pocket->Reset();
  Pocket->ShowPanel = false;
  PlacePocketOnElementsPanel();
  Pocket->SetCurrentPrices(BuySlots->CurrentPrices());
  Pocket->SetOwned(BuySlots->OwnedElements());
  Pocket->ShowOwnedNow();
  for (auto& t : Tools) {
    t->Available = TToolUnlocks::Available(t->ToolKind, BuySlots->IslandIdx, BuySlots->LevelIdx);
    t->SetEnabled(false);
  }

  // 9.-11. Panels and music.
  TubeTimer->Start();
  if (GameObjective == goNormalMode) {
    ElementsPanelMover->Show();
    ElementGather->ShowPanel();
    MusicBox->Request(NextGatherMusicTrack());
  } else {
    ElementsPanelMover->HideNow();
    ElementGather->HidePanel();
  }

  // 12. The creature's pictures: only a boss round needs them.
  UnloadGroup(igCreature);
  if (GameObjective == goBossMode) {
    CreatureIsland = LevelSetup.BossIsland;
    LoadFolderPngs(igCreature);
    LoadFolderJpegs(igCreature);
  }

  // 13. The island of the map gives the background.
  BackgroundIdx = std::clamp(MapIslands->SelectedIsland(), 1, 5);
  for (int i = 1; i <= 5; ++i)
    if (i != BackgroundIdx) OmegaImageList1.Remove("GameBG" + std::to_string(i));
  if (!OmegaImageList1.Find("GameBG" + std::to_string(BackgroundIdx)))
    LoadImageFile(igMain, "GameBG" + std::to_string(BackgroundIdx) + ".jpg", srLateLoad, ifJpeg);

  // 15. The announcement, through the wipe.
  SwitchScene(gsObjectiveInfo);
  ObjectiveInfo->SetGoal(TLevelGoal::Of(LevelSetup, TubeTimer->RelaxedMode == rmYes, TextStrings));
  ObjectiveInfo->Show(GameObjective);
}

void TFormMain::ApplyLevelSetup() {
  const TLevelSetup& s = LevelSetup;
  GameObjective = s.GameObjective;
  ElementGather->SetTargetBananas(s.TargetBananas);
  ElementGather->SetTargetStrawberries(s.TargetStrawberries);
  ElementGather->SetTargetApples(s.TargetApples);
  ElementGather->SetTargetGrapes(s.TargetGrapes);
  ElementGather->SetTargetOranges(s.TargetOranges);
  ElementGather->SetTargetPlums(s.TargetPlums);
  ElementGather->SetTargetCherries(s.TargetCherries);
  ElementGather->SetTargetGuavas(s.TargetGuavas);
  ElementGather->SetTargetFlowers1(s.TargetFlowers1);
  ElementGather->SetTargetFlowers2(s.TargetFlowers2);
  ElementGather->SetTargetFlowers3(s.TargetFlowers3);
  ElementGather->SetTargetFlowers4(s.TargetFlowers4);
  ElementGather->SetTargetSpiders(s.TargetSpiders);
  LockerFrames->TileKind = s.TileKind;
  FlowingElements->TileKind = s.TileKind;
  ElementGather->SetTargetGoldTiles1(s.TargetGoldTiles1);
  ElementGather->SetTargetGoldTiles2(s.TargetGoldTiles2);
  LockerFrames->Load(s.GoldTileLayers);
  ElementGather->SetTargetPotions1(s.TargetPotions1);
  ElementGather->SetTargetPotions2(s.TargetPotions2);
  GameBoard->Left = s.BoardPlacement.X;
  GameBoard->Top = s.BoardPlacement.Y;
  PlaceBoardEffects();
  Combos->BoardLeft = GameBoard->Left;
  Combos->BoardTop = GameBoard->Top;
  TubeTimer->Time = s.Time;
  ResultMedal->SilverReqTime = s.SilverReqTime;
  ResultMedal->GoldReqTime = s.GoldReqTime;
  Spiders->FruitsInterval = s.FruitsInterval;
  Spiders->MaxSpidersOnBoard = s.MaxSpidersOnBoard;
  Spiders->MaxWebs = s.MaxWebs;
  Spiders->OneWebEveryProb = s.OneWebEveryProb;
  GameBoard->OneUniFruitEveryInterval = s.OneUniFruitEveryInterval;
  GameBoard->MaxUniFruitOnBoard = s.MaxUniFruitOnBoard;
  MannaEnergy->FullRequiredFruits = s.FullRequiredFruits;
}

void TFormMain::ObjectiveShown() {
  SetScene(gsMainGame);
  TubeAllowed = true;
  UpdateTubeClock();
  ToolTip->LevelStarted();
  PocketStarTip();
}

void TFormMain::UpdateTubeClock() {
  const bool run = TubeAllowed && RoundInProgress && !GamePaused && !RoundOver && !ToolTipOpen;
  if (TubeTimer->Paused != run) return;
  TubeTimer->Paused = !run;
  Trace("tube", (run ? "run " : "stop ") + std::to_string(TubeTimer->ElapsedSeconds()));
}

void TFormMain::AbandonRound() {
  if (!RoundInProgress) return;
  RoundInProgress = false;
  ChargeLevelIngredients();
}

void TFormMain::WinRound() {
  if (RoundOver) return;
  RoundOver = true;
  RoundEnding = true;
  RoundInProgress = false;
  UpdateTubeClock();
  GameBoard->CanMatch = false;
  CloseToolTip();
  PutAllToolsBack();
  if (ShuffleAway->Running()) {
    ShuffleAway->Stop();
    GameBoard->CanDraw = true;
  }
  Spiders->Frozen = true;

  ElementGather->HidePanel();
  ElementsPanelMover->Hide();
  TubeTimer->HideTube();
  if (TBoss* boss = RoundBoss()) boss->Leave();
  const int seconds = TubeTimer->ElapsedSeconds();
  TMedalKind medal = ResultMedal->Evaluate(seconds);
  ResultStats->CountingPaused = true;
  ResultStats->PlayingTime = seconds;
  ResultStats->SetLevelScore(LevelScore);
  ResultStats->ExtraPoints = BonusPoints;
  TScoreRules::TWinBonus bonus =
      TScoreRules::WinBonus(medal, LevelSetup.BonusElementKind, LevelSetup.BonusElementCount);
  ResultStats->SetBonusElementKind(bonus.Kind);
  ResultStats->SetBonusElementCount(bonus.Count);
  if (bonus.Count > 0) BuySlots->AddOwned(bonus.Kind, static_cast<float>(bonus.Count));

  SetScene(gsRoundClear);
  MusicBox->Request(mrLevelClear);
  GameComments->ShowComment(GameObjective == goBossMode ? TGameCommentType::coBossVictory
                                                        : TGameCommentType::coGameRoundClear);
  SubmitHighScore();
  // The last island has no next one: after its creature come its replays, as on the others
  // while their dishes are still to buy.
  if (GameObjective == goBossMode && BuySlots->IslandIdx < TBuySlots::IslandCount) {
    BuySlots->NextUncompletedIslandIdx = BuySlots->IslandIdx + 1;
    BuySlots->NextUncompletedLevelIdx = 1;
  } else {
    BuySlots->NextUncompletedIslandIdx = BuySlots->IslandIdx;
    BuySlots->NextUncompletedLevelIdx = BuySlots->LevelIdx + 1;
  }
  if (GameLogger->Enabled()) {
    std::string error;
    if (!GameLogger->RoundWon(BuySlots->IslandIdx, BuySlots->LevelIdx, seconds,
                              BuySlots->RoundGains(), LevelParams->LoadedFileName(), error))
      Trace("error", error);
  }
  BuySlots->ClearRoundGains();
  SavePlayerSave(ssGather);
  static const char* kMedalNames[] = {"bronze", "silver", "gold", "none"};
  Trace("won", std::string(kMedalNames[medal]) + " " + std::to_string(seconds) + " " +
                   std::to_string(LevelScore));
}

void TFormMain::LoseRound() {
  if (RoundOver || !RoundInProgress || Scene() == gsTimeUp) return;
  // The round ends here: whatever lands after the time is up counts for nothing.
  RoundOver = true;
  UpdateTubeClock();
  if (TBoss* boss = RoundBoss()) boss->SetAutoAttempts(false);
  SetScene(gsTimeUp);
  Trace("lost", std::to_string(TubeTimer->ElapsedSeconds()));
  Spiders->SendAllAway();
  BoardBorder->Vanish();
  LockerFrames->FlyOut();
  PutAllToolsBack();
  GameBoard->CanDraw = false;
  LostBoard->UniFruitColorIndex = GameBoard->UniColorIndex();
  LostBoard->Start(GameBoard->BoardData());
  GameComments->ShowComment(TGameCommentType::coTimeUp);
  SubmitHighScore();
  AbandonRound();
}

void TFormMain::ShowStageResult() {
  SetScene(gsStageResult);
  StageResultWindow->Show();
  WynnetScoring->Start();
}

void TFormMain::StageResultShown() {
  PlayEffect(ResultMedal->MedalKind() == mdGold ? "NotifyHigh" : "NotifyLow");
  ResultMedal->StartStamp();
  ResultStats->CountingPaused = false;
  PigeonScoring->Start();
  PlayEffect("Bells");
  if (TBoss* boss = RoundBoss()) boss->FadeOutDead();
  // A won round is celebrated while its result is shown.
  if (!IsWindows8OrLater) FireworksTrigger->Start();
}

void TFormMain::LeaveStageResult() {
  if (Scene() != gsStageResult) return;
  FireworksTrigger->Stop();
  SwitchScene(gsStickerBook);
}

void TFormMain::CheatWinLevel() {
  for (int i = 0; i < 150; ++i) {
    for (std::uint8_t f = 1; f <= 8; ++f) ElementGather->Collect(elFruit, f);
    for (std::uint8_t f = 1; f <= 4; ++f) ElementGather->Collect(elFlower, f);
    ElementGather->Collect(elSpider, 1);
    ElementGather->Collect(elGoldTile, 1);
    ElementGather->Collect(elGoldTile, 2);
    ElementGather->Collect(elPotion, 1);
    ElementGather->Collect(elPotion, 2);
  }
  // A hundred hits each, or as many as the creature has left: a strong one must fall too.
  // They stop once a hit no longer tells (dead, hidden, or absorbing, which costs nothing),
  // and a level file's absurd energy takes a million a press rather than the game's time.
  constexpr int MaxCheatHits = 1000000;
  for (auto& boss : Bosses) {
    const int hits = std::min(std::max(100, boss->CurrentEnergy()), MaxCheatHits);
    for (int i = 0; i < hits && !boss->IsDead(); ++i) {
      const int before = boss->CurrentEnergy();
      if (!boss->Hit(0, 0, 1) || boss->CurrentEnergy() == before) break;
    }
  }
}

void TFormMain::CheatToolsAndEnergy() {
  for (auto& t : Tools) t->Available = true;
  MannaEnergy->AddAndShow(800);
}

void TFormMain::ApplyPauseToRound() {
  UpdateTubeClock();
  Combos->Visible = CombosConveyer->Visible = SlotDone->Visible = AbsorbedEnergy->Visible =
      ObjectiveInfo->Visible = !GamePaused;
  for (TCarriedTool* t : CarriedTools()) t->Accessible = !GamePaused;
}

void TFormMain::DrawLevelPanels() {
  ElementsPanelMover->Update();
  TPoint panel = ElementsPanelMover->Position();
  OmegaImageList1.DrawImage("ElementsPanel", static_cast<float>(panel.X - 4),
                            static_cast<float>(panel.Y - 4), 0);
  TubeTimer->Update();
  TubeTimer->Draw();
  if (TubeTimer->RelaxedMode != rmYes && !IsWindows8OrLater) {
    TubeBubbles->UpdateAndDraw();
    AbsorbedEnergy->Update();
    AbsorbedEnergy->Draw();
  }
}

void TFormMain::PlacePocketOnElementsPanel() {
  // Its rows on the panel's five rows; off-screen with the panel when it is away.
  const TPoint panel = ElementsPanelMover->Position();
  Pocket->Left = panel.X - 4 + 8;
  Pocket->Top = panel.Y - 4 + 2;
}

void TFormMain::DrawMainGame() {
  // 1.-2. The island behind the board.
  OmegaImageList1.DrawImage("GameBG" + std::to_string(BackgroundIdx), 0, 0, 0);
  // The island lives on behind a pause, as its snow does: only the level holds still.
  BackgroundEffects->UpdateAndDraw();
  if (BackgroundIdx == 4 && !IsWindows8OrLater) Snow->UpdateAndDraw(3, 1);
  // 3.-4. The board, its effects and the comments over it.
  DrawBoard();
  UpdateAndDrawBosses();
  DrawBoardEffects();
  GameComments->UpdateAndDraw();
  BookFoundComment->UpdateAndDraw();
  // 5. The panels: gathering, timer tube, tools.
  OmegaImageList1.DrawImage("TopPanel", 2, 0, 0);
  OmegaImageList1.DrawImage("LeftPanel", static_cast<float>(LeftPanelPos.X - 4),
                            static_cast<float>(LeftPanelPos.Y - 4), 0);
  DrawLevelPanels();
  // 6. Counters, combos, energy and what lands on the panels.
  ScoreCounter->Update();
  IslandDigit->Draw();
  LevelDigit->Draw();
  ShuffleButtonShine->UpdateAndDraw();
  MannaEnergy->Update();
  Combos->Update();
  CombosConveyer->Update();
  PlacePocketOnElementsPanel();
  Pocket->Draw();
  DrawEnergyBonusPopup();
  ElementGather->Update();
  SlotDone->UpdateAndDraw();
  DrawBoardOverlays();
  // 7. Tools and what they throw.
  DrawTools();
  if (InGameMenuButton->Visible) InGameMenuButton->Draw();
  // 8. Paused.
  if (GamePaused) DrawPausedWord();
  // 9.
  ScreenDust->UpdateAndDraw();
  if (!IsWindows8OrLater) Fireworks->UpdateAndDraw();
  DrawTutorialLayer();
}

void TFormMain::DrawStageResult() {
  DrawMainGame();
  StageResultWindow->Update();
  StageResultWindow->Draw();
  if (StageResultWindow->IsHidden()) return;
  // The shine turns slowly behind the medal.
  FeatureShineAngle = std::fmod(FeatureShineAngle + 0.2f, 360.0f);
  OmegaImageList1.DrawImage("FeatureShine",
                            static_cast<float>(ResultMedal->Left - TResultMedal::ShineHalfSize),
                            static_cast<float>(ResultMedal->Top - TResultMedal::ShineHalfSize), 0,
                            {.A = TResultMedal::ShineAlpha, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = FeatureShineAngle,
                             .Blend = bmAdditive});
  WynnetScoring->Update();
  StageResultOKButton->Draw();
  ResultMedal->Update();
  ResultStats->Update();
  FireworksTrigger->Update();
  // The bird's dust behind it.
  ScoringDust->UpdateAndDraw();
  PigeonScoring->Update();
}

bool TFormMain::EnterLevelDirectly(int island, int level, bool relaxed, bool tutorial) {
  if (island < 1 || island > 5 || level < 1) return false;
  CompanyLogos.SetLogoCount(1);
  if (!LoadStarted) {
    LoadStarted = true;
    LoadFolderJpegs(igMain);
    LoadFolderPngs(igMain);
    PrepareAfterMainLoad();
  }
  FreeLogoAndLoadingPictures();
  if (NameList->CurrentName().empty()) {
    if (NameList->IsFull()) return false;
    NameList->Add("PLAYER");
  }
  LoadPlayerSave();
  CurrentSave.RelaxedMode = relaxed ? rmYes : rmNo;
  TubeTimer->RelaxedMode = CurrentSave.RelaxedMode;
  // Straight into a level is for playing it: its tutorial page only when asked for.
  if (!tutorial) {
    CurrentSave.TutorialOn = false;
    SetTutorialEnabled(false);
  }
  for (int i = 1; i <= island; ++i) MapIslands->OpenIsland(i);
  MapIslands->SelectUpTo(island);
  MapIslands->MarkVisited();
  BuySlots->IslandIdx = island;
  BuySlots->LevelIdx = level;
  // The wipe into the level shows the level screen, as a restart does: the logos and the
  // splash have gone with their pictures.
  SetScene(gsMainGame);
  StartLevel();
  return true;
}
