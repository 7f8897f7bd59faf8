// The player's tools: the six collector tools on the left panel, the effects they start
// and the board operations those effects call at their high point; and the three older
// carried tools (key, broom, aerosol) with the flights that bring them to the panel.
#include "shell/TFormMain.h"

namespace {
struct TToolPlace {
  TNewToolKind Kind;
  int OffsetX, OffsetY;  // hanging point, from the left panel's position
};
// Panel order, by the picture names the level draws them with.
constexpr TToolPlace kToolPlaces[TFormMain::ToolCount] = {
    {tlBlaster, 5, 64},       {tlBomb, 11, 256},          {tlHammer, 11, 305},
    {tlHorzLightning, 14, 191}, {tlVertLightning, 13, 132}, {tlBigBomb, 10, 4},
};
}  // namespace

void TFormMain::CreateToolComponents() {
  for (int i = 0; i < ToolCount; ++i) {
    Tools[i] = std::make_unique<TCollectorBombTool>();
    Tools[i]->OmgImgList = &OmegaImageList1;
    Tools[i]->PlaySound = PlayEffect;
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
          CollectorEffect->OmgImgList = &OmegaImageList1;
  HammerItemEffect->PlaySound = HammerToolEffect->PlaySound = HammeredObjects->PlaySound =
      BombEffect->PlaySound = BigBombEffect->PlaySound = LightningEffect->PlaySound = PlayEffect;
  for (TCarriedTool* t : CarriedTools()) {
    t->OmgImgList = &OmegaImageList1;
    t->PlaySound = PlayEffect;
  }
  for (TFlowingTool* f : {FlowingKey.get(), FlowingBroom.get(), FlowingAerosol.get()}) {
    f->OmgImgList = &OmegaImageList1;
    f->PlaySound = PlayEffect;
  }
  PlaceTools({0, 236});
}

std::array<TCarriedTool*, 3> TFormMain::CarriedTools() const {
  return {MagicKey.get(), Broom.get(), Aerosol.get()};
}

void TFormMain::PlaceTools(TPoint leftPanel) {
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

void TFormMain::PlaceToolEffects() {
  auto place = [this](auto& effect) {
    effect.BoardLeft = GameBoard->Left;
    effect.BoardTop = GameBoard->Top;
  };
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

TCollectorBombTool* TFormMain::Tool(TNewToolKind kind) const {
  for (auto& t : Tools)
    if (t->ToolKind == kind) return t.get();
  return nullptr;
}

void TFormMain::WireTools() {
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
    t.OnClick = [this](TCollectorBombTool& s, TPoint tile, TPoint toolPos) {
      SpendToolEnergy(s.ToolKind);
      GameBoard->CancelHint();
      GameBoard->ClearToolHighlight();
      UseTool(s.ToolKind, tile, toolPos);
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
  auto monsterCheck = [this](TPoint pos, bool& hitting, bool& absorbing) {
    CheckMonsterHit(pos, hitting, absorbing);
  };
  HammeredObjects->OnMonsterHitCheck = [monsterCheck](THammeredObjectsEffect&, TPoint pos,
                                                      bool& hitting, bool& absorbing) {
    monsterCheck(pos, hitting, absorbing);
  };
  FallingElements->OnMonsterHitCheck = [monsterCheck](TFallingElements&, TPoint pos,
                                                      bool& hitting, bool& absorbing) {
    monsterCheck(pos, hitting, absorbing);
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

  // The blaster and multi bubbles: a colour wave from the tile, then the colour is cleared.
  GameBoard->OnMultiBubbleClicked = [this](TGameBoard&, TPoint tile, TPoint toolPos, int colour) {
    PlayEffect("Collector");
    Stars->StarsAtTile(tile);
    CollectorEffect->Start(toolPos.X - 4, toolPos.Y, colour);
    GameBoard->StartBlasterWave(tile);
  };

  // The older tools: flown in from pick-ups, used on a tile.
  auto arrive = [this](TCarriedTool& tool) {
    return [this, &tool](TFlowingTool&) {
      PlayEffect("ToolAcquired");
      tool.Acquire();
    };
  };
  FlowingKey->OnArrive = arrive(*MagicKey);
  FlowingBroom->OnArrive = arrive(*Broom);
  FlowingAerosol->OnArrive = arrive(*Aerosol);
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

void TFormMain::UseTool(TNewToolKind kind, TPoint tile, TPoint toolPos) {
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

bool TFormMain::ToolsMouseDown(int x, int y, TMouseButton button) {
  // A carried tool in hand takes every press; otherwise the panel tools get the first look.
  for (TCarriedTool* t : CarriedTools())
    if (t->Held() || t->Working()) return t->MouseDown(x, y, button), true;
  bool taken = false;
  for (auto& t : Tools) taken = t->MouseDown(x, y, button) || taken;
  for (TCarriedTool* t : CarriedTools())
    if (!taken) taken = t->MouseDown(x, y, button);
  return taken || AnyToolHeld();
}

void TFormMain::ToolsMouseMove(int x, int y) {
  for (auto& t : Tools) t->MouseMove(x, y);
  for (TCarriedTool* t : CarriedTools()) t->MouseMove(x, y);
}

bool TFormMain::AnyToolHeld() const {
  for (auto& t : Tools)
    if (t->Held()) return true;
  for (TCarriedTool* t : CarriedTools())
    if (t->Held()) return true;
  return false;
}

void TFormMain::PutAllToolsBack() {
  for (auto& t : Tools) t->PutBack();
  for (TCarriedTool* t : CarriedTools()) t->PutBack();
  GameBoard->ClearToolHighlight();
}

void TFormMain::ResetToolComponents() {
  PutAllToolsBack();
  for (auto& t : Tools) t->Accessible = false;
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

void TFormMain::DrawTools() {
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
