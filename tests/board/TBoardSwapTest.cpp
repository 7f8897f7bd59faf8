#include <gtest/gtest.h>

#include "BoardRig.h"
#include "board/TSwapEffect.h"

namespace {
// Row 2 holds 1 1 2 1: swapping (3, 2) with (3, 1) or (4, 2)... lines up three 1s.
const std::vector<std::string> kOneMove = {
    "**1*************",
    "112*************",
};
}  // namespace

TEST(BoardSwap, ClickRulesForSelection) {
  BoardRig r;
  r.Load(kOneMove);
  int clicks = 0;
  r.board.OnObjectTileClick = [&](TGameBoard&) { ++clicks; };

  r.board.TileClick({5, 5});
  r.board.TileClick({5, 5});  // the same tile twice keeps it selected
  EXPECT_TRUE(r.board.SelectionActive());
  EXPECT_EQ(r.board.SelectedPos(), (TPoint{5, 5}));
  r.board.TileClick({6, 6});  // diagonal: no swap, no selection
  EXPECT_FALSE(r.board.SelectionActive());
  EXPECT_TRUE(r.swaps.empty());
  EXPECT_EQ(clicks, 3);

  // Locker next to element: different kinds never swap.
  r.board.EditTile({8, 8}).ObjectKind = okLocker;
  r.board.TileClick({8, 8});
  r.board.TileClick({9, 8});
  EXPECT_TRUE(r.swaps.empty());
  EXPECT_FALSE(r.board.SelectionActive());

  // Webbed and chained tiles drop the selection; busy tiles ignore the click.
  r.board.TileClick({2, 2});
  r.board.EditTile({2, 3}).Web = 1;
  r.board.TileClick({2, 3});
  EXPECT_FALSE(r.board.SelectionActive());
  r.board.TileClick({2, 2});
  r.board.EditTile({3, 2}).ChainLevel = 1;
  r.board.TileClick({3, 2});
  EXPECT_FALSE(r.board.SelectionActive());
  r.board.EditTile({3, 2}).ChainLevel = 0;
  r.board.TileClick({2, 2});
  r.board.SetTileState({3, 2}, tsFalling);
  int before = clicks;
  r.board.TileClick({3, 2});
  EXPECT_EQ(clicks, before);
  EXPECT_TRUE(r.board.SelectionActive());

  // Right button clears it.
  r.board.MouseDown(10, 10, TMouseButton::Right);
  EXPECT_FALSE(r.board.SelectionActive());

  // The first tile must still be free when the second is clicked.
  r.Load(kOneMove);
  r.board.TileClick({3, 1});
  r.board.SetTileState({3, 1}, tsFalling);
  r.board.TileClick({3, 2});
  EXPECT_TRUE(r.swaps.empty());
}

TEST(BoardSwap, AcceptedSwapReportsTheRealTilesAndWhetherItMatches) {
  BoardRig r;
  r.Load(kOneMove);
  r.board.EditTile({3, 1}).FruitBomb = 1;
  r.board.TileClick({3, 1});
  r.board.TileClick({3, 2});
  ASSERT_EQ(r.swaps.size(), 1u);
  EXPECT_TRUE(r.swapMatches[0]);
  EXPECT_EQ(r.log[0], "manual");
  const TSwappedObjectsData& d = r.swaps[0];
  EXPECT_EQ(d.Object1Pos, (TPoint{3, 1}));
  EXPECT_EQ(d.Object2Pos, (TPoint{3, 2}));
  EXPECT_EQ(d.Color1, 1);
  EXPECT_EQ(d.Color2, 2);
  EXPECT_EQ(d.Special1, 1);
  EXPECT_EQ(d.Bomb1, 1);
  EXPECT_EQ(d.Kind2, okFruit);
  EXPECT_EQ(r.S(3, 1), tsSwapping);
  EXPECT_EQ(r.S(3, 2), tsSwapping);
  EXPECT_EQ(r.T(3, 1).Element, 1);  // the board itself is unchanged until ApplySwap

  // No match; but a run anywhere on the board counts, even far from the pair.
  r.Load(kOneMove);
  r.board.TileClick({10, 10});
  r.board.TileClick({11, 10});
  ASSERT_EQ(r.swaps.size(), 2u);
  EXPECT_FALSE(r.swapMatches[1]);
  r.Load({"", "", "", "", "", "", "", "", "", "", "", "333"});
  r.board.TileClick({10, 1});
  r.board.TileClick({10, 2});
  EXPECT_TRUE(r.swapMatches[2]);

  // Three potions lined up count as a match for the swap.
  r.Load({"hh*h"});
  r.board.TileClick({3, 1});
  r.board.TileClick({4, 1});
  EXPECT_TRUE(r.swapMatches[3]);

  // Dragging: a held press over the first tile, then over its neighbour.
  r.Load(kOneMove);
  r.board.Left = 0;
  r.board.Top = 0;
  r.board.SetMouseHeld(true);
  r.board.MouseDown(52 * 2 + 10, 10, TMouseButton::Left);
  r.board.MouseDown(52 * 2 + 20, 20, TMouseButton::Left);  // still the same tile
  r.board.MouseDown(52 * 2 + 20, 52 + 20, TMouseButton::Left);
  EXPECT_EQ(r.swaps.size(), 5u);
  EXPECT_FALSE(r.board.MouseHeld());
}

TEST(BoardSwap, PressesWaitForAnUnclearedWaveAndForTheShell) {
  BoardRig r;
  r.Load(kOneMove);
  r.board.Left = 0;
  r.board.Top = 0;
  auto swapByPresses = [&] {
    r.board.MouseDown(52 * 3 - 26, 26, TMouseButton::Left);
    r.board.MouseDown(52 * 3 - 26, 52 + 26, TMouseButton::Left);
  };
  // Until the wave has cleared its colour, a tile swapped away would escape it.
  r.board.StartBlasterWave({8, 8});
  swapByPresses();
  EXPECT_TRUE(r.swaps.empty());
  EXPECT_FALSE(r.board.SelectionActive());
  r.Frames(16);
  ASSERT_FALSE(r.board.BlasterWaveHoldsClicks());
  swapByPresses();
  EXPECT_EQ(r.swaps.size(), 1u);

  // The shell holds presses while its own effects work on tiles.
  r.Load(kOneMove);
  bool allowed = false;
  r.board.OnClickAllowedQuestion = [&](TGameBoard&, bool& a) { a = allowed; };
  swapByPresses();
  EXPECT_EQ(r.swaps.size(), 1u);
  allowed = true;
  swapByPresses();
  EXPECT_EQ(r.swaps.size(), 2u);
}

TEST(BoardSwap, ClickedItemsActivateOnlyOnASelectingClick) {
  BoardRig r;
  r.Load({"U1H"});
  std::vector<TPoint> uni, hammers;
  r.board.OnUniBubbleEffectRequest = [&](TGameBoard&, TPoint p) { uni.push_back(p); };
  r.board.OnHammerEffectRequest = [&](TGameBoard&, TPoint p) { hammers.push_back(p); };
  r.board.TileClick({2, 1});
  r.board.TileClick({1, 1});  // second click of a pair: not activated
  EXPECT_TRUE(uni.empty());
  r.board.TileClick({1, 1});
  ASSERT_EQ(uni.size(), 1u);
  EXPECT_EQ(r.sounds, std::vector<std::string>{"BubblePop"});
  EXPECT_EQ(r.T(1, 1).Element, r.board.UniColorIndex());
  EXPECT_TRUE(r.board.RevealRunning({1, 1}));
  EXPECT_FALSE(r.board.SelectionActive());
  EXPECT_TRUE(r.swaps.empty());
  r.board.TileClick({3, 1});
  ASSERT_EQ(hammers.size(), 1u);
  EXPECT_EQ(r.S(3, 1), tsStruck);
  EXPECT_EQ(r.sounds.back(), "ItemActivated");
}

TEST(BoardSwap, ApplySwapMovesContentNotThePlace) {
  BoardRig r;
  r.Load({"12"});
  TBoardTile& a = r.board.EditTile({1, 1});
  a.Web = a.ChainLevel = a.BackgroundVariant = 1;
  a.WormState = wsEating;
  a.WormTimer = 90;
  a.BlasterColor = 7;
  r.board.SetTileState({1, 1}, tsSwapping);
  r.board.ApplySwap({1, 1}, {2, 1});
  const TBoardTile &t1 = r.T(1, 1), &t2 = r.T(2, 1);
  EXPECT_EQ(t1.Element * 10 + t2.Element, 21);
  EXPECT_EQ(t2.WormState, wsEating);
  EXPECT_EQ(t2.WormTimer + t2.BlasterColor, 97);
  EXPECT_EQ(t1.Web + t1.ChainLevel + t1.BackgroundVariant, 3);  // these stay with the place
  EXPECT_EQ(r.S(1, 1), tsIdle);
}

TEST(BoardMatching, RunsNeedRestingUneatenTilesOfOneLayer) {
  BoardRig r;
  r.Load({"111*2222*33333**", "*****A**********", "*****A**********", "*****A**********"});
  r.board.CheckElementMatches();
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_EQ(r.grouped[0].Count(), 3 + 4 + 5);
  EXPECT_EQ(r.S(1, 1), tsGrouping);
  EXPECT_EQ(r.S(6, 2), tsIdle);  // lockers are another layer
  r.board.CheckLockerMatches();
  ASSERT_EQ(r.opened.size(), 1u);
  EXPECT_EQ(r.opened[0].Count(), 3);
  EXPECT_EQ(r.S(6, 3), tsOpening);

  // An eaten fruit or a busy tile breaks the run.
  r.Load({"111*2222"});
  r.board.EditTile({2, 1}).WormState = wsEaten;
  r.board.SetTileState({6, 1}, tsFalling);
  r.board.CheckElementMatches();
  EXPECT_EQ(r.grouped.size(), 1u);
  EXPECT_EQ(r.elementChecks, 2);  // frames are always asked to update

  // A locker never lines up with elements of its colour.
  r.Load({"11A"});
  r.board.CheckElementMatches();
  r.board.CheckLockerMatches();
  EXPECT_EQ(r.grouped.size(), 1u);
  EXPECT_EQ(r.opened.back().Count(), 0);  // the opening request comes even when empty
}

TEST(BoardMatching, WebsAndChainsAbsorbOneHitPerRun) {
  BoardRig r;
  r.Load({"111", "", "4", "4", "4"});
  r.board.EditTile({2, 1}).Web = 1;
  r.board.EditTile({1, 4}).ChainLevel = 2;
  r.board.SetTileState({1, 4}, tsAnchored);
  r.board.CheckElementMatches();
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_TRUE(r.grouped[0].IsSet(1, 1));
  EXPECT_TRUE(r.grouped[0].IsSet(3, 1));
  EXPECT_FALSE(r.grouped[0].IsSet(2, 1));
  EXPECT_EQ(r.T(2, 1).Web, 0);
  EXPECT_EQ(r.S(2, 1), tsIdle);
  EXPECT_EQ(r.webs, (std::vector<TPoint>{TPoint{2, 1}}));
  ASSERT_EQ(r.chains.size(), 1u);
  EXPECT_EQ(r.chains[0].second, 2);  // the level it had
  EXPECT_EQ(r.T(1, 4).ChainLevel, 1);
  EXPECT_EQ(r.S(1, 4), tsAnchored);
  EXPECT_EQ(r.timerResets, 1);

  // Grouped tiles no longer line up with it.
  r.board.CheckElementMatches();
  EXPECT_EQ(r.T(1, 4).ChainLevel, 1);
  // A second run through the chain breaks it; the tile becomes free again.
  r.board.SetTileState({1, 3}, tsIdle);
  r.board.SetTileState({1, 5}, tsIdle);
  r.board.CheckElementMatches();
  EXPECT_EQ(r.T(1, 4).ChainLevel, 0);
  EXPECT_EQ(r.S(1, 4), tsIdle);
  EXPECT_EQ(r.chains.back().second, 1);
}

TEST(BoardMatching, PotionsGoOnlyFromTheBottomAndPickUpsAlways) {
  BoardRig r;
  std::vector<std::string> rows(12, "");
  rows[0] = "hhh";
  rows[10] = "_.";
  rows[9] = "hh i";  // potions above a decorative tile, a hole, a blank
  rows[11] = "i";    // potion on row 12
  r.Load(rows);
  r.board.EditTile({4, 11}).ObjectKind = okTempBlank;
  r.board.EditTile({4, 10}).Element = 18;
  r.board.EditTile({9, 9}).Element = ecBroom;
  r.board.EditTile({1, 12}).Web = 1;
  r.board.EditTile({1, 12}).ChainLevel = 2;
  r.board.SetTileState({1, 12}, tsAnchored);
  r.board.CheckElementMatches();
  ASSERT_EQ(r.grouped.size(), 1u);
  const TSimpleObjectArray& g = r.grouped[0];
  EXPECT_FALSE(g.IsSet(1, 1));  // three potions in a row are no match
  EXPECT_FALSE(g.IsSet(1, 10));  // on a decorative tile
  EXPECT_TRUE(g.IsSet(2, 10));   // on a hole
  EXPECT_TRUE(g.IsSet(4, 10));   // on an emptied tile
  EXPECT_TRUE(g.IsSet(9, 9));    // pick-ups go at once
  // Web and both chain levels go in the same check, and the potion with them.
  EXPECT_TRUE(g.IsSet(1, 12));
  EXPECT_EQ(r.chains.size(), 2u);
}

TEST(BoardMatching, GroupingCarriesThePendingCombosFlagAndWormBans) {
  BoardRig r;
  r.Load({"U22"});
  std::vector<TPoint> bans;
  r.board.OnAFruitWormBanRequest = [&](TGameBoard&, TPoint p) { bans.push_back(p); };
  r.board.EditTile({2, 1}).WormState = wsEating;
  // Make the uni bubble turn into colour 2 when clicked.
  TElementSet set{2};
  r.board.SetAvailableElements(set);
  r.Frames(25);  // the colour steps to 2
  ASSERT_EQ(r.board.UniColorIndex(), 2);
  r.board.TileClick({1, 1});
  ASSERT_TRUE(r.board.RevealRunning({1, 1}));
  r.Frames(19);
  EXPECT_TRUE(r.grouped.empty());
  r.Frames(1);  // 20 frames: the reveal ends and the check runs
  ASSERT_EQ(r.grouped.size(), 1u);
  EXPECT_TRUE(r.groupedCombos[0]);
  EXPECT_EQ(r.grouped[0].Count(), 3);
  EXPECT_EQ(bans, (std::vector<TPoint>{TPoint{2, 1}}));
  EXPECT_FALSE(r.board.PendingCheckCombos());
}

TEST(SwapEffect, ForthAndBackTimingAndCompletion) {
  TSwapEffect fx;
  std::vector<std::string> events;
  TPoint p1, p2;
  fx.OnEffectComplete = [&](TSwapEffect&, TTileObjectKind, TPoint a, TPoint b) {
    events.push_back("complete");
    p1 = a;
    p2 = b;
  };
  fx.OnSwapBackComplete = [&](TSwapEffect&, TTileObjectKind k, TPoint, TPoint) {
    events.push_back(k == okFruit ? "back" : "back?");
  };
  TSwappedObjectsData d;
  d.Object1Pos = {5, 3};
  d.Object2Pos = {4, 3};  // given right to left: reordered
  d.Kind1 = d.Kind2 = okFruit;
  d.Color1 = 7;
  d.Color2 = 2;
  fx.Start(d, false);
  EXPECT_EQ(fx.Slot(0).Pos1, (TPoint{4, 3}));
  EXPECT_EQ(fx.Slot(0).Data.Color1, 2);
  EXPECT_EQ(fx.Slot(0).Step, 6);
  int frames = 0;
  while (events.empty() && frames < 100) {
    fx.UpdateAndDraw();
    ++frames;
  }
  EXPECT_EQ(frames, 18);  // 9 frames each way at 6 pixels
  EXPECT_EQ(events, std::vector<std::string>{"back"});
  EXPECT_FALSE(fx.Running());

  // A matching element swap goes quicker and ends after one way.
  d.Object1Pos = {2, 2};
  d.Object2Pos = {2, 3};
  fx.Start(d, true);
  EXPECT_EQ(fx.Slot(1).Orientation, 1);
  frames = 0;
  events.clear();
  while (events.empty() && frames < 100) {
    fx.UpdateAndDraw();
    ++frames;
  }
  EXPECT_EQ(frames, 7);
  EXPECT_EQ(p1, (TPoint{2, 2}));
  EXPECT_EQ(p2, (TPoint{2, 3}));

  // Twenty slots round-robin: the 21st swap overwrites the oldest.
  fx.Clear();
  for (int i = 0; i < 21; ++i) {
    d.Object1Pos = {1 + i % 15, 1};
    d.Object2Pos = {2 + i % 15, 1};
    fx.Start(d, false);
  }
  EXPECT_EQ(fx.LastSlot(), 2);
  EXPECT_EQ(fx.Slot(2).Pos1, (TPoint{6, 1}));
}

TEST(SwapEffect, DrawsShadowThenElementAndFlashOnMatches) {
  DrawRig draw;
  TSwapEffect fx;
  fx.OmgImgList = &draw.images;
  fx.BoardLeft = 100;
  fx.BoardTop = 50;
  TSwappedObjectsData d;
  d.Object1Pos = {1, 1};
  d.Object2Pos = {2, 1};
  d.Kind1 = d.Kind2 = okFruit;
  d.Color1 = 3;
  d.Color2 = 4;
  d.Worm2 = wsEaten;
  fx.Start(d, true);
  fx.UpdateAndDraw();
  auto q = draw.Take();
  ASSERT_EQ(q.size(), 5u);  // two shadows, two elements, one flash (the eaten one has none)
  EXPECT_EQ(q[0].Name, "ElementsInside");
  EXPECT_EQ(q[0].R, 0);
  EXPECT_NEAR(q[0].Alpha, 80, 1);
  EXPECT_EQ(q[2].Name, "ElementsFlashHorz");
  EXPECT_EQ(q[2].Pattern, 2);
}
