#include <gtest/gtest.h>

#include "BoardRig.h"

namespace {
TSimpleObjectArray Mask(std::initializer_list<TPoint> tiles) {
  TSimpleObjectArray m;
  for (TPoint p : tiles) m.Set(p);
  return m;
}
}  // namespace

TEST(BoardGravity, ARowTwelveGapLandsInTheSixthFrameAndIsCheckedInTheTenth) {
  BoardRig r;
  r.Load({});
  TBoardData before = r.board.BoardData();
  r.board.RemoveGrouped(Mask({{1, 12}}));
  for (int y = 1; y <= 12; ++y) EXPECT_EQ(r.S(1, y), tsFalling) << y;
  EXPECT_EQ(r.S(2, 12), tsIdle);

  r.Frames(5);
  EXPECT_EQ(r.T(1, 5).FallOffset, 50);
  EXPECT_EQ(r.S(1, 5), tsFalling);
  EXPECT_EQ(r.lockerChecks, 0);
  r.Frames(1);  // landing frame
  for (int y = 1; y <= 12; ++y) EXPECT_EQ(r.S(1, y), tsIdle) << y;
  for (int y = 1; y <= 11; ++y) EXPECT_EQ(r.T(1, y + 1).Element, before.At(1, y).Element) << y;
  EXPECT_EQ(r.T(1, 1).ObjectKind, okFruit);  // spawned at the top
  EXPECT_EQ(r.T(1, 12).FallOffset, 0);
  EXPECT_EQ(r.lockerChecks, 1);  // lockers at once
  EXPECT_FALSE(r.board.BounceStill({1, 3}));
  EXPECT_TRUE(r.board.BounceStill({2, 3}));
  EXPECT_EQ(r.board.UniSpawnCounter(), 1);
  r.Frames(8);
  EXPECT_EQ(r.elementChecks, 0);
  r.Frames(1);  // the 10th frame counted from the landing frame
  EXPECT_EQ(r.elementChecks, 1);
  r.Frames(20);
  EXPECT_EQ(r.elementChecks, 1);
}

TEST(BoardGravity, ChainsHolesAndBlockersHoldTheColumn) {
  BoardRig r;
  std::vector<std::string> rows(12, "");
  rows[4] = "*.#";  // (2, 5) hole, (3, 5) blocker
  r.Load(rows);
  r.board.EditTile({1, 5}).ChainLevel = 1;
  r.board.SetTileState({1, 5}, tsAnchored);
  TBoardData before = r.board.BoardData();
  r.board.RemoveGrouped(Mask({{1, 6}, {2, 6}, {3, 6}}));
  for (int x = 1; x <= 3; ++x) {
    EXPECT_EQ(r.S(x, 4), tsIdle) << x;  // nothing above the holder moves
    EXPECT_EQ(r.S(x, 6), tsFalling) << x;
  }
  r.Frames(6);
  for (int x = 1; x <= 3; ++x) {
    EXPECT_EQ(r.S(x, 6), tsIdle) << x;
    EXPECT_EQ(r.T(x, 6).ObjectKind, okFruit) << x;  // refilled in place
    EXPECT_EQ(r.T(x, 4).Element, before.At(x, 4).Element) << x;
  }
  EXPECT_EQ(r.T(3, 5).ObjectKind, okBlocker);
  EXPECT_EQ(r.board.UniSpawnCounter(), 3);
}

TEST(BoardGravity, TwoGapsDropTheColumnTwoRowsAndSpawnTwice) {
  BoardRig r;
  r.Load({});
  TBoardData before = r.board.BoardData();
  r.board.RemoveGrouped(Mask({{4, 11}, {4, 12}}));
  int frames = 0;
  bool busy = true;
  while (busy && frames < 100) {
    r.Frames(1);
    ++frames;
    busy = false;
    for (int y = 1; y <= 12; ++y) busy |= r.S(4, y) != tsIdle;
  }
  EXPECT_EQ(frames, 12);
  for (int y = 1; y <= 10; ++y) EXPECT_EQ(r.T(4, y + 2).Element, before.At(4, y).Element) << y;
  EXPECT_EQ(r.board.UniSpawnCounter(), 2);
  EXPECT_EQ(r.lockerChecks, 1);  // settled once, when the whole column rests
}

TEST(BoardGravity, FrozenStopsMovingButNotMarking) {
  BoardRig r;
  r.Load({});
  r.board.Frozen = true;
  r.board.EditTile({2, 12}).ObjectKind = okTempBlank;
  r.Frames(10);
  EXPECT_EQ(r.S(2, 5), tsFalling);  // marked while frozen
  EXPECT_EQ(r.T(2, 5).FallOffset, 0);
  r.board.Frozen = false;
  r.Frames(5);
  EXPECT_EQ(r.T(2, 5).FallOffset, 50);
  r.Frames(1);
  EXPECT_EQ(r.S(2, 5), tsIdle);
  // The settle timer waits while frozen.
  r.board.Frozen = true;
  r.Frames(20);
  EXPECT_EQ(r.elementChecks, 0);
  r.board.Frozen = false;
  r.Frames(10);
  EXPECT_EQ(r.elementChecks, 1);
}

TEST(BoardGravity, TilesAboveASwappingTileWaitUntilItsSwapHasEnded) {
  BoardRig r;
  r.Load({});
  TBoardData before = r.board.BoardData();
  // (5, 6) and (6, 6) swap while the tile under (5, 6) is emptied.
  r.board.TileClick({5, 6});
  r.board.TileClick({6, 6});
  ASSERT_EQ(r.S(5, 6), tsSwapping);
  r.board.RemoveGrouped(Mask({{5, 7}}));
  // For as long as the swap runs (forth and back), nothing above it slides.
  int firstMoved = 0;
  for (int frame = 1; frame <= 17 && firstMoved == 0; ++frame) {
    r.Frames(1);
    for (int y = 1; y <= 5; ++y)
      if (r.S(5, y) != tsIdle || r.T(5, y).FallOffset != 0 ||
          r.T(5, y).Element != before.At(5, y).Element)
        firstMoved = frame;
  }
  EXPECT_EQ(firstMoved, 0);
  // The swap has gone forth and back: the whole column above the gap drops one row.
  r.board.ClearSwapStates({5, 6}, {6, 6});
  r.Frames(1);
  for (int y = 1; y <= 7; ++y) EXPECT_EQ(r.S(5, y), tsFalling) << y;
  r.Frames(5);
  for (int y = 1; y <= 6; ++y) EXPECT_EQ(r.T(5, y + 1).Element, before.At(5, y).Element) << y;
  for (int y = 1; y <= 12; ++y) EXPECT_EQ(r.S(5, y), tsIdle) << y;
}

TEST(BoardSpawning, UniBubbleEveryHundredNewElementsWhileUnderTheCap) {
  BoardRig r;
  r.Load({});
  int added = 0;
  r.board.OnFruitBubbleAdded = [&](TGameBoard&) { ++added; };
  auto spawnOne = [&] {
    r.board.RemoveGrouped(Mask({{16, 1}}));
    r.Frames(6);
    return r.T(16, 1).Element;
  };
  for (int i = 1; i < 100; ++i) ASSERT_NE(spawnOne(), ecUniBubble) << i;
  EXPECT_EQ(spawnOne(), ecUniBubble);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(r.board.UniSpawnCounter(), 0);

  // At the cap the counter keeps growing; the next chance after the bubble goes is taken.
  r.board.EditTile({16, 1}).Element = 1;
  r.board.EditTile({10, 10}).Element = ecUniBubble;
  for (int i = 0; i < 120; ++i) ASSERT_NE(spawnOne(), ecUniBubble);
  EXPECT_EQ(r.board.UniSpawnCounter(), 120);
  r.board.EditTile({10, 10}).Element = 1;
  EXPECT_EQ(spawnOne(), ecUniBubble);
  EXPECT_EQ(added, 2);

  // Interval 0 never spawns one.
  r.board.OneUniFruitEveryInterval = 0;
  r.board.EditTile({16, 1}).Element = 1;
  for (int i = 0; i < 150; ++i) ASSERT_NE(spawnOne(), ecUniBubble);
}

TEST(BoardSpawning, FruitBombsAndItemsFollowTheirCountersCapsAndChances) {
  BoardRig r;
  r.Load({});
  r.board.OneUniFruitEveryInterval = 0;
  r.board.OneFruitBombEveryInterval = 3;
  r.board.MaxFruitBombsOnBoard = 1;
  int bombs = 0, hammers = 0;
  r.board.OnFruitBombAdded = [&](TGameBoard&) { ++bombs; };
  r.board.OnHammerAdded = [&](TGameBoard&) { ++hammers; };
  auto spawnOne = [&] {
    r.board.RemoveGrouped(Mask({{16, 1}}));
    r.Frames(6);
    return r.T(16, 1);
  };
  spawnOne();
  spawnOne();
  TBoardTile t = spawnOne();
  EXPECT_EQ(t.FruitBomb, 1);
  EXPECT_GE(t.Element, 1);
  EXPECT_EQ(bombs, 1);
  // Keep the bomb on the board, away from the tile that is emptied each time.
  r.board.EditTile({16, 1}).FruitBomb = 0;
  r.board.EditTile({10, 10}).FruitBomb = 1;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(spawnOne().FruitBomb, 0);
  EXPECT_EQ(bombs, 1);

  // A hammer with chance 1/1 up to its cap.
  r.board.OneFruitBombEveryInterval = 0;
  r.board.OneHammerEveryProb = 1;
  r.board.MaxHammersOnBoard = 1;
  EXPECT_EQ(spawnOne().Element, ecHammer);
  EXPECT_EQ(hammers, 1);
}

TEST(BoardSpawning, RandomColourKeepsToTheSetAndFlowersComeRarely) {
  BoardRig r;
  r.board.SetAvailableElements(TElementSet::Range(1, 16));
  int flowers = 0;
  const int n = 37000;
  for (int i = 0; i < n; ++i) flowers += IsFlowerCode(r.board.RandomColour());
  EXPECT_NEAR(flowers, n * 3 / 37, 200);

  r.board.SetAvailableElements(TElementSet::Range(1, 8));
  for (int i = 0; i < 2000; ++i) {
    int c = r.board.RandomColour();
    ASSERT_TRUE(c >= 1 && c <= 8) << c;
  }
  r.board.SetAvailableElements(TElementSet{13, 16, 17});
  for (int i = 0; i < 2000; ++i) {
    int c = r.board.RandomColour();
    ASSERT_TRUE(c == 13 || c == 16) << c;
  }
  r.board.SetAvailableElements(TElementSet{0, 17, 18, 101});
  EXPECT_EQ(r.board.RandomColour(), 1);
}

TEST(BoardSpawning, UniBubbleColourCyclesThroughTheSet) {
  BoardRig r;
  r.Load({});
  r.board.SetAvailableElements(TElementSet{2, 5, 16});
  EXPECT_EQ(r.board.UniColorIndex(), 1);
  r.Frames(24);
  EXPECT_EQ(r.board.UniColorIndex(), 1);
  r.Frames(1);  // 750 ms
  EXPECT_EQ(r.board.UniColorIndex(), 2);
  r.Frames(25);
  EXPECT_EQ(r.board.UniColorIndex(), 5);
  r.Frames(25);
  EXPECT_EQ(r.board.UniColorIndex(), 16);
  r.Frames(25);
  EXPECT_EQ(r.board.UniColorIndex(), 2);
  // A set without any colour 1..16 must not hang the frame.
  r.board.SetAvailableElements(TElementSet{17});
  r.Frames(30);
  SUCCEED();
}

TEST(BoardSpawning, PotionIsCollectedOnceItFallsToTheBottom) {
  BoardRig r;
  std::vector<std::string> rows(12, "");
  rows[9] = "h";   // (1, 10)
  rows[10] = "_";  // (1, 11) decorative: holds the potion
  r.Load(rows);
  r.board.CheckElementMatches();
  EXPECT_TRUE(r.grouped.empty());

  rows[10] = "*";
  r.Load(rows);
  r.board.RemoveGrouped(Mask({{1, 12}, {1, 11}}));
  r.Frames(30);
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_TRUE(r.grouped[0].IsSet(1, 12));
  EXPECT_EQ(r.T(1, 12).Element, 17);
}
