#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardRig.h"
#include "support/SoundTrace.h"
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
    filler.OnFinish = [this](TLockerFiller&) { ++finishes, finishedAt = frame; };
  }
  // One frame; the cursor afterwards, or {0, 0} when it stands on nothing it released.
  TPoint Frame() {
    ++frame;
    filler.UpdateAndDraw();
    return filler.Released(filler.Cursor()) ? filler.Cursor() : TPoint{};
  }
};
}  // namespace

TEST(LockerFiller, CursorSnakesUpFromTheLastRealTileOfTheLowestRow) {
  FillRig rig;
  std::vector<std::string> rows(10, "****************");
  rows.push_back(".***************");
  rows.push_back("..***********...");
  rig.filler.Start(MakeBoard(rows));
  EXPECT_TRUE(rig.filler.Released({13, 12}));
  EXPECT_EQ(rig.filler.Cursor(), (TPoint{13, 12}));
  for (int x = 12; x >= 3; --x) EXPECT_EQ(rig.Frame(), (TPoint{x, 12}));
  EXPECT_EQ(rig.Frame(), TPoint{});  // column 1 of row 11 is a hole
  for (int x = 2; x <= 16; ++x) EXPECT_EQ(rig.Frame(), (TPoint{x, 11}));
  EXPECT_EQ(rig.Frame(), (TPoint{16, 10}));
  EXPECT_EQ(rig.Frame(), (TPoint{15, 10}));

  FillRig high;  // bottom rows of holes only; a step every second frame
  high.filler.GapInterval = 60;
  high.filler.Start(HolesBut({"", "****"}));
  EXPECT_EQ(high.Frame(), (TPoint{4, 2}));
  EXPECT_EQ(high.Frame(), (TPoint{3, 2}));
}

TEST(LockerFiller, TilesDropAndBounceThenFinishOnceAllHaveLanded) {
  SoundTrace sounds({"ElementBounce1", "ElementBounce2"});
  FillRig rig;
  rig.filler.PlaySound = sounds.Route();
  rig.filler.Start(HolesBut({"**", ".*", "..*"}));
  for (int i = 0; i < 4; ++i) rig.Frame();
  EXPECT_EQ(rig.filler.DropPos({3, 3}), 100);
  EXPECT_EQ(rig.filler.DropPos({2, 2}), 50);  // released in frame 2
  EXPECT_FALSE(rig.filler.Landed({3, 3}));
  rig.Frame();
  EXPECT_TRUE(rig.filler.Landed({2, 2}) && rig.filler.Landed({3, 3}));
  EXPECT_EQ(rig.filler.DropPos({3, 3}), 104);
  // The cursor walks row 1's holes from column 16 before it reaches the last two tiles.
  while (rig.finishes == 0 && rig.frame < 100) rig.Frame();
  EXPECT_EQ(rig.finishedAt, 19);
  for (int i = 0; i < 20; ++i) rig.Frame();
  EXPECT_EQ(rig.finishes, 1);
  // (2, 1) lies in an odd row and an even column: silent.
  EXPECT_EQ(sounds.played,
            (std::vector<std::string>{"ElementBounce2", "ElementBounce1", "ElementBounce1"}));
}

TEST(LockerFiller, DrawsBackgroundsChainsAndOnlyTheElementsOfElementTiles) {
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
  for (const auto& d : draw.Take())
    seen.push_back(d.Name + " " + std::to_string(d.Pattern) + " " +
                   std::to_string(static_cast<int>(d.X) - 266) + "," +
                   std::to_string(static_cast<int>(d.Y) - 95));
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "BackgroundTile 1 -2,-2", "BackgroundTile 1 50,-2",
                      "BackgroundTile 0 102,-2", "BackgroundTile 0 154,-2",
                      "ElementsInside 1 156,0", "ElementsInside 0 0,0", "ChainLock 0 154,-2",
                      "ChainLock 5 154,-2"}));
}
