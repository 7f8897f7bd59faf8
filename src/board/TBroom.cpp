#include "board/TBroom.h"

#include <cmath>

#include "board/TGameBoard.h"
#include "engine/TOmegaImageList.h"

bool TBroom::IsValidTarget(const TGameBoard& board, TPoint tile) {
  if (!InBoardGrid(tile)) return false;
  const TBoardTile& t = board.Tile(tile);
  return t.IsLockerOrElement() && t.Web != 0 && t.ChainLevel == 0;
}

void TBroom::Use(TPoint tile, int, int) {
  SweptTile = tile;
  SweepFrame = 1;
}

void TBroom::UpdateWork() {
  if (SweepFrame == 0) return;
  if (++SweepFrame > SweepFrames) {
    SweepFrame = 0;
    if (OnTileBroomingFinished) OnTileBroomingFinished(*this, SweptTile);
  }
}

void TBroom::DrawWork() {
  if (SweepFrame == 0 || ImgName.empty()) return;
  // Three strokes across the tile, the broom leaning into each.
  const float phase = static_cast<float>(SweepFrame) / SweepFrames * 3 * 2 * 3.14159265f;
  const float dx = SweepSwing * std::sin(phase);
  OmgImgList->DrawImage(ImgName, BoardLeft + 52.0f * (SweptTile.X - 1) + dx - 4,
                        BoardTop + 52.0f * (SweptTile.Y - 1) - 20, 2,
                        {.CenterX = 0.5f, .CenterY = 0.9f, .Angle = dx});
}
