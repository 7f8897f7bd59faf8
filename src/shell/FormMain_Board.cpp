// The board as the level sees it: what removed tiles are worth and where they fly, the level's
// fill and the shuffle, and the board's drawing order. The requests between the board and
// its own effects are wired in TBoardParts.
#include "board/TElementCodes.h"
#include "levels/TScoreRules.h"
#include "shell/TFormMain.h"

void TFormMain::WireBoard() {
  TGameBoard& b = *GameBoard;
  b.OnManualMatch = [this](TGameBoard&) { CountTutorialStep(); };
  b.OnNoMoreMoves = [this](TGameBoard&) { StartShuffle(); };

  // Grouped tiles shiver for a moment, then each is answered on its own.
  b.OnGroupedElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask,
                                            bool, bool byBlaster) {
    GroupedElements->Start(data, mask, byBlaster);
    MatchedCyan->EmitMask(mask);
    Combos->Check(data, mask);
    Spiders->HitOnTiles(mask);
  };
  GroupedElements->OnGroupingEffectComplete = [this](TGroupedElementsEffect&, TBoardData data,
                                                     TSimpleObjectArray mask, bool byBlaster) {
    AnswerRemovedTiles(data, mask, byBlaster ? trGroupedByBlaster : trGrouped);
  };
  GroupedElements->OnNewFlowerAcquired = [this](TGroupedElementsEffect&, TPoint tile) {
    GameBoard->RemoveGrouped(OneTile(tile));
    StartPotionFlight(tile, NewDiamond->AcquiredFlowerIdx);
  };

  // Blasted tiles are already empty: only the answer's credits and flights remain.
  b.OnFallingElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask) {
    AnswerRemovedTiles(data, mask, trBlasted);
  };
}

void TFormMain::WireBoardEffects() {
  // The level fill: the board stays hidden until every tile has dropped in.
  LockerFiller->OnFinish = [this](TLockerFiller&) {
    GameBoard->CanDraw = true;
    for (auto& t : Tools) t->Accessible = true;
    BoardBorder->Appear();
    LockerFrames->FlyIn();
    LevelFilled = true;
  };
  LostBoard->OnTimeForDialogWindow = [this](TLostBoardEffect&) { AskTryAgain(); };
  LockersAway->OnFinished = [this](TLockersAwayEffect&) { ShowStageResult(); };

  // Frames worn away send a token to the panel and pay for the gold tile.
  LockerFrames->OnLockerFrameEffectRequest = [this](TLockerFrames&, TPoint tile,
                                                    std::uint8_t level) {
    PlayEffect("TileClear");
    FlowingElements->StartToken(tile, level);
    CreditOwned(elGoldTile, TScoreRules::GoldLayerGain(BuySlots->IslandIdx, GoldTileUpgradeOwned()));
    AddBonusPoints(TScoreRules::GoldLayerPoints);
  };
  FlowingElements->OnSlotPosRequest = [this](TFlowingElements&, TIndividualElementKind kind,
                                             TPoint& slot) { slot = GatherSlotPosition(kind); };
  FlowingElements->OnOneFruitArrived = [this](TFlowingElements&, TElementKind kind,
                                              std::uint8_t index) {
    CollectArrived(kind, index);
  };
  GlobalShine->OnCanDrawConfirm = [this](TGlobalShine&, bool& canDraw) {
    canDraw = GameBoard->CanDraw && Scene() == gsMainGame && !GamePaused;
  };
  NewDiamond->OnStretchingStarsEffectRequest = [this](TNewDiamondEffect& e) {
    PlayEffect("PowerUp");
    for (int x = 8; x <= 9; ++x)
      for (int y = 5; y <= 7; ++y) Stars->StarsAtTile({x, y});
    BookFoundComment->ShowBookFound(TElementCodes::PotionOfFlight(e.AcquiredFlowerIdx));
  };
  NewDiamond->OnArrivedToCenter = [this](TNewDiamondEffect&) {
    DiamondButterflies->Release(660, 357);
  };
  NewDiamond->OnStretchingFinished = [this](TNewDiamondEffect&) {
    AddBonusPoints(TScoreRules::NeededPotionPoints);
  };
  NewDiamond->OnFlowerArrivedOnRoot = [this](TNewDiamondEffect& e) {
    CollectPotion(TElementCodes::PotionOfFlight(e.AcquiredFlowerIdx));
  };
}

void TFormMain::WireSpiders() {
  TCrawlingSpiders& s = *Spiders;
  s.OnPutWeb = [this](TCrawlingSpiders&, TPoint tile) {
    GameBoard->TryPutWeb(tile);
    PointToolTipAtWeb(tile);
  };
  s.OnAnySpiderLanding = [this](TCrawlingSpiders&, TPoint tile) { PointToolTipAtSpider(tile); };
  s.OnOneSpiderHit = [this](TCrawlingSpiders&, int x, int y, bool& required) {
    required = IsStillNeeded(ieSpider);
    if (required) FlowingElements->StartSpider(x, y);
    CreditOwned(elSpider, 1);
  };
}

void TFormMain::AnswerRemovedTiles(const TBoardData& snapshot, const TSimpleObjectArray& mask,
                                   TTileRemoval removal) {
  const bool grouped = removal != trBlasted;
  const bool triggeredByBlaster = removal == trGroupedByBlaster;
  if (grouped) {
    GameBoard->RemoveGrouped(mask);
    GameBoard->ExplodeFruitBombs(mask);
  }
  TSimpleObjectArray flowing{}, falling{};
  bool anyFlowing = false, anyFalling = false;
  int tiles = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y)) continue;
      ++tiles;
      const TBoardTile& t = snapshot.At({x, y});
      int code = t.Element;
      TScoreRules::TOwnedGain gain = TScoreRules::RemovedElementGain(code, BuySlots->IslandIdx);
      if (gain.Any) CreditOwned(gain.Kind, gain.Amount);
      TIndividualElementKind individual;
      bool needed = TElementCodes::IndividualKindOf(code, individual) && IsStillNeeded(individual);
      if (needed && IsPotionCode(code)) {
        // Potions travel on their own, through the middle of the screen.
        StartPotionFlight({x, y}, TElementCodes::PotionFlightOf(code));
      } else if (needed) {
        flowing.Set({x, y});
        anyFlowing = true;
      } else if (TElementCodes::IsElement(code)) {
        falling.Set({x, y});
        anyFalling = true;
      }
      // Special tiles (uni bubbles, items) take part in neither flight.
    }
  if (anyFlowing) FlowingElements->Start(snapshot, flowing);
  if (anyFalling) FallingElements->Start(snapshot, falling, !grouped);
  AddPoints(TScoreRules::RemovedElementPoints * tiles);
  if (!triggeredByBlaster) {
    for (int i = 0; i < tiles; ++i) {
      Spiders->CountElement();
      MannaEnergy->AddOne();
    }
  }
  Spiders->HitOnFallingTiles(GameBoard->TileStateGrid());
}

void TFormMain::StartPotionFlight(TPoint tile, int flight) {
  // One potion flies at a time: a running one counts as arrived when the next starts.
  if (NewDiamond->Busy())
    CollectPotion(TElementCodes::PotionOfFlight(NewDiamond->AcquiredFlowerIdx));
  TPoint slot = GatherSlotPosition(TElementCodes::PotionKindOfFlight(flight));
  NewDiamond->Start(tile, flight, {slot.X + 13, slot.Y + 1});
}

void TFormMain::StartShuffle() {
  GameComments->ShowComment(TGameCommentType::coNoMoreMoves);
  Spiders->SendAllAway();
  BoardBorder->Vanish();
  LockerFrames->FlyOut();
  GameBoard->CanDraw = false;
  SwapEffect->Clear();
  OpeningLockers->Clear();
  ShuffleAway->UniFruitColorIndex = GameBoard->UniColorIndex();
  TBoardData fresh = GameBoard->BoardData();
  GameBoard->GenerateShuffledBoard(fresh);
  ShuffleAway->Start(GameBoard->BoardData(), fresh);
}
