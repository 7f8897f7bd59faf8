#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardRig.h"
#include "SoundTrace.h"
#include "board/TLockerFiller.h"

namespace {
// Rows not given are holes, and so is the rest of a short row.
TBoardData HolesBut(std::vector<std::string> rows) {
  rows.resize(BoardRows);
  for (auto& r : rows) r.resize(BoardColumns, '.');
  return MakeBoard(rows);
}

struct FillRig {
  TLockerFiller filler;
  int frame = 0, finishedAt = 0, finishes = 0;
  FillRig() {
    filler.BoardLeft = 266;
    filler.BoardTop = 95;
    filler.OnFinish = [this](TLockerFiller&) {
      ++finishes;
      finishedAt = frame;
    };
  }
  // Runs one frame; the tiles it released, column by column.
  std::vector<TPoint> Frame() {
    bool before[BoardColumns + 1][BoardRows + 1] = {};
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) before[x][y] = filler.Released({x, y});
    ++frame;
    filler.UpdateAndDraw();
    std::vector<TPoint> out;
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (filler.Released({x, y}) && !before[x][y]) out.push_back({x, y});
    return out;
  }
};
}  // namespace

TEST(LockerFiller, CursorSnakesUpFromTheLastRealTileOfTheLowestRow) {
  FillRig rig;
  std::vector<std::string> rows(10, "****************");
  rows.push_back(".***************");
  rows.push_back("..***********...");
  rig.filler.Start(MakeBoard(rows));
  EXPECT_EQ(rig.filler.Cursor(), (TPoint{13, 12}));
  EXPECT_TRUE(rig.filler.Released({13, 12}));
  for (int x = 12; x >= 3; --x) EXPECT_EQ(rig.Frame(), (std::vector<TPoint>{{x, 12}}));
  // Up to column 1 of row 11, a hole: nothing is released until the cursor leaves it.
  EXPECT_TRUE(rig.Frame().empty());
  EXPECT_EQ(rig.filler.Cursor(), (TPoint{1, 11}));
  for (int x = 2; x <= 16; ++x) EXPECT_EQ(rig.Frame(), (std::vector<TPoint>{{x, 11}}));
  EXPECT_EQ(rig.Frame(), (std::vector<TPoint>{{16, 10}}));
  EXPECT_EQ(rig.Frame(), (std::vector<TPoint>{{15, 10}}));

  // Bottom rows of nothing but holes are skipped.
  FillRig high;
  rows[10] = rows[11] = std::string(16, '.');
  high.filler.GapInterval = 60;  // a step every second frame
  high.filler.Start(MakeBoard(rows));
  EXPECT_EQ(high.filler.Cursor(), (TPoint{16, 10}));
  EXPECT_TRUE(high.Frame().empty());
  EXPECT_EQ(high.Frame(), (std::vector<TPoint>{{15, 10}}));
}

TEST(LockerFiller, TilesDropAndBounceThenFinishOnceAllHaveLanded) {
  SoundTrace sounds({"ElementBounce1", "ElementBounce2"});
  FillRig rig;
  rig.filler.Start(HolesBut({"**", ".*", "..*"}));
  EXPECT_EQ(rig.filler.Cursor(), (TPoint{3, 3}));
  for (int i = 0; i < 3; ++i) rig.Frame();
  EXPECT_EQ(rig.filler.DropPos({3, 3}), 75);
  EXPECT_EQ(rig.filler.DropPos({2, 2}), 25);  // released in frame 2
  rig.Frame();
  EXPECT_FALSE(rig.filler.Landed({2, 2}));
  rig.Frame();
  EXPECT_TRUE(rig.filler.Landed({2, 2}));
  EXPECT_TRUE(rig.filler.Landed({3, 3}));
  EXPECT_EQ(rig.filler.DropPos({3, 3}), 104);
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"ElementBounce2", "ElementBounce1"}));
  // The cursor walks row 1's holes from column 16 before it reaches the two tiles.
  while (rig.finishes == 0 && rig.frame < 100) rig.Frame();
  EXPECT_EQ(rig.finishedAt, 19);
  EXPECT_FALSE(rig.filler.Running());
  // (2, 1) lies in an odd row and even column: silent.
  EXPECT_EQ(sounds.played,
            (std::vector<std::string>{"ElementBounce2", "ElementBounce1", "ElementBounce1"}));
  for (int i = 0; i < 20; ++i) rig.Frame();
  EXPECT_EQ(rig.finishes, 1);

  FillRig empty;
  empty.filler.Start(HolesBut({}));
  empty.Frame();
  EXPECT_EQ(empty.finishes, 1);
}

TEST(LockerFiller, DrawsBackgroundsElementsOfElementTilesAndChains) {
  DrawRig draw;
  FillRig rig;
  rig.filler.OmgImgList = &draw.images;
  rig.filler.GapInterval = 0;  // every tile at once
  TBoardData b = HolesBut({"1_#2"});
  b.At(1, 1).BackgroundVariant = 1;
  b.At(4, 1).ChainLevel = 2;
  rig.filler.Start(b);
  rig.Frame();
  draw.Take();
  rig.Frame();
  ASSERT_EQ(rig.finishes, 1);
  std::vector<std::string> seen;
  for (const auto& d : draw.Take()) {
    seen.push_back(d.Name + " " + std::to_string(d.Pattern) + " " +
                   std::to_string(static_cast<int>(d.X) - 266) + "," +
                   std::to_string(static_cast<int>(d.Y) - 95));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "BackgroundTile 1 -2,-2", "BackgroundTile 1 50,-2",
                      "BackgroundTile 0 102,-2", "BackgroundTile 0 154,-2",
                      "ElementsInside 1 156,0", "ElementsInside 0 0,0", "ChainLock 0 154,-2",
                      "ChainLock 5 154,-2"}));
}
