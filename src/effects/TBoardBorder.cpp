#include "effects/TBoardBorder.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

void TBoardBorder::SetBoard(const TBoardData& board) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      Area[x - 1][y - 1] = !board.At(x, y).IsHole();
      Alphas[x - 1][y - 1] = 0;
    }
  auto area = [this](int x, int y) { return Area[x - 1][y - 1]; };
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (int h = 0; h < HalfSegments; ++h)
        Patterns[x - 1][y - 1][h] = TBorderPieces::PatternOf(area, x, y, h);
}

int TBoardBorder::SegmentPattern(TPoint tile, int halfSegment) const {
  if (!InBoardGrid(tile) || halfSegment < 0 || halfSegment >= HalfSegments) return 0;
  return Patterns[tile.X - 1][tile.Y - 1][halfSegment];
}

void TBoardBorder::Appear() {
  for (auto& column : Alphas) std::fill(std::begin(column), std::end(column), 0);
  LeftSweep = 8;
  RightSweep = 9;
  Timer = 0;
  CurrentState = bsAppearing;
}

void TBoardBorder::Vanish() {
  LeftSweep = 1;
  RightSweep = BoardColumns;
  Timer = 0;
  CurrentState = bsVanishing;
}

void TBoardBorder::Reset() {
  CurrentState = bsIdle;
  Timer = 0;
}

void TBoardBorder::StepAlpha(int& alpha) const {
  if (CurrentState == bsAppearing) {
    if (alpha > 0) alpha = std::min(255, alpha + AlphaInc);
  } else if (alpha < 255) {
    alpha = std::max(0, alpha - AlphaDec);
  }
}

void TBoardBorder::UpdateAndDraw() {
  if (!Visible || CurrentState == bsIdle) return;
  Timer += TickMilliseconds;
  if (CurrentState == bsAppearing && Timer >= IncUpdateInterval) {
    Timer = 0;
    for (int y = 1; y <= BoardRows; ++y)
      for (int column : {LeftSweep, RightSweep})
        if (Alphas[column - 1][y - 1] == 0) Alphas[column - 1][y - 1] = 1;
    LeftSweep = std::max(1, LeftSweep - 1);
    RightSweep = std::min(BoardColumns, RightSweep + 1);
  } else if (CurrentState == bsVanishing && Timer >= DecUpdateInterval) {
    Timer = 0;
    for (int y = 1; y <= BoardRows; ++y)
      for (int column : {LeftSweep, RightSweep})
        if (Alphas[column - 1][y - 1] == 255) Alphas[column - 1][y - 1] = 254;
    LeftSweep = std::min(8, LeftSweep + 1);
    RightSweep = std::max(9, RightSweep - 1);
  }

  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!Area[x - 1][y - 1]) continue;
      int& alpha = Alphas[x - 1][y - 1];
      for (int h = 0; h < HalfSegments; ++h) {
        StepAlpha(alpha);
        int pattern = Patterns[x - 1][y - 1][h];
        if (pattern == 0 || alpha == 0 || !OmgImgList) continue;
        OmgImgList->DrawImage("BoardBorder", static_cast<float>(BoardLeft + 52 * (x - 1) - 11),
                              static_cast<float>(BoardTop + 52 * (y - 1) - 12), pattern - 1,
                              {.A = static_cast<std::uint8_t>(alpha)});
      }
    }
}
