#pragma once
#include "board/TBoardData.h"

// Which "BoardBorder" pattern frames each side of a board tile. A tile has eight
// half-segments, two per side, and each is a straight piece, an inner corner or an outer
// corner by what lies around it. The frame on screen and the prepared board pictures are
// assembled by this one rule.
class TBorderPieces {
 public:
  // Half-segments in drawing order: top-left, right-upper, bottom-left, left-upper,
  // top-right, right-lower, bottom-right, left-lower.
  static constexpr int HalfSegments = 8;
  struct THalf {
    int SideX, SideY;            // the side the piece lies on
    int DirX, DirY;              // its outer end
    int Straight, Inner, Outer;  // 1-based pattern numbers
  };
  static constexpr THalf Halves[HalfSegments] = {
      {0, -1, -1, 0, 1, 9, 17},  {1, 0, 0, -1, 2, 18, 10}, {0, 1, -1, 0, 3, 19, 11},
      {-1, 0, 0, -1, 4, 12, 20}, {0, -1, 1, 0, 5, 13, 21}, {1, 0, 0, 1, 6, 22, 14},
      {0, 1, 1, 0, 7, 23, 15},   {-1, 0, 0, 1, 8, 16, 24},
  };

  // The pattern of one half-segment of tile (x, y), 0 where that side needs no frame.
  // area(x, y) says whether a tile of the grid is board area; off the grid counts as not,
  // so a tile on the edge has that side.
  template <typename TArea>
  static int PatternOf(const TArea& area, int x, int y, int half) {
    auto in = [&](int ax, int ay) { return InBoardGrid(ax, ay) && area(ax, ay); };
    if (!in(x, y)) return 0;
    const THalf& s = Halves[half];
    if (in(x + s.SideX, y + s.SideY)) return 0;
    if (!InBoardGrid(x + s.DirX, y + s.DirY)) return s.Outer;
    if (in(x + s.SideX + s.DirX, y + s.SideY + s.DirY)) return s.Inner;
    if (!in(x + s.DirX, y + s.DirY)) return s.Outer;
    return s.Straight;
  }
};
