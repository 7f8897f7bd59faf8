// The rules the board shares with the bot and the level designer's simulator. Where a rule
// is a shortcut of what the board does frame by frame (where falling tiles come to rest),
// it is held against the board itself on many random boards.
#include <gtest/gtest.h>

#include "BoardRig.h"
#include "board/TBoardRules.h"
#include "engine/TLcgRandom.h"

namespace {
// A random board with every kind of tile: elements of a few colours (so runs happen),
// lockers, potions, eaten fruits, chains, holes, decorative tiles and blockers. Each tile
// carries its own number in BlasterColor, which travels with it when it falls.
TBoardData RandomBoard(TLcgRandom& random, int colours) {
  TBoardData b{};
  int id = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = b.At(x, y);
      t.BlasterColor = ++id;
      t.LockerColor = static_cast<std::uint8_t>(1 + random.Random(3));
      t.Element = static_cast<std::uint8_t>(1 + random.Random(colours));
      int kind = random.Random(100);
      if (kind < 6) {
        t.ObjectKind = okUnused;
        t.BackgroundVariant = static_cast<std::uint8_t>(random.Random(2));
      } else if (kind < 8) {
        t.ObjectKind = okBlocker;
      } else if (kind < 20) {
        t.ObjectKind = okLocker;
      } else {
        t.ObjectKind = okFruit;
        if (kind < 23) t.Element = ecPotion1;
        if (kind == 23) t.WormState = wsEaten;
      }
      if (t.IsLockerOrElement() && random.Random(12) == 0)
        t.ChainLevel = static_cast<std::uint8_t>(1 + random.Random(2));
    }
  return b;
}
}  // namespace

TEST(BoardRules, OneTileAndWholeBoardRunSearchesAgree) {
  TLcgRandom random(77);
  for (int round = 0; round < 300; ++round) {
    TBoardData b = RandomBoard(random, 3 + round % 4);
    TSimpleObjectArray all = TBoardRules::AllRuns(b);
    // The whole-board search is the union of the board's per-colour searches.
    TSimpleObjectArray byColour;
    for (int c = 1; c <= 3; ++c) {
      TSimpleObjectArray runs = TBoardRules::FindRuns(b, TBoardRules::AllResting(), true, c);
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (runs.IsSet(x, y)) byColour.Set(x, y);
    }
    for (int c = 1; c <= ecPotion2; ++c) {
      TSimpleObjectArray runs = TBoardRules::FindRuns(b, TBoardRules::AllResting(), false, c);
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (runs.IsSet(x, y)) byColour.Set(x, y);
    }
    ASSERT_EQ(all, byColour) << round;
    EXPECT_EQ(TBoardRules::AnyMatch(b, TBoardRules::AllResting()), all.Any()) << round;
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        ASSERT_EQ(TBoardRules::InRun(b, x, y), all.IsSet(x, y)) << round << " " << x << "," << y;
        TSimpleObjectArray through = TBoardRules::RunsThrough(b, x, y);
        EXPECT_EQ(through.IsSet(x, y), all.IsSet(x, y)) << round << " " << x << "," << y;
        for (int i = 1; i <= BoardColumns; ++i)
          for (int j = 1; j <= BoardRows; ++j)
            if (through.IsSet(i, j)) {
              ASSERT_TRUE(all.IsSet(i, j)) << round;
              ASSERT_TRUE(i == x || j == y) << round;  // only its own row and column
            }
      }
  }
}

TEST(BoardRules, CollapseLeavesEveryTileWhereTheBoardsFallingDoes) {
  TLcgRandom random(2024);
  for (int round = 0; round < 150; ++round) {
    TBoardData start = RandomBoard(random, 8);
    // Emptied tiles: what a match, a blast or a strike takes (never a chained tile).
    TSimpleObjectArray removed;
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        const TBoardTile& t = start.At(x, y);
        if (t.IsLockerOrElement() && t.ChainLevel == 0 && random.Random(4) == 0)
          removed.Set(x, y);
      }

    BoardRig r;
    r.board.LoadBoard(start);
    r.board.CanMatch = false;  // only the falling is compared
    r.board.RemoveGrouped(removed);
    int frames = 0;
    auto busy = [&r] {
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (r.S(x, y) == tsFalling || r.T(x, y).ObjectKind == okTempBlank) return true;
      return false;
    };
    while (busy() && frames < 2000) {
      r.Frames(1);
      ++frames;
    }
    ASSERT_LT(frames, 2000) << round;

    TBoardData jumped = start;
    TBoardTile fresh;
    fresh.ObjectKind = okFruit;
    fresh.BlasterColor = -1;
    TBoardRules::Collapse(jumped, removed, [&fresh] { return fresh; });
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        const TBoardTile& want = jumped.At(x, y);
        const TBoardTile& got = r.T(x, y);
        ASSERT_NE(want.ObjectKind, okTempBlank) << round;
        if (want.BlasterColor == -1) {
          // A new element: the board spawned one here too, whatever it is.
          EXPECT_EQ(got.ObjectKind, okFruit) << round << " " << x << "," << y;
          continue;
        }
        ASSERT_EQ(got.BlasterColor, want.BlasterColor) << round << " " << x << "," << y;
        EXPECT_EQ(got.ObjectKind, want.ObjectKind) << round << " " << x << "," << y;
        EXPECT_EQ(got.MatchColour(), want.MatchColour()) << round << " " << x << "," << y;
      }
  }
}

TEST(BoardRules, SegmentsEndAtHoldersAndPotionsRestOnTheirBottom) {
  TBoardData b = MakeBoard({"*", "*", ".", "*", "*", "*", "#", "*", "_", "*", "h", "*"});
  b.At(1, 5).ChainLevel = 1;
  // Column 1: rows 1-2 end on the hole, row 4 on the chain below it, row 6 lies between
  // the chain and the blocker, row 8 rests on the decorative tile, rows 10-12 on the edge.
  EXPECT_EQ(TBoardRules::SegmentTop(b, 1, 2), 1);
  EXPECT_EQ(TBoardRules::SegmentBottom(b, 1, 1), 2);
  EXPECT_EQ(TBoardRules::SegmentTop(b, 1, 4), 4);
  EXPECT_EQ(TBoardRules::SegmentBottom(b, 1, 4), 4);
  EXPECT_EQ(TBoardRules::SegmentTop(b, 1, 6), 6);
  EXPECT_EQ(TBoardRules::SegmentBottom(b, 1, 6), 6);
  EXPECT_EQ(TBoardRules::SegmentBottom(b, 1, 8), 8);
  EXPECT_EQ(TBoardRules::SegmentTop(b, 1, 12), 10);
  EXPECT_FALSE(TBoardRules::CanFallFurther(b, 1, 10));
  EXPECT_FALSE(TBoardRules::PotionOnBottom(b, {1, 11}));
  b.At(1, 12).ObjectKind = okTempBlank;
  EXPECT_TRUE(TBoardRules::CanFallFurther(b, 1, 10));
  EXPECT_TRUE(TBoardRules::PotionOnBottom(b, {1, 11}));  // over an emptied tile
  for (int y : {2, 6, 8}) b.At(1, y).Element = ecPotion2;
  EXPECT_TRUE(TBoardRules::PotionOnBottom(b, {1, 2}));    // over a hole
  EXPECT_TRUE(TBoardRules::PotionOnBottom(b, {1, 6}));    // over a blocker
  EXPECT_FALSE(TBoardRules::PotionOnBottom(b, {1, 8}));   // a decorative tile keeps it
  EXPECT_FALSE(TBoardRules::PotionOnBottom(b, {1, 10}));  // no potion

  // Collapse closes each segment on its own; new tiles come lowest segment first.
  TBoardData c = MakeBoard({"1", "2", "3", ".", "4", "5", "6"});
  TSimpleObjectArray removed;
  removed.Set(1, 2);
  removed.Set(1, 6);
  int next = 11;
  TBoardRules::Collapse(c, removed, [&next] {
    TBoardTile t;
    t.ObjectKind = okFruit;
    t.Element = static_cast<std::uint8_t>(next++);
    return t;
  });
  EXPECT_EQ(c.At(1, 3).Element, 3);
  EXPECT_EQ(c.At(1, 2).Element, 1);
  EXPECT_EQ(c.At(1, 1).Element, 12);
  EXPECT_EQ(c.At(1, 4).ObjectKind, okUnused);
  EXPECT_EQ(c.At(1, 7).Element, 6);
  EXPECT_EQ(c.At(1, 6).Element, 4);
  EXPECT_EQ(c.At(1, 5).Element, 11);
  EXPECT_EQ(c.At(2, 6).Element, FillerColour(2, 6));  // other columns stay
}

TEST(BoardRules, NewColoursAndToolAreasAreTheBoards) {
  // The board's draw of a new colour and the same draw from a generator of one's own.
  TElementSet set = TElementSet::Range(1, 5);
  set.Include(14);
  TGameBoard board;
  board.SetAvailableElements(set);
  TGameRandom::SetSeed(31337);
  TLcgRandom own(31337);
  for (int i = 0; i < 500; ++i)
    ASSERT_EQ(board.RandomColour(),
              TBoardRules::RandomColour(set, [&own](int n) { return own.Random(n); }))
        << i;
  EXPECT_EQ(TGameRandom::Seed(), own.Seed());
  EXPECT_EQ(TBoardRules::RandomColour(TElementSet{}, [](int) { return 0; }), 1);

  EXPECT_EQ(TBoardRules::ToolArea(tlHammer, {3, 3}).Count(), 1);
  EXPECT_EQ(TBoardRules::ToolArea(tlBomb, {3, 3}), TGameBoard::SmallBombShape({3, 3}));
  EXPECT_EQ(TBoardRules::ToolArea(tlBomb, {16, 12}).Count(), 1);
  EXPECT_EQ(TBoardRules::ToolArea(tlBigBomb, {8, 6}).Count(), 45);
  EXPECT_EQ(TBoardRules::ToolArea(tlHorzLightning, {5, 2}).Count(), BoardColumns);
  EXPECT_TRUE(TBoardRules::ToolArea(tlVertLightning, {5, 2}).IsSet(5, 12));
  EXPECT_FALSE(TBoardRules::ToolArea(tlBlaster, {5, 2}).Any());
  EXPECT_FALSE(TBoardRules::ToolArea(tlHammer, {0, 2}).Any());
}
