#include <gtest/gtest.h>

#include "BoardRig.h"

namespace {
struct ToolRig : BoardRig {
  std::vector<TSimpleObjectArray> blasted, banned;
  ToolRig() {
    board.OnFallingElementsEffectRequest = [this](TGameBoard&, TBoardData, TSimpleObjectArray m) {
      blasted.push_back(m);
      log.push_back("falling");
    };
    board.OnEnemiesBanned = [this](TGameBoard&, TSimpleObjectArray m) {
      banned.push_back(m);
      log.push_back("banned");
    };
    board.OnExplossionEffectRequest = [this](TGameBoard&, TPoint) { log.push_back("boom"); };
  }
};
}  // namespace

TEST(BoardTools, BombsBlastTheirShapeInsideTheGridAndSparePotionsAndItems) {
  ToolRig r;
  r.Load({"", "", "", "", "", "", "", "", "", "", "", ""});
  r.board.EditTile({16, 6}).Web = 1;
  r.board.EditTile({16, 7}).Element = 17;
  r.board.TileClick({3, 3});
  r.board.ExplodeBomb({16, 6});  // last column: only (16, 6) and (16, 7) are inside
  ASSERT_EQ(r.banned.size(), 1u);
  EXPECT_EQ(r.banned[0].Count(), 2);
  ASSERT_EQ(r.blasted.size(), 1u);
  EXPECT_EQ(r.blasted[0].Count(), 1);  // the potion stays
  EXPECT_EQ(r.T(16, 6).ObjectKind, okTempBlank);
  EXPECT_EQ(r.T(16, 6).Web, 0);
  EXPECT_EQ(r.S(16, 6), tsFalling);
  EXPECT_EQ(r.T(16, 7).Element, 17);
  EXPECT_EQ(r.log, (std::vector<std::string>{"boom", "banned", "falling"}));
  EXPECT_EQ(r.board.RippleLevel({16, 6}), 7);
  EXPECT_FALSE(r.board.SelectionActive());
  EXPECT_EQ(r.timerResets, 1);

  r.Load({"", "", "", "", "", "hU"});
  r.board.ExplodeBigBomb({2, 5});
  EXPECT_EQ(r.banned.back().Count(), 5 * 7 - 2 + 0);  // columns 1..5 of rows 2..8, corners out
  EXPECT_EQ(r.T(1, 6).Element, 17);
  EXPECT_EQ(r.T(1, 6).ObjectKind, okFruit);
  EXPECT_EQ(r.T(2, 6).ObjectKind, okFruit);  // the uni bubble stays too
  EXPECT_EQ(r.blasted.back().Count(), 33 - 2);
}

TEST(BoardTools, FruitBombInAGroupExplodesDownRight) {
  ToolRig r;
  r.Load({"", "111"});
  r.board.EditTile({1, 2}).FruitBomb = 1;
  r.board.CheckElementMatches();
  ASSERT_EQ(r.grouped.size(), 1u);
  r.board.RemoveGrouped(r.grouped[0]);
  r.board.ExplodeFruitBombs(r.grouped[0]);
  ASSERT_EQ(r.blasted.size(), 1u);
  EXPECT_TRUE(r.blasted[0].IsSet(1, 3));
  EXPECT_TRUE(r.blasted[0].IsSet(2, 3));
  EXPECT_FALSE(r.blasted[0].IsSet(2, 2));  // already emptied by the grouping
  r.board.ExplodeFruitBombs(r.grouped[0]);
  EXPECT_EQ(r.blasted.size(), 1u);  // a bomb goes off once
}

TEST(BoardTools, MultiBubbleWaveClearsItsColourTwoFramesAfterStepSeven) {
  ToolRig r;
  r.Load({"M3*3", "", "3"});
  r.board.EditTile({1, 1}).BlasterColor = 3;
  r.board.EditTile({4, 1}).Web = 1;
  TPoint clicked;
  int colour = 0;
  r.board.OnMultiBubbleClicked = [&](TGameBoard& b, TPoint p, TPoint, int c) {
    clicked = p;
    colour = c;
    b.StartBlasterWave(p);  // the shell's answer
  };
  int stars = 0;
  r.board.OnStarsEffectRequest = [&](TGameBoard&, TPoint) { ++stars; };
  r.board.TileClick({1, 1});
  EXPECT_EQ(clicked, (TPoint{1, 1}));
  EXPECT_EQ(colour, 3);
  EXPECT_EQ(r.T(1, 1).Element, 3);
  EXPECT_TRUE(r.board.BlasterWaveHoldsClicks());
  r.Frames(14);
  EXPECT_EQ(r.board.BlasterWaveStep(), 7);
  EXPECT_TRUE(r.grouped.empty());
  r.Frames(2);
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_EQ(r.grouped[0].Count(), 3);  // the former bubble, (2, 1) and (1, 3)
  EXPECT_EQ(r.T(4, 1).Web, 0);         // the webbed one only loses its web
  EXPECT_EQ(r.S(4, 1), tsIdle);
  EXPECT_FALSE(r.board.BlasterWaveHoldsClicks());
  EXPECT_GE(stars, 3);
  r.Frames(60);
  EXPECT_FALSE(r.board.BlasterWaveActive());
}

TEST(BoardTools, HammerItemStrikesACrossAndEmptiesIt) {
  ToolRig r;
  r.Load({"", "", "", "", "*.*"});
  TSimpleObjectArray hammered;
  r.board.OnHammeredObjectsEffectRequest = [&](TGameBoard&, TBoardData, TSimpleObjectArray m) {
    hammered = m;
  };
  r.board.EditTile({2, 4}).Element = ecHammer;
  r.board.EditTile({1, 4}).ChainLevel = 1;
  r.board.SetTileState({1, 4}, tsAnchored);
  r.board.TileClick({2, 4});
  EXPECT_EQ(r.S(2, 4), tsStruck);
  r.board.HammerHit({2, 4});
  EXPECT_EQ(hammered.Count(), 3);  // (2, 5) is a hole
  EXPECT_TRUE(hammered.IsSet(1, 4));
  EXPECT_EQ(r.board.RippleLevel({2, 4}), 3);
  r.board.FinishHammered();
  EXPECT_EQ(r.T(1, 4).ObjectKind, okTempBlank);
  EXPECT_EQ(r.T(1, 4).ChainLevel, 0);  // the chain went with the tile
  r.Frames(6);
  EXPECT_EQ(r.S(1, 4), tsIdle);
  EXPECT_EQ(r.T(1, 4).ChainLevel, 0);
  r.Frames(6);  // two struck tiles in column 2 drop two rows
  EXPECT_EQ(r.T(2, 4).ObjectKind, okFruit);  // refilled above the hole
  EXPECT_EQ(r.S(2, 4), tsIdle);
}
