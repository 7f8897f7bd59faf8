#include <gtest/gtest.h>

#include "board/BoardRig.h"
#include "effects/TBoardBorder.h"

namespace {
TBoardData HolesExcept(std::initializer_list<TPoint> tiles) {
  TBoardData b = MakeBoard({});
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) b.At(x, y) = TBoardTile{};  // holes
  for (TPoint p : tiles) b.At(p).ObjectKind = okFruit;
  return b;
}

std::vector<int> Patterns(const TBoardBorder& border, TPoint p) {
  std::vector<int> out;
  for (int h = 0; h < TBoardBorder::HalfSegments; ++h) out.push_back(border.SegmentPattern(p, h));
  return out;
}
}  // namespace

TEST(BoardBorder, CornerPiecesFollowTheShapeOfTheArea) {
  TBoardBorder border;
  // A lone tile: every half-segment is an outer corner.
  border.SetBoard(HolesExcept({{5, 5}}));
  EXPECT_EQ(Patterns(border, {5, 5}), (std::vector<int>{17, 10, 11, 20, 21, 14, 15, 24}));
  EXPECT_EQ(Patterns(border, {6, 5}), std::vector<int>(8, 0));

  // Two tiles in a row: the shared side has no pieces; the top reads 17, 5, 1, 21.
  border.SetBoard(HolesExcept({{5, 5}, {6, 5}}));
  auto left = Patterns(border, {5, 5}), right = Patterns(border, {6, 5});
  EXPECT_EQ(left[0], 17);
  EXPECT_EQ(left[4], 5);
  EXPECT_EQ(right[0], 1);
  EXPECT_EQ(right[4], 21);
  EXPECT_EQ(left[1], 0);
  EXPECT_EQ(left[5], 0);
  EXPECT_EQ(right[3], 0);
  EXPECT_EQ(right[7], 0);

  // A full board with one hole: inner corners around the hole, outer ones at the grid's
  // corners, a decorative empty tile counts as board area.
  TBoardData full = MakeBoard({});
  full.At(5, 5) = TBoardTile{};
  full.At(9, 9).ObjectKind = okUnused;
  full.At(9, 9).BackgroundVariant = 1;
  border.SetBoard(full);
  EXPECT_EQ(border.SegmentPattern({5, 4}, 2), 19);  // bottom side, left half
  EXPECT_EQ(border.SegmentPattern({5, 4}, 6), 23);  // bottom side, right half
  EXPECT_EQ(border.SegmentPattern({4, 5}, 1), 18);  // right side, upper half
  EXPECT_EQ(border.SegmentPattern({1, 1}, 0), 17);
  EXPECT_EQ(border.SegmentPattern({1, 1}, 3), 20);
  EXPECT_EQ(border.SegmentPattern({2, 1}, 0), 1);
  EXPECT_EQ(border.SegmentPattern({16, 12}, 5), 14);
  EXPECT_EQ(Patterns(border, {9, 9}), std::vector<int>(8, 0));
  EXPECT_TRUE(border.InArea({9, 9}));
  EXPECT_FALSE(border.InArea({5, 5}));
}

TEST(BoardBorder, AppearsFromTheMiddleAndVanishesFromTheSides) {
  DrawRig draw;
  draw.Add("BoardBorder", 4, 6);
  TBoardBorder border;
  border.OmgImgList = &draw.images;
  border.BoardLeft = 100;
  border.BoardTop = 50;
  border.SetBoard(MakeBoard({}));

  border.UpdateAndDraw();  // idle: nothing
  EXPECT_TRUE(draw.Take().empty());

  border.Appear();
  int started8 = 0, started1 = 0, opaque8 = 0;
  for (int update = 1; update <= 60; ++update) {
    border.UpdateAndDraw();
    auto quads = draw.Take();
    if (!started8 && border.Alpha({8, 1}) > 0) {
      started8 = update;
      EXPECT_EQ(border.Alpha({9, 12}), 25);
      // The pieces of a tile are drawn with its successive alphas.
      ASSERT_FALSE(quads.empty());
      EXPECT_EQ(quads[0].Alpha, 4 * 255 / 256);  // the screen truncates
      EXPECT_EQ(quads[0].Pattern, 0);  // the top piece of (8, 1) is straight
      EXPECT_FLOAT_EQ(quads[0].X, 100 + 52 * 7 - 11);
      EXPECT_FLOAT_EQ(quads[0].Y, 50 - 12);
    }
    if (!started1 && border.Alpha({1, 5}) > 0) started1 = update;
    if (!opaque8 && border.Alpha({8, 6}) == 255) opaque8 = update;
  }
  EXPECT_EQ(started8 * 30, 120);
  EXPECT_EQ(started1 * 30, 960);
  EXPECT_EQ(border.Alpha({16, 5}), border.Alpha({1, 5}));
  EXPECT_EQ(opaque8 - started8 + 1, 11);

  for (int i = 0; i < 40; ++i) border.UpdateAndDraw();
  border.Vanish();
  int fading1 = 0, zero1 = 0, fading8 = 0;
  for (int update = 1; update <= 40; ++update) {
    border.UpdateAndDraw();
    if (!fading1 && border.Alpha({1, 3}) < 255) fading1 = update;
    if (!zero1 && border.Alpha({1, 3}) == 0) zero1 = update;
    if (!fading8 && border.Alpha({8, 3}) < 255) fading8 = update;
  }
  EXPECT_EQ(fading1 * 30, 60);
  EXPECT_EQ(zero1 - fading1 + 1, 5);
  EXPECT_EQ(fading8 * 30, 480);
  EXPECT_EQ(border.Alpha({9, 3}), 0);
  draw.Take();
  border.UpdateAndDraw();  // fully faded: nothing left to see
  EXPECT_TRUE(draw.Take().empty());

  border.Appear();
  border.Reset();
  for (int i = 0; i < 10; ++i) border.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
}
