#include "effects/TBoardBorder.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

namespace {
struct THalf {
  int SideX, SideY;  // the side the piece lies on
  int DirX, DirY;    // its outer end
  int Straight, Inner, Outer;
};
constexpr THalf Halves[TBoardBorder::HalfSegments] = {
    {0, -1, -1, 0, 1, 9, 17}, {1, 0, 0, -1, 2, 18, 10}, {0, 1, -1, 0, 3, 19, 11},
    {-1, 0, 0, -1, 4, 12, 20}, {0, -1, 1, 0, 5, 13, 21}, {1, 0, 0, 1, 6, 22, 14},
    {0, 1, 1, 0, 7, 23, 15},  {-1, 0, 0, 1, 8, 16, 24},
};
}  // namespace

void TBoardBorder::SetBoard(const TBoardData& board) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      Area[x - 1][y - 1] = !board.At(x, y).IsHole();
      Alphas[x - 1][y - 1] = 0;
    }
  auto area = [this](int x, int y) { return InBoardGrid(x, y) && Area[x - 1][y - 1]; };
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (int h = 0; h < HalfSegments; ++h) {
        int& pattern = Patterns[x - 1][y - 1][h];
        pattern = 0;
        if (!area(x, y)) continue;
        const THalf& s = Halves[h];
        // Off the grid counts as "not board area", so a tile on the edge has that side.
        if (area(x + s.SideX, y + s.SideY)) continue;
        if (!InBoardGrid(x + s.DirX, y + s.DirY)) pattern = s.Outer;
        else if (area(x + s.SideX + s.DirX, y + s.SideY + s.DirY)) pattern = s.Inner;
        else if (!area(x + s.DirX, y + s.DirY)) pattern = s.Outer;
        else pattern = s.Straight;
      }
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
