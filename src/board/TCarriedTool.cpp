#include "board/TCarriedTool.h"

#include <algorithm>

#include "board/TBoardData.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TCarriedTool::SetCount(int count) { Stock = std::clamp(count, 0, MaxCount); }

void TCarriedTool::Acquire() {
  if (Stock < MaxCount) ++Stock;
}

TPoint TCarriedTool::TileAt(int x, int y) const {
  if (x < BoardLeft || y < BoardTop || x >= BoardLeft + 52 * BoardColumns ||
      y >= BoardTop + 52 * BoardRows)
    return {};
  return {(x - BoardLeft) / 52 + 1, (y - BoardTop) / 52 + 1};
}

void TCarriedTool::SendBack() {
  HeldFlag = false;
  ReturningFlag = true;
  TMotion::StraightLineSpeeds(X, Y, static_cast<float>(HangingPosX),
                              static_cast<float>(HangingPosY), static_cast<float>(ReturnPace),
                              SpeedX, SpeedY);
}

void TCarriedTool::PutBack() {
  HeldFlag = ReturningFlag = false;
  X = static_cast<float>(HangingPosX);
  Y = static_cast<float>(HangingPosY);
}

bool TCarriedTool::MouseDown(int x, int y, TMouseButton button) {
  if (!Available || !Accessible || Working()) return false;
  if (!HeldFlag) {
    bool inside = x >= HangingPosX && x < HangingPosX + RectWidth && y >= HangingPosY &&
                  y < HangingPosY + RectHeight;
    if (button != TMouseButton::Left || !inside) return false;
    if (Stock == 0 || !CanPick()) {
      if (PlaySound) PlaySound("DisabledTile");
      if (OnRefusedPress) OnRefusedPress(*this, Stock == 0 ? trNoneCarried : trNothingToHit);
      return true;
    }
    HeldFlag = true;
    ReturningFlag = false;
    IdleTimer = 0;
    X = static_cast<float>(x + DrawOffsetX);
    Y = static_cast<float>(y + DrawOffsetY);
    if (PlaySound) PlaySound("PickingTool");
    return true;
  }
  const TPoint tile = TileAt(x, y);
  if (button != TMouseButton::Left || !InBoardGrid(tile)) {
    SendBack();
    return true;
  }
  bool valid = false;
  if (OnTargetValidQuestion) OnTargetValidQuestion(*this, tile, valid);
  if (!valid) {
    if (PlaySound) PlaySound("DisabledTile");
    return true;
  }
  HeldFlag = false;
  X = static_cast<float>(HangingPosX);
  Y = static_cast<float>(HangingPosY);
  --Stock;
  Use(tile, x, y);
  return true;
}

void TCarriedTool::MouseMove(int x, int y) {
  if (!HeldFlag) return;
  IdleTimer = 0;
  X = static_cast<float>(x + DrawOffsetX);
  Y = static_cast<float>(y + DrawOffsetY);
}

void TCarriedTool::UpdateAndDraw() {
  if (HeldFlag && TMotion::TimerTick(IdleTimer, IdleReturnTime)) SendBack();
  if (ReturningFlag) {
    bool ax = TMotion::ApproachFloat(X, static_cast<float>(HangingPosX), SpeedX);
    bool ay = TMotion::ApproachFloat(Y, static_cast<float>(HangingPosY), SpeedY);
    if (ax && ay) ReturningFlag = false;
  }
  UpdateWork();
  if (!Visible || !OmgImgList) return;
  DrawWork();
  if (ImgName.empty()) return;
  if (HeldFlag || ReturningFlag)
    OmgImgList->DrawImage(ImgName, X, Y, 2);
  else
    OmgImgList->DrawImage(ImgName, static_cast<float>(HangingPosX), static_cast<float>(HangingPosY),
                          Stock > 0 ? 0 : 3,
                          {.A = static_cast<std::uint8_t>(Available ? 255 : 100)});
}
