// The board frame assembled from its 24 pieces by the game's rules has no gaps: every
// point just outside the board area is covered, nothing far from it is.
#include <gtest/gtest.h>

#include <cmath>

#include "AssetgenTestSupport.h"
#include "Generator.h"
#include "Painters.h"

using namespace assetgen;

namespace {

struct TShape {
  const char* Name;
  std::vector<std::string> Rows;
};

// Distance from a point (board pixels, origin at the grid's top-left) to the board area.
double DistanceToArea(const std::vector<unsigned char>& mask, double px, double py) {
  int cx = static_cast<int>(std::floor(px / 52)), cy = static_cast<int>(std::floor(py / 52));
  double best = 1e9;
  for (int x = cx - 1; x <= cx + 1; ++x)
    for (int y = cy - 1; y <= cy + 1; ++y) {
      if (x < 0 || x > 15 || y < 0 || y > 11 || !mask[x * 12 + y]) continue;
      double dx = std::max({x * 52.0 - px, 0.0, px - (x + 1) * 52.0});
      double dy = std::max({y * 52.0 - py, 0.0, py - (y + 1) * 52.0});
      best = std::min(best, std::hypot(dx, dy));
    }
  return best;
}

void CheckShape(const TShape& shape) {
  TAssetSpec asset;
  asset.Name = shape.Name;
  asset.TileWidth = 853;
  asset.TileHeight = 647;
  asset.Paint = PaintBoardPicture;
  asset.BoardMask.assign(192, 0);
  int firstCol = 16, firstRow = 12;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x)
      if (shape.Rows[y][x] == '#') {
        asset.BoardMask[x * 12 + y] = 1;
        firstCol = std::min(firstCol, x);
        firstRow = std::min(firstRow, y);
      }
  TPicture p = RenderPicture(asset);
  // The picture's origin lies 10 left of and 11 above the first used tile.
  double ox = firstCol * 52.0 - 10, oy = firstRow * 52.0 - 11;
  int gaps = 0, strays = 0;
  for (int y = 0; y < p.Height; ++y)
    for (int x = 0; x < p.Width; ++x) {
      double d = DistanceToArea(asset.BoardMask, ox + x + 0.5, oy + y + 0.5);
      int alpha = p.Row(y)[x * 4 + 3];
      if (d >= 1 && d <= 9 && alpha != 255) ++gaps;
      if (d > 13 && d < 1e8 && alpha != 0) ++strays;
      if (d >= 1e8 && alpha != 0) ++strays;
    }
  EXPECT_EQ(gaps, 0) << shape.Name;
  EXPECT_EQ(strays, 0) << shape.Name;
}

}  // namespace

TEST(BoardFrame, FullBoard) {
  CheckShape({"full", std::vector<std::string>(12, std::string(16, '#'))});
}

TEST(BoardFrame, HolesStepsAndIslandsJoinWithoutGaps) {
  CheckShape({"shaped",
              {"####............",
               "########........",
               "################",
               "###..###########",
               "###..#####.#####",
               "################",
               "#.#.############",
               "################",
               "######....######",
               "######.##.######",
               "######....######",
               "##############.#"}});
}

TEST(BoardFrame, SingleTilesAndDiagonalNeighbours) {
  CheckShape({"sparse",
              {"................",
               ".#..............",
               "..#.............",
               "................",
               "....#.#.........",
               ".....#..........",
               "....#.#.........",
               "................",
               "..........##....",
               "..........##....",
               "................",
               "................"}});
}

TEST(BoardFrame, PiecesMatchTheTablesNumbering) {
  // Each of the 24 patterns holds exactly one piece: 8 half-sides x 3 kinds.
  int seen[8][3] = {};
  for (int p = 0; p < 24; ++p) {
    int seg = -1, kind = -1;
    ASSERT_TRUE(BorderPatternPiece(p, seg, kind)) << p;
    ++seen[seg][kind];
  }
  for (auto& s : seen)
    for (int k : s) EXPECT_EQ(k, 1);
  // A lone tile shows outer corners only: patterns 17, 21, 10, 14, 11, 15, 20 and 24.
  for (int number : {17, 21, 10, 14, 11, 15, 20, 24}) {
    int seg, kind;
    BorderPatternPiece(number - 1, seg, kind);
    EXPECT_EQ(kind, 2) << number;
  }
}
