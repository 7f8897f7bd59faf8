// The board and the effects that animate its changes: the board raises an event with a copy
// of its data, the shell starts the effect, and the effect's end calls the board back.
#include "audio/TSoundShortcuts.h"
#include "shell/TFormMain.h"

void TFormMain::CreateBoardComponents() {
  GameBoard = std::make_unique<TGameBoard>();
  GameBoard->OmgImgList = &OmegaImageList1;
  GameBoard->IsWindows8OrLater = IsWindows8OrLater;
  GameBoard->PlaySound = [](const std::string& name) { TSoundShortcuts::PlaySFX(name); };
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
  SwapEffect->OmgImgList = GroupedElements->OmgImgList = OpeningLockers->OmgImgList = LockerPieces->OmgImgList =
      LockerFrames->OmgImgList = WebEffect->OmgImgList = ChainLockEffect->OmgImgList =
          FlowingElements->OmgImgList = FallingElements->OmgImgList = ShuffleAway->OmgImgList =
              LockersAway->OmgImgList = LostBoard->OmgImgList = BoardBorder->OmgImgList =
                  MatchedCyan->OmgImgList = &OmegaImageList1;
  SwapEffect->IsWindows8OrLater = FlowingElements->IsWindows8OrLater =
      FallingElements->IsWindows8OrLater = IsWindows8OrLater;
  auto sound = [](const std::string& name) { TSoundShortcuts::PlaySFX(name); };
  ShuffleAway->PlaySound = sound;
  LockersAway->PlaySound = sound;
  WireBoard();
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

  // Lockers open, then become elements; the last opening checks the board again.
  b.OnOpeningLockersEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask) {
    OpeningLockers->Start(data, mask);
  };
  OpeningLockers->OnPiecesEffectRequest = [this](TOpeningLockers&, TPoint tile) {
    LockerPieces->Start(tile);
  };
  OpeningLockers->OnOpeningEffectComplete = [this](TOpeningLockers&, TPoint tile, bool last) {
    TSimpleObjectArray mask{};
    mask.Set(tile);
    GameBoard->FinishOpening(mask);
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
  b.OnTimeToDrawBoardBorder = [this](TGameBoard&) { BoardBorder->UpdateAndDraw(); };
  b.OnTimeToDrawLockerFrames = [this](TGameBoard&) { LockerFrames->UpdateAndDraw(); };

  // Grouped tiles shiver for a moment, then each is answered on its own.
  b.OnGroupedElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask,
                                            bool, bool byBlaster) {
    GroupedElements->Start(data, mask, byBlaster);
    MatchedCyan->EmitMask(mask);
    // The combo counter and the spiders on the masked tiles take the request here as they
    // arrive with the level.
  };
  GroupedElements->OnGroupingEffectComplete = [this](TGroupedElementsEffect&, TBoardData data,
                                                     TSimpleObjectArray mask, bool byBlaster) {
    AnswerRemovedTiles(data, mask, true, byBlaster);
  };

  // Blasted tiles are already empty: only the answer's credits and flights remain.
  b.OnFallingElementsEffectRequest = [this](TGameBoard&, TBoardData data, TSimpleObjectArray mask) {
    AnswerRemovedTiles(data, mask, false, false);
  };
}

void TFormMain::AnswerRemovedTiles(const TBoardData& snapshot, const TSimpleObjectArray& mask,
                                   bool grouped, bool triggeredByBlaster) {
  if (grouped) {
    GameBoard->RemoveGrouped(mask);
    GameBoard->ExplodeFruitBombs(mask);
  }
  // Until the level's gathering panel exists nothing is still needed: everything falls off.
  FallingElements->Start(snapshot, mask, !grouped);
  (void)triggeredByBlaster;
}

void TFormMain::DrawBoard() {
  GameBoard->UpdateAndDraw();
  LostBoard->UpdateAndDraw();
  ShuffleAway->UpdateAndDraw();
  LockersAway->UpdateAndDraw();
  OpeningLockers->UpdateAndDraw();
  GameBoard->DrawHint();
  MatchedCyan->UpdateAndDraw();
  LockerPieces->UpdateAndDraw();
  SwapEffect->UpdateAndDraw();
  GroupedElements->UpdateAndDraw();
  FallingElements->UpdateAndDraw();
  ChainLockEffect->UpdateAndDraw();
  WebEffect->UpdateAndDraw();
  FlowingElements->UpdateAndDraw();
}
