#include "shell/TBoardParts.h"

#include "shell/TWidgetMaker.h"

namespace {
struct TToolPlace {
  TNewToolKind Kind;
  int OffsetX, OffsetY;  // hanging point, from the left panel's position
};
// Panel order, by the picture names the level draws them with.
constexpr TToolPlace kToolPlaces[TBoardParts::ToolCount] = {
    {tlBlaster, 5, 64},       {tlBomb, 11, 256},          {tlHammer, 11, 305},
    {tlHorzLightning, 14, 191}, {tlVertLightning, 13, 132}, {tlBigBomb, 10, 4},
};
}  // namespace

void TBoardParts::Create(const TWidgetMaker& make, TOmegaImageList& images,
                         bool isWindows8OrLater) {
  const TWidgetMaker::TSoundRoute& sound = make.SoundRoute();
  GameBoard = std::make_unique<TGameBoard>();
  GameBoard->OmgImgList = &images;
  GameBoard->IsWindows8OrLater = isWindows8OrLater;
  GameBoard->PlaySound = sound;
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
  BounceDust = std::make_unique<TBounceDustEffect>();
  BounceDust->OmgImgList = &images;
  BounceDust->IsWindows8OrLater = isWindows8OrLater;
  DiamondButterflies = std::make_unique<TDiamondButterflies>();
  DiamondButterflies->OmgImgList = &images;
  DiamondButterflies->Visible = !isWindows8OrLater;
  SwapEffect->OmgImgList = GroupedElements->OmgImgList = OpeningLockers->OmgImgList =
      LockerPieces->OmgImgList = LockerFrames->OmgImgList = WebEffect->OmgImgList =
          ChainLockEffect->OmgImgList = FlowingElements->OmgImgList =
              FallingElements->OmgImgList = ShuffleAway->OmgImgList = LockersAway->OmgImgList =
                  LostBoard->OmgImgList = BoardBorder->OmgImgList = MatchedCyan->OmgImgList =
                      &images;
  LockerFiller->OmgImgList = Spiders->OmgImgList = GlobalShine->OmgImgList =
      UniBubble->OmgImgList = Stars->OmgImgList = NewDiamond->OmgImgList = &images;
  for (auto& s : Shines) s->OmgImgList = &images;
  SwapEffect->IsWindows8OrLater = FlowingElements->IsWindows8OrLater =
      FallingElements->IsWindows8OrLater = isWindows8OrLater;
  ShuffleAway->PlaySound = LockersAway->PlaySound = GroupedElements->PlaySound =
      OpeningLockers->PlaySound = ChainLockEffect->PlaySound = FallingElements->PlaySound =
          LockerFiller->PlaySound = Spiders->PlaySound = sound;
  // Spiders drawn from their picture's centre sit on the tile, not above its corner.
  Spiders->SpiderAdjustX = -2;
  Spiders->SpiderAdjustY = -16;

  for (int i = 0; i < ToolCount; ++i) {
    Tools[i] = std::make_unique<TCollectorBombTool>();
    Tools[i]->OmgImgList = &images;
    Tools[i]->PlaySound = sound;
    Tools[i]->SetupAs(kToolPlaces[i].Kind);
  }
  HammerItemEffect = std::make_unique<THammerEffect>();
  HammerToolEffect = std::make_unique<THammerEffect>();
  HammeredObjects = std::make_unique<THammeredObjectsEffect>();
  BombEffect = std::make_unique<TBombEffect>();
  BigBombEffect = std::make_unique<TBigBombEffect>();
  LightningEffect = std::make_unique<TLightningEffect>();
  CollectorEffect = std::make_unique<TCollectorEffect>();
  MagicKey = std::make_unique<TMagicKey>();
  Broom = std::make_unique<TBroom>();
  Aerosol = std::make_unique<TAerosol>();
  FlowingKey = std::make_unique<TFlowingTool>();
  FlowingBroom = std::make_unique<TFlowingTool>();
  FlowingAerosol = std::make_unique<TFlowingTool>();
  HammerItemEffect->OmgImgList = HammerToolEffect->OmgImgList = HammeredObjects->OmgImgList =
      BombEffect->OmgImgList = BigBombEffect->OmgImgList = LightningEffect->OmgImgList =
          CollectorEffect->OmgImgList = &images;
  HammerItemEffect->PlaySound = HammerToolEffect->PlaySound = HammeredObjects->PlaySound =
      BombEffect->PlaySound = BigBombEffect->PlaySound = LightningEffect->PlaySound = sound;
  for (TCarriedTool* t : CarriedTools()) {
    t->OmgImgList = &images;
    t->PlaySound = sound;
  }
  for (TFlowingTool* f : {FlowingKey.get(), FlowingBroom.get(), FlowingAerosol.get()}) {
    f->OmgImgList = &images;
    f->PlaySound = sound;
  }
  PlaceTools(LeftPanelPos);
}

void TBoardParts::Wire() {
  // Elements bounce on the ground and spiders fall off the board in a puff of dust.
  FallingElements->OnDustEffectRequest = [this](TFallingElements&, int x, int y) {
    BounceDust->Emit(x, y);
  };
  FlowingElements->OnDustEffectRequest = [this](TFlowingElements&, int x, int y) {
    BounceDust->Emit(x, y);
  };
  Spiders->OnFallingPosUpdate = [this](TCrawlingSpiders&, TPoint at) { BounceDust->Emit(at); };
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
  // Presses wait while a hammer swings, struck tiles fly or the blaster spins: the tiles
  // those are about to take must not be swapped away from under them.
  b.OnClickAllowedQuestion = [this](TGameBoard&, bool& allowed) {
    allowed = !HammerItemEffect->Active() && !HammerToolEffect->Active() &&
              !HammeredObjects->Active() && !CollectorEffect->Busy();
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

  // Spiders come in waves, land on the top row and weave where the board allows.
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

  for (auto& tool : Tools) {
    TCollectorBombTool& t = *tool;
    // Only one tool is in hand at a time.
    t.OnPick = [this](TCollectorBombTool& picked) {
      for (auto& other : Tools)
        if (other.get() != &picked) other->PutBack();
    };
    t.OnObjectOpenableAsk = [this](TCollectorBombTool& s, TPoint tile, bool& openable,
                                   bool& blank) {
      blank = GameBoard->IsHoleOrOutside(tile);
      // While a shuffle hides the board its tiles are about to be replaced: nothing to aim at.
      openable = GameBoard->CanDraw &&
                 TCollectorBombTool::IsValidTarget(s.ToolKind, *GameBoard, tile);
    };
    t.OnTilePosChange = [this](TCollectorBombTool& s, TPoint tile, bool valid, int& colour) {
      GameBoard->SetSelection(tile, valid ? 0 : 1);
      colour = GameBoard->IsOpenElement(tile) ? GameBoard->ElementAt(tile) : 0;
      if (InBoardGrid(tile))
        GameBoard->HighlightToolTarget(tile, s.ToolKind);
      else
        GameBoard->ClearToolHighlight();
    };
  }

  // Hammers: the item strikes a cross, the tool a single tile.
  GameBoard->OnHammerEffectRequest = [this](TGameBoard&, TPoint tile) {
    HammerItemEffect->Start(tile);
  };
  HammerItemEffect->OnHit = [this](THammerEffect&, TPoint tile) {
    Shines[0]->ShowAtTile(tile);
    GameBoard->HammerHit(tile);
  };
  HammerToolEffect->OnHit = [this](THammerEffect&, TPoint tile) {
    Shines[1]->ShowAtTile(tile);
    GameBoard->StrikeTile(tile);
  };
  GameBoard->OnHammeredObjectsEffectRequest = [this](TGameBoard&, TBoardData data,
                                                     TSimpleObjectArray mask) {
    HammeredObjects->Start(data, mask);
  };
  HammeredObjects->OnFinish = [this](THammeredObjectsEffect&) {
    GameBoard->FinishHammered();
    Spiders->HitOnFallingTiles(GameBoard->TileStateGrid());
  };

  // Bombs: the blast itself is the board's; the effects only show it.
  GameBoard->OnExplossionEffectRequest = [this](TGameBoard&, TPoint tile) {
    BombEffect->Start(tile);
  };
  BigBombEffect->OnFullExplosion = [this](TBigBombEffect&, TPoint tile) {
    GameBoard->ExplodeBigBomb(tile);
  };
  LightningEffect->OnFullEffect = [this](TLightningEffect&, TPoint tile, TLightningType type) {
    GameBoard->LightningStrike(tile, type);
  };

  // The older tools, used on a tile.
  MagicKey->OnTargetValidQuestion = [this](TCarriedTool&, TPoint tile, bool& valid) {
    valid = TMagicKey::IsValidTarget(*GameBoard, tile);
  };
  Broom->OnTargetValidQuestion = [this](TCarriedTool&, TPoint tile, bool& valid) {
    valid = TBroom::IsValidTarget(*GameBoard, tile);
  };
  Aerosol->OnTargetValidQuestion = [this](TCarriedTool&, TPoint tile, bool& valid) {
    valid = !GameBoard->IsHoleOrOutside(tile);
  };
  MagicKey->OnLockerOpen = [this](TMagicKey&, TPoint tile) {
    GameBoard->OpenLocker(tile);
    if (GameBoard->Tile(tile).Web) GameBoard->RemoveWeb(tile);
    Stars->StarsAtTile(tile);
  };
  Broom->OnTileBroomingFinished = [this](TBroom&, TPoint tile) {
    GameBoard->RemoveWeb(tile);
    GameBoard->CheckLockerMatches();
    GameBoard->CheckElementMatches();
  };
  Aerosol->OnSpraySizeChange = [this](TAerosol&, TSprayRect r) {
    Spiders->HitInRect(r.Left, r.Top, r.Right, r.Bottom);
    GameBoard->BanWormsInRect(r.Left, r.Top, r.Right, r.Bottom);
  };
  Aerosol->OnEnemiesExistQuestion = [this](TAerosol&, bool& exist) {
    exist = Spiders->AnyOnBoard();
    for (int x = 1; x <= BoardColumns && !exist; ++x)
      for (int y = 1; y <= BoardRows && !exist; ++y)
        exist = GameBoard->Tile({x, y}).WormState == wsEating;
  };
}

void TBoardParts::PlaceBoardEffects() {
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
  // The tools and what they throw.
  for (auto& t : Tools) place(*t);
  place(*HammerItemEffect);
  place(*HammerToolEffect);
  place(*HammeredObjects);
  place(*BombEffect);
  place(*BigBombEffect);
  place(*LightningEffect);
  for (TCarriedTool* t : CarriedTools()) place(*t);
  place(*FlowingKey);
  place(*FlowingBroom);
  place(*FlowingAerosol);
}

void TBoardParts::PlaceTools(TPoint leftPanel) {
  LeftPanelPos = leftPanel;
  for (int i = 0; i < ToolCount; ++i) {
    Tools[i]->HangingPosX = leftPanel.X + kToolPlaces[i].OffsetX;
    Tools[i]->HangingPosY = leftPanel.Y + kToolPlaces[i].OffsetY;
    // A tool that is not in hand hangs where the panel carries it.
    if (!Tools[i]->Held() && !Tools[i]->Returning()) Tools[i]->PutBack();
  }
  // The older tools hang below the collector tools.
  int y = leftPanel.Y + 370;
  for (TCarriedTool* t : CarriedTools()) {
    t->HangingPosX = leftPanel.X + 12;
    t->HangingPosY = y;
    y += 62;
  }
  FlowingKey->TargetX = MagicKey->HangingPosX;
  FlowingKey->TargetY = MagicKey->HangingPosY;
  FlowingBroom->TargetX = Broom->HangingPosX;
  FlowingBroom->TargetY = Broom->HangingPosY;
  FlowingAerosol->TargetX = Aerosol->HangingPosX;
  FlowingAerosol->TargetY = Aerosol->HangingPosY;
}

TCollectorBombTool* TBoardParts::Tool(TNewToolKind kind) const {
  for (auto& t : Tools)
    if (t->ToolKind == kind) return t.get();
  return nullptr;
}

std::array<TCarriedTool*, 3> TBoardParts::CarriedTools() const {
  return {MagicKey.get(), Broom.get(), Aerosol.get()};
}

bool TBoardParts::ToolsMouseDown(int x, int y, TMouseButton button) {
  // A carried tool in hand takes every press; otherwise the panel tools get the first look.
  for (TCarriedTool* t : CarriedTools())
    if (t->Held() || t->Working()) return t->MouseDown(x, y, button), true;
  bool taken = false;
  for (auto& t : Tools) taken = t->MouseDown(x, y, button) || taken;
  for (TCarriedTool* t : CarriedTools())
    if (!taken) taken = t->MouseDown(x, y, button);
  return taken || AnyToolHeld();
}

void TBoardParts::ToolsMouseMove(int x, int y) {
  for (auto& t : Tools) t->MouseMove(x, y);
  for (TCarriedTool* t : CarriedTools()) t->MouseMove(x, y);
}

bool TBoardParts::AnyToolHeld() const {
  for (auto& t : Tools)
    if (t->Held()) return true;
  for (TCarriedTool* t : CarriedTools())
    if (t->Held()) return true;
  return false;
}

void TBoardParts::PutAllToolsBack() {
  for (auto& t : Tools) t->PutBack();
  for (TCarriedTool* t : CarriedTools()) t->PutBack();
  GameBoard->ClearToolHighlight();
}

void TBoardParts::UseTool(TNewToolKind kind, TPoint tile, TPoint toolPos) {
  switch (kind) {
    case tlHammer: HammerToolEffect->Start(tile); break;
    case tlBomb: GameBoard->ExplodeBomb(tile); break;
    case tlBigBomb: BigBombEffect->Start(tile); break;
    case tlHorzLightning:
    case tlVertLightning: {
      int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
      GameBoard->LineExtents(tile, firstColumn, lastColumn, firstRow, lastRow);
      if (kind == tlHorzLightning)
        LightningEffect->Start(tile, ltHorizontal, firstColumn, lastColumn);
      else
        LightningEffect->Start(tile, ltVertical, firstRow, lastRow);
      break;
    }
    case tlBlaster: GameBoard->ActivateBlaster(tile, toolPos); break;
    case tlNone: break;
  }
}

TSimpleObjectArray TBoardParts::OneTile(TPoint tile) {
  TSimpleObjectArray mask{};
  mask.Set(tile);
  return mask;
}

void TBoardParts::ResetForLevel() {
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
  BounceDust->Reset();
  DiamondButterflies->Reset();
  GlobalShine->Reset();
  UniBubble->Reset();
  Stars->Reset();
  NewDiamond->Reset();
  for (auto& s : Shines) s->Reset();
  // The tools go back on the panel; the level's fill keeps them out of reach.
  PutAllToolsBack();
  HammerItemEffect->Reset();
  HammerToolEffect->Reset();
  HammeredObjects->Reset();
  BombEffect->Reset();
  BigBombEffect->Reset();
  LightningEffect->Reset();
  CollectorEffect->Reset();
  FlowingKey->Reset();
  FlowingBroom->Reset();
  FlowingAerosol->Reset();
}

void TBoardParts::ReadImageSizes() {
  BounceDust->RefreshSizes();
  NewDiamond->RefreshSizes();
  UniBubble->RefreshSizes();
  MatchedCyan->RefreshSizes();
  for (auto& s : Shines) s->RefreshSizes();
}

void TBoardParts::StartLevelFill() {
  GameBoard->CanDraw = false;
  for (auto& t : Tools) t->Accessible = false;
  LockerFiller->UniFruitColorIndex = GameBoard->UniColorIndex();
  LockerFiller->Start(GameBoard->BoardData());
  GlobalShine->SetBoard(GameBoard->BoardData());
  BoardBorder->SetBoard(GameBoard->BoardData());
}

void TBoardParts::DrawBoard() {
  GameBoard->UpdateAndDraw();
  LockerFiller->UpdateAndDraw();
  LostBoard->UpdateAndDraw();
  ShuffleAway->UpdateAndDraw();
  LockersAway->UpdateAndDraw();
  OpeningLockers->UpdateAndDraw();
  GameBoard->DrawHint();
  if (!GameBoard->IsWindows8OrLater) GlobalShine->UpdateAndDraw();
}

void TBoardParts::DrawBoardEffects() {
  if (!GameBoard->IsWindows8OrLater) MatchedCyan->UpdateAndDraw();
  LockerPieces->UpdateAndDraw();
  SwapEffect->UpdateAndDraw();
  GroupedElements->UpdateAndDraw();
  BounceDust->UpdateAndDraw();
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

void TBoardParts::DrawBoardOverlays() {
  DiamondButterflies->UpdateAndDraw();
  NewDiamond->UpdateAndDraw();
  if (!GameBoard->IsWindows8OrLater) Stars->UpdateAndDraw();
}

void TBoardParts::DrawTools() {
  for (TCarriedTool* t : CarriedTools()) t->UpdateAndDraw();
  for (auto& t : Tools) t->UpdateAndDraw();
  FlowingKey->UpdateAndDraw();
  FlowingBroom->UpdateAndDraw();
  FlowingAerosol->UpdateAndDraw();
  FlowingElements->UpdateAndDraw();
  LightningEffect->UpdateAndDraw();
  BombEffect->UpdateAndDraw();
  BigBombEffect->UpdateAndDraw();
}
