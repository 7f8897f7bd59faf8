#include "board/TCollectorBombTool.h"

#include "board/TGameBoard.h"
#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
struct TToolSetup {
  TNewToolKind Kind;
  const char* Image;
  int Top, Height, OffsetX, OffsetY;
};
constexpr TToolSetup Setups[] = {
    {tlHammer, "HammerTool", 562, 53, -15, -14},
    {tlBomb, "BombTool", 505, 56, -13, -13},
    {tlHorzLightning, "HorzLightningTool", 446, 56, -15, -14},
    {tlVertLightning, "VertLightningTool", 387, 56, -15, -14},
    {tlBlaster, "CollectorTool", 318, 65, -12, -11},
    {tlBigBomb, "BigBombTool", 256, 60, -15, -14},
};
constexpr int GridWidth = 52 * BoardColumns, GridHeight = 52 * BoardRows;
}  // namespace

void TCollectorBombTool::SetupAs(TNewToolKind kind) {
  ToolKind = kind;
  for (const TToolSetup& s : Setups)
    if (s.Kind == kind) {
      ImgName = s.Image;
      RectLeft = 19;
      RectWidth = 66;
      RectTop = s.Top;
      RectHeight = s.Height;
      DrawOffsetX = s.OffsetX;
      DrawOffsetY = s.OffsetY;
    }
  HangingPosX = 0;
  HangingPosY = 0;
}

int TCollectorBombTool::EnergyLevel(TNewToolKind kind) { return static_cast<int>(kind); }

bool TCollectorBombTool::IsValidTarget(TNewToolKind kind, const TGameBoard& board, TPoint tile) {
  if (!InBoardGrid(tile)) return false;
  switch (kind) {
    case tlHammer:
    case tlBlaster:
      return board.IsOpenElement(tile);
    case tlBomb:
    case tlHorzLightning:
    case tlVertLightning:
    case tlBigBomb:
      return board.Tile(tile).ObjectKind == okFruit;
    case tlNone:
      break;
  }
  return false;
}

void TCollectorBombTool::SetEnabled(bool enabled) {
  if (enabled && !EnabledFlag) FlashTimer = EnableFlashTime;
  EnabledFlag = enabled;
}

bool TCollectorBombTool::MouseOverRect(int x, int y) const {
  return x >= RectLeft && x < RectLeft + RectWidth && y >= RectTop && y < RectTop + RectHeight;
}

bool TCollectorBombTool::InsideGrid(int x, int y) const {
  return x >= BoardLeft && x < BoardLeft + GridWidth && y >= BoardTop && y < BoardTop + GridHeight;
}

TPoint TCollectorBombTool::TileAt(int x, int y) const {
  if (!InsideGrid(x, y)) return {};
  return {(x - BoardLeft) / 52 + 1, (y - BoardTop) / 52 + 1};
}

void TCollectorBombTool::ReportTile(TPoint tile) {
  ReportedTile = tile;
  bool openable = false, blank = true;
  if (InBoardGrid(tile) && OnObjectOpenableAsk) OnObjectOpenableAsk(*this, tile, openable, blank);
  FruitColIdx = 0;
  if (OnTilePosChange) OnTilePosChange(*this, tile, openable, FruitColIdx);
}

void TCollectorBombTool::SendBack() {
  HeldFlag = false;
  ReturningFlag = true;
  TMotion::StraightLineSpeeds(X, Y, static_cast<float>(HangingPosX),
                              static_cast<float>(HangingPosY), static_cast<float>(ReturnPace),
                              SpeedX, SpeedY);
  MouseTile = {};
  ReportTile({});
}

void TCollectorBombTool::PutBack() {
  HeldFlag = false;
  ReturningFlag = false;
  X = static_cast<float>(HangingPosX);
  Y = static_cast<float>(HangingPosY);
  MouseTile = ReportedTile = {};
  FruitColIdx = 0;
}

bool TCollectorBombTool::MouseDown(int x, int y, TMouseButton button) {
  MouseX = x;
  MouseY = y;
  if (!Accessible) return false;
  if (!HeldFlag && button == TMouseButton::Left && MouseOverRect(x, y) &&
      (!Available || !EnabledFlag)) {
    // Taken, so the player hears and reads why nothing was picked up.
    if (PlaySound) PlaySound("DisabledTile");
    if (OnRefusedPress) OnRefusedPress(*this, Available ? trFlaskNotFull : trLockedHere);
    return true;
  }
  if (!Available) return false;
  if (!HeldFlag) {
    if (button != TMouseButton::Left || !EnabledFlag || !MouseOverRect(x, y)) return false;
    HeldFlag = true;
    ReturningFlag = false;
    X = static_cast<float>(x + DrawOffsetX);
    Y = static_cast<float>(y + DrawOffsetY);
    MouseTile = ReportedTile = {};
    FruitColIdx = 0;
    if (PlaySound) PlaySound("PickingTool");
    if (OnPick) OnPick(*this);
    MouseMove(x, y);  // the tile under the pick-up point counts at once
    return true;
  }
  if (button != TMouseButton::Left || !InsideGrid(x, y)) {
    SendBack();
    return true;
  }
  const TPoint tile = TileAt(x, y);
  bool openable = false, blank = false;
  if (OnObjectOpenableAsk) OnObjectOpenableAsk(*this, tile, openable, blank);
  if (blank) {
    SendBack();
  } else if (openable) {
    HeldFlag = false;
    X = static_cast<float>(HangingPosX);
    Y = static_cast<float>(HangingPosY);
    MouseTile = ReportedTile = {};
    if (OnClick) OnClick(*this, tile, {x, y});
  } else {
    if (PlaySound) PlaySound("DisabledTile");
  }
  return true;
}

void TCollectorBombTool::MouseMove(int x, int y) {
  MouseX = x;
  MouseY = y;
  if (!HeldFlag || !Available || !Accessible) return;
  X = static_cast<float>(x + DrawOffsetX);
  Y = static_cast<float>(y + DrawOffsetY);
  MouseTile = TileAt(x, y);
  if (!(MouseTile == ReportedTile)) ReportTile(MouseTile);
}

int TCollectorBombTool::HangingFrame() const {
  if (!Available || !EnabledFlag) return 3;
  if (FlashTimer > 0) return (FlashTimer / 3) % 2;
  return MouseOverRect(MouseX, MouseY) ? 1 : 0;
}

void TCollectorBombTool::UpdateAndDraw() {
  if (FlashTimer > 0) --FlashTimer;
  SparkFrame = (SparkFrame + 1) % 6;
  if (ReturningFlag) {
    const float hx = static_cast<float>(HangingPosX), hy = static_cast<float>(HangingPosY);
    bool ax = TMotion::ApproachFloat(X, hx, SpeedX);
    bool ay = TMotion::ApproachFloat(Y, hy, SpeedY);
    if ((ax && ay) || (X == hx && Y == hy)) ReturningFlag = false;
  }
  if (!Visible || !OmgImgList || ImgName.empty()) return;
  if (!HeldFlag && !ReturningFlag) {
    const std::uint8_t alpha = Available ? 255 : 100;
    OmgImgList->DrawImage(ImgName, static_cast<float>(HangingPosX), static_cast<float>(HangingPosY),
                          HangingFrame(), {.A = alpha});
    return;
  }
  OmgImgList->DrawImage(ImgName, X, Y, 2);
  if (!HeldFlag) return;
  const float w = static_cast<float>(OmgImgList->TileWidthOf(ImgName));
  const float h = static_cast<float>(OmgImgList->TileHeightOf(ImgName));
  if (ToolKind == tlBlaster && FruitColIdx >= 1 && FruitColIdx <= 18) {
    OmgImgList->DrawImage("ElementsInside", X + w / 2 - 26, Y + h / 2 - 26, FruitColIdx - 1,
                          {.ScaleX = 0.9f, .ScaleY = 0.9f, .CenterX = 0.5f, .CenterY = 0.5f});
  } else if (ToolKind == tlBomb) {
    // Sparks at the fuse, top right of the bomb.
    OmgImgList->DrawImage("BombSparks", X + w * 0.62f, Y - 6, SparkFrame, {.Blend = bmAdditive});
  }
}
