#include "effects/TGlobalShine.h"

#include "engine/TOmegaImageList.h"

void TGlobalShine::SetBoard(const TBoardData& board) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) Area[x - 1][y - 1] = !board.At(x, y).IsHole();
}

void TGlobalShine::Reset() {
  ShineTimer = 0;
  SweepStep = 0;
  SweepActive = false;
  for (auto& column : Frame)
    for (int& f : column) f = -1;
}

int TGlobalShine::LitFrames(TPoint tile) const {
  if (!InBoardGrid(tile)) return 0;
  int f = Frame[tile.X - 1][tile.Y - 1];
  return f < 0 || !Area[tile.X - 1][tile.Y - 1] ? 0 : ShineFrameCount - f;
}

void TGlobalShine::UpdateAndDraw() {
  if (!Visible) return;
  ShineTimer += TickMilliseconds;
  if (ShineTimer >= ShineInterval) {
    bool canDraw = true;
    if (OnCanDrawConfirm) OnCanDrawConfirm(*this, canDraw);
    if (canDraw) {
      for (auto& column : Frame)
        for (int& f : column) f = -1;
      ShineTimer = 0;
      SweepActive = true;
      SweepStep = 0;
    }
  }
  if (SweepActive) {
    if (++SweepStep > SweepLength) {
      SweepActive = false;
    } else {
      for (int x = 1; x <= BoardColumns; ++x) {
        int y = SweepStep + 1 - x;
        if (y >= 1 && y <= BoardRows) Frame[x - 1][y - 1] = 0;
      }
    }
  }
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      int& f = Frame[x - 1][y - 1];
      if (f < 0) continue;
      if (Area[x - 1][y - 1] && OmgImgList)
        OmgImgList->DrawImage("TileShine", static_cast<float>(BoardLeft + 52 * (x - 1)),
                              static_cast<float>(BoardTop + 52 * (y - 1)), f,
                              {.A = static_cast<std::uint8_t>(ShineAlpha), .Blend = bmAdditive});
      if (++f >= ShineFrameCount) f = -1;
    }
}
