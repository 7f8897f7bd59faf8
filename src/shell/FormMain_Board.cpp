// The board and the effects that animate its changes: the board raises an event with a copy
// of its data, the shell starts the effect, and the effect's end calls the board back.
#include "levels/TScoreRules.h"
#include "shell/TFormMain.h"

bool TFormMain::IndividualKindOf(int code, TIndividualElementKind& kind) {
  if (code >= 1 && code <= 8)
    kind = static_cast<TIndividualElementKind>(ieFruit1 + code - 1);
  else if (code >= 13 && code <= 16)
    kind = static_cast<TIndividualElementKind>(ieFlower1 + code - 13);
  else if (code == 17 || code == 18)
    kind = static_cast<TIndividualElementKind>(iePotion1 + code - 17);
  else
    return false;
  return true;
}

void TFormMain::CreateBoardComponents() {
  GameBoard = std::make_unique<TGameBoard>();
  GameBoard->OmgImgList = &OmegaImageList1;
  GameBoard->IsWindows8OrLater = IsWindows8OrLater;
  GameBoard->PlaySound = PlayEffect;
  SwapEffect = std::make_unique<TSwapEffect>();
  GroupedElements = std::make_unique<TGroupedElementsEffect>();
  OpeningLockers = std::make_unique<TOpeningLockers>();
  LockerPieces = std::make_unique<TLockerPiecesEffect>();
  LockerFrames = std::make_unique<TLockerFrames>();
  WebEffect = std::make_unique<TWebEffect>();
  ChainLockEffect = std::make_unique<TChainLockEffect>();
  FlowingElements = std::make_unique<TFlowingElements>();
  FallingElements = std::make_unique<TFallingElements>();
  ShuffleAway = std::make_unique<TShuffleAwayEffect>();
  LockersAway = std::make_unique<TLockersAwayEffect>();
  LostBoard = std::make_unique<TLostBoardEffect>();
  BoardBorder = std::make_unique<TBoardBorder>();
  MatchedCyan = std::make_unique<TMatchedCyanEffect>();
  LockerFiller = std::make_unique<TLockerFiller>();
  Spiders = std::make_unique<TCrawlingSpiders>();
  GlobalShine = std::make_unique<TGlobalShine>();
  UniBubble = std::make_unique<TUniBubbleEffect>();
  Stars = std::make_unique<TStarsEffect>();
  NewDiamond = std::make_unique<TNewDiamondEffect>();
  for (auto& s : Shines) s = std::make_unique<TShineEffect>();
  SwapEffect->OmgImgList = GroupedElements->OmgImgList = OpeningLockers->OmgImgList = LockerPieces->OmgImgList =
      LockerFrames->OmgImgList = WebEffect->OmgImgList = ChainLockEffect->OmgImgList =
          FlowingElements->OmgImgList = FallingElements->OmgImgList = ShuffleAway->OmgImgList =
              LockersAway->OmgImgList = LostBoard->OmgImgList = BoardBorder->OmgImgList =
                  MatchedCyan->OmgImgList = &OmegaImageList1;
  LockerFiller->OmgImgList = Spiders->OmgImgList = GlobalShine->OmgImgList =
      UniBubble->OmgImgList = Stars->OmgImgList = NewDiamond->OmgImgList = &OmegaImageList1;
  for (auto& s : Shines) s->OmgImgList = &OmegaImageList1;
  SwapEffect->IsWindows8OrLater = FlowingElements->IsWindows8OrLater =
      FallingElements->IsWindows8OrLater = IsWindows8OrLater;
  ShuffleAway->PlaySound = LockersAway->PlaySound = GroupedElements->PlaySound =
      OpeningLockers->PlaySound = ChainLockEffect->PlaySound = FallingElements->PlaySound =
          LockerFiller->PlaySound = Spiders->PlaySound = PlayEffect;
  // Spiders drawn from their picture's centre sit on the tile, not above its corner.
  Spiders->SpiderAdjustX = -2;
  Spiders->SpiderAdjustY = -16;
  CreateToolComponents();
  WireBoard();
  WireBoardEffects();
  WireSpiders();
  WireTools();
}

void TFormMain::PlaceBoardEffects() {
  auto place = [this](auto& effect) {
    effect.BoardLeft = GameBoard->Left;
    effect.BoardTop = GameBoard->Top;
  };
  place(*SwapEffect);
  place(*GroupedElements);
  place(*OpeningLockers);
  place(*LockerPieces);
  place(*LockerFrames);
  place(*WebEffect);
  place(*ChainLockEffect);
  place(*FlowingElements);
  place(*FallingElements);
  place(*ShuffleAway);
  place(*LockersAway);
  place(*LostBoard);
  place(*BoardBorder);
  place(*MatchedCyan);
  place(*LockerFiller);
  place(*Spiders);
  place(*GlobalShine);
  place(*UniBubble);
  place(*Stars);
  place(*NewDiamond);
  for (auto& s : Shines) place(*s);
  PlaceToolEffects();
}

void TFormMain::WireBoard() {
  TGameBoard& b = *GameBoard;
  // Swaps: the effect runs, then the board applies or forgets the swap and checks its layer.
  b.OnSwapEffectRequest = [this](TGameBoard&, TSwappedObjectsData data, bool matchOccurs) {
    SwapEffect->Start(data, matchOccurs);
  };
  auto checkLayer = [this](TTileObjectKind kind) {
    if (kind == okLocker)
      GameBoard->CheckLockerMatches();
    else
      GameBoard->CheckElementMatches();
  };
  SwapEffect->OnEffectComplete = [this, checkLayer](TSwapEffect&, TTileObjectKind kind, TPoint a,
                                                    TPoint c) {
    GameBoard->ApplySwap(a, c);
    checkLayer(kind);
  };
  SwapEffect->OnSwapBackComplete = [this, checkLayer](TSwapEffect&, TTileObjectKind kind,
                                                      TPoint a, TPoint c) {
    GameBoard->ClearSwapStates(a, c);
    checkLayer(kind);
  };
  b.OnManualMatch = [this](TGameBoard&) { CountTutorialStep(); };

  // Lockers open, then become elements; the last opening checks the board again.
  b.OnOpeningLockersEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask) {
    OpeningLockers->Start(data, mask);
  };
  OpeningLockers->OnPiecesEffectRequest = [this](TOpeningLockers&, TPoint tile) {
    LockerPieces->Start(tile);
  };
  OpeningLockers->OnOpeningEffectComplete = [this](TOpeningLockers&, TPoint tile, bool last) {
    GameBoard->FinishOpening(OneTile(tile));
    if (last) {
      GameBoard->CheckNoMoreMoves();
      GameBoard->CheckElementMatches();
    }
  };

  b.OnRemoveLockerFrames = [this](TGameBoard&, TSimpleObjectArray mask) {
    LockerFrames->RemoveFrames(mask);
  };
  b.OnWebEffectRequest = [this](TGameBoard&, TPoint tile) { WebEffect->Start(tile); };
  b.OnChainLockEffectRequest = [this](TGameBoard&, TPoint tile, std::uint8_t level) {
    ChainLockEffect->Start(tile, level);
  };
  b.OnFruitRestoreEffectRequest = [this](TGameBoard&, TPoint tile) {
    GameBoard->RestoreFruit(tile);
    Stars->StarsAtTile(tile);
  };
  b.OnUniBubbleEffectRequest = [this](TGameBoard&, TPoint tile) { UniBubble->Start(tile); };
  b.OnStarsEffectRequest = [this](TGameBoard&, TPoint tile) { Stars->StarsAtTile(tile); };
  b.OnEnemiesBanned = [this](TGameBoard&, TSimpleObjectArray mask) { Spiders->HitOnTiles(mask); };
  b.OnCanAddFlowerQuestion = [this](TGameBoard&, bool& canAdd) { canAdd = !NewDiamond->Busy(); };
  b.OnTimeToDrawBoardBorder = [this](TGameBoard&) { BoardBorder->UpdateAndDraw(); };
  b.OnTimeToDrawLockerFrames = [this](TGameBoard&) { LockerFrames->UpdateAndDraw(); };
  b.OnAcquiredMagicKeysQuestion = [this](TGameBoard&, int& n) { n = MagicKey->Count(); };
  b.OnAcquiredBroomsQuestion = [this](TGameBoard&, int& n) { n = Broom->Count(); };
  b.OnAcquiredAerosolsQuestion = [this](TGameBoard&, int& n) { n = Aerosol->Count(); };
  b.OnNoMoreMoves = [this](TGameBoard&) { StartShuffle(); };
  // Presses wait while a hammer swings, struck tiles fly or the blaster spins: the tiles
  // those are about to take must not be swapped away from under them.
  b.OnClickAllowedQuestion = [this](TGameBoard&, bool& allowed) {
    allowed = !HammerItemEffect->Active() && !HammerToolEffect->Active() &&
              !HammeredObjects->Active() && !CollectorEffect->Busy();
  };

  // Grouped tiles shiver for a moment, then each is answered on its own.
  b.OnGroupedElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask,
                                            bool, bool byBlaster) {
    GroupedElements->Start(data, mask, byBlaster);
    MatchedCyan->EmitMask(mask);
    CheckCombos(data, mask);
    Spiders->HitOnTiles(mask);
  };
  GroupedElements->OnGroupingEffectComplete = [this](TGroupedElementsEffect&, TBoardData data,
                                                     TSimpleObjectArray mask, bool byBlaster) {
    AnswerRemovedTiles(data, mask, true, byBlaster);
  };
  GroupedElements->OnNewFlowerAcquired = [this](TGroupedElementsEffect&, TPoint tile) {
    GameBoard->RemoveGrouped(OneTile(tile));
    StartPotionFlight(tile, NewDiamond->AcquiredFlowerIdx);
  };
  GroupedElements->OnNewToolAcquired = [this](TGroupedElementsEffect&, TPoint tile, int code) {
    GameBoard->RemoveGrouped(OneTile(tile));
    if (code == ecMagicKey)
      FlowingKey->Start(tile);
    else if (code == ecBroom)
      FlowingBroom->Start(tile);
    else
      FlowingAerosol->Start(tile);
  };

  // Blasted tiles are already empty: only the answer's credits and flights remain.
  b.OnFallingElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask) {
    AnswerRemovedTiles(data, mask, false, false);
  };
}

void TFormMain::WireBoardEffects() {
  // The level fill: the board stays hidden until every tile has dropped in.
  LockerFiller->OnFinish = [this](TLockerFiller&) {
    GameBoard->CanDraw = true;
    for (auto& t : Tools) t->Accessible = true;
    BoardBorder->Appear();
    LockerFrames->FlyIn();
    LevelFillFinished();
  };

  // Shuffle: the old board flies off and the new one in; then play resumes on it.
  ShuffleAway->OnFinished = [this](TShuffleAwayEffect&, TBoardData board) {
    GameBoard->LoadBoard(board);
    GameBoard->CanDraw = true;
    BoardBorder->SetBoard(board);
    BoardBorder->Appear();
    LockerFrames->FlyIn();
    GameBoard->ResetTimers();
    GameBoard->CheckLockerMatches();
    GameBoard->CheckElementMatches();
  };
  LostBoard->OnTimeForDialogWindow = [this](TLostBoardEffect&) { AskTryAgain(); };
  LockersAway->OnFinished = [this](TLockersAwayEffect&) { ShowStageResult(); };

  // Frames worn away send a token to the panel and pay for the gold tile.
  LockerFrames->OnLockerFrameEffectRequest = [this](TLockerFrames&, TPoint tile,
                                                    std::uint8_t level) {
    PlayEffect("TileClear");
    FlowingElements->StartToken(tile, level);
    CreditOwned(elGoldTile, TScoreRules::GoldLayerGain(CurrentIslandIdx(), GoldTileUpgradeOwned()));
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
    ShowBookFoundComment(e.AcquiredFlowerIdx);
  };
  NewDiamond->OnStretchingFinished = [this](TNewDiamondEffect&) {
    AddBonusPoints(TScoreRules::NeededPotionPoints);
  };
  NewDiamond->OnFlowerArrivedOnRoot = [this](TNewDiamondEffect& e) {
    CollectPotion(e.AcquiredFlowerIdx == 8 ? 2 : 1);
  };
}

void TFormMain::WireSpiders() {
  TCrawlingSpiders& s = *Spiders;
  s.OnFruitsIntervalReached = [this](TCrawlingSpiders&) {
    Spiders->StartWave(GameBoard->BoardData(), GameBoard->CountWebs());
  };
  s.OnTopBoardPosRequest = [this](TCrawlingSpiders&, TPoint& tile) {
    tile = GameBoard->RandomTopTile();
  };
  s.OnTilePossibleToWebQuestion = [this](TCrawlingSpiders&, TPoint tile, bool& possible) {
    possible = GameBoard->CanHostWeb(tile);
  };
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
                                   bool grouped, bool triggeredByBlaster) {
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
      TScoreRules::TOwnedGain gain = TScoreRules::RemovedElementGain(code, CurrentIslandIdx());
      if (gain.Any) CreditOwned(gain.Kind, gain.Amount);
      TIndividualElementKind individual;
      bool needed = IndividualKindOf(code, individual) && IsStillNeeded(individual);
      if (needed && (code == 17 || code == 18)) {
        // Potions travel on their own, through the middle of the screen.
        StartPotionFlight({x, y}, code == 17 ? 7 : 8);
      } else if (needed) {
        flowing.Set({x, y});
        anyFlowing = true;
      } else if (code >= 1 && code <= 18) {
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
      CountEnergyElement();
    }
  }
  Spiders->HitOnFallingTiles(GameBoard->TileStateGrid());
}

TSimpleObjectArray TFormMain::OneTile(TPoint tile) {
  TSimpleObjectArray mask{};
  mask.Set(tile);
  return mask;
}

void TFormMain::StartPotionFlight(TPoint tile, int index) {
  // One potion flies at a time: a running one counts as arrived when the next starts.
  if (NewDiamond->Busy()) CollectPotion(NewDiamond->AcquiredFlowerIdx == 8 ? 2 : 1);
  TPoint slot = GatherSlotPosition(index == 8 ? iePotion2 : iePotion1);
  NewDiamond->Start(tile, index, {slot.X + 13, slot.Y + 1});
}

void TFormMain::StartShuffle() {
  ShowNoMoreMovesComment();
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

void TFormMain::StartLevelFill() {
  GameBoard->CanDraw = false;
  for (auto& t : Tools) t->Accessible = false;
  LockerFiller->UniFruitColorIndex = GameBoard->UniColorIndex();
  LockerFiller->Start(GameBoard->BoardData());
  GlobalShine->SetBoard(GameBoard->BoardData());
  BoardBorder->SetBoard(GameBoard->BoardData());
}

void TFormMain::ResetBoardComponents() {
  GameBoard->Reset();
  SwapEffect->Clear();
  GroupedElements->Clear();
  OpeningLockers->Clear();
  LockerPieces->Clear();
  LockerFrames->Clear();
  WebEffect->Clear();
  ChainLockEffect->Clear();
  FlowingElements->Clear();
  FallingElements->Clear();
  ShuffleAway->Stop();
  LockersAway->Stop();
  LostBoard->Stop();
  BoardBorder->Reset();
  MatchedCyan->Reset();
  LockerFiller->Stop();
  Spiders->Reset();
  GlobalShine->Reset();
  UniBubble->Reset();
  Stars->Reset();
  NewDiamond->Reset();
  for (auto& s : Shines) s->Reset();
  ResetToolComponents();
}

void TFormMain::DrawBoard() {
  GameBoard->UpdateAndDraw();
  LockerFiller->UpdateAndDraw();
  LostBoard->UpdateAndDraw();
  ShuffleAway->UpdateAndDraw();
  LockersAway->UpdateAndDraw();
  OpeningLockers->UpdateAndDraw();
  GameBoard->DrawHint();
  if (!IsWindows8OrLater) GlobalShine->UpdateAndDraw();
}

void TFormMain::DrawBoardEffects() {
  if (!IsWindows8OrLater) MatchedCyan->UpdateAndDraw();
  LockerPieces->UpdateAndDraw();
  SwapEffect->UpdateAndDraw();
  GroupedElements->UpdateAndDraw();
  FallingElements->UpdateAndDraw();
  HammeredObjects->UpdateAndDraw();
  ChainLockEffect->UpdateAndDraw();
  WebEffect->UpdateAndDraw();
  UniBubble->UpdateAndDraw();
  Spiders->UpdateAndDraw();
  for (auto& s : Shines) s->UpdateAndDraw();
  HammerItemEffect->UpdateAndDraw();
  HammerToolEffect->UpdateAndDraw();
  CollectorEffect->UpdateAndDraw();
}

void TFormMain::DrawBoardOverlays() {
  NewDiamond->UpdateAndDraw();
  if (!IsWindows8OrLater) Stars->UpdateAndDraw();
}
