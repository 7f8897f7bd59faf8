#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"

TEST(BoardObstacles, WebsOnlyOnPlainElementsAndLockers) {
  BoardRig r;
  r.Load({"1dhU.A#", "5"});
  r.board.EditTile({1, 2}).ChainLevel = 1;
  for (TPoint p : {TPoint{2, 1}, TPoint{3, 1}, TPoint{4, 1}, TPoint{5, 1}, TPoint{7, 1}}) {
    EXPECT_FALSE(r.board.CanHostWeb(p)) << p.X;
    EXPECT_FALSE(r.board.TryPutWeb(p)) << p.X;  // flower, potion, bubble, hole, blocker
  }
  EXPECT_FALSE(r.board.CanHostWeb({1, 2}));  // chained: no spider weaves there
  EXPECT_TRUE(r.board.CanHostWeb({6, 1}));   // a locker
  r.board.TileClick({1, 1});
  ASSERT_TRUE(r.board.SelectionActive());
  EXPECT_TRUE(r.board.TryPutWeb({1, 1}));
  EXPECT_FALSE(r.board.SelectionActive());
  EXPECT_FALSE(r.board.CanHostWeb({1, 1}));
  EXPECT_EQ(r.board.CountWebs(), 1);
  r.board.RemoveWeb({1, 1});
  EXPECT_EQ(r.board.CountWebs(), 0);
  EXPECT_EQ(r.webs, (std::vector<TPoint>{{1, 1}}));
}

TEST(BoardObstacles, RandomTopTileIsTheTopmostRealTileOfAColumn) {
  BoardRig r;
  std::vector<std::string> rows(12, "................");
  rows[4] = "...#............";
  rows[6] = "...A............";
  rows[9] = "...*............";
  r.Load(rows);
  EXPECT_EQ(r.board.RandomTopTile(), (TPoint{4, 7}));
}

TEST(BoardObstacles, EatenFruitWaitsForItsFairy) {
  BoardRig r;
  r.Load({});
  std::vector<TPoint> restores, banned;
  r.board.OnFruitRestoreEffectRequest = [&](TGameBoard&, TPoint p) { restores.push_back(p); };
  r.board.OnAFruitWormBanRequest = [&](TGameBoard&, TPoint p) { banned.push_back(p); };
  r.board.WormEatingTime = 300;
  r.board.FruitRegenerateTime = 600;
  r.board.WaitingFairyRestoreInterval = 150;
  r.board.EditTile({3, 3}).WormState = wsEating;
  r.board.EditTile({9, 9}).WormState = wsEating;
  r.Frames(10);
  EXPECT_EQ(r.T(3, 3).WormState, wsEaten);
  r.Frames(19);
  EXPECT_TRUE(restores.empty());
  r.Frames(1);
  EXPECT_EQ(restores.size(), 2u);
  r.Frames(5);  // no fairy came: asked again
  EXPECT_EQ(restores.size(), 4u);
  r.board.RestoreFruit({3, 3});
  EXPECT_EQ(r.T(3, 3).WormState, wsNone);
  r.board.RestoreFruit({3, 3});  // nothing left to restore
  r.Frames(5);
  EXPECT_EQ(restores.size(), 5u);

  r.board.EditTile({4, 4}).WormState = wsEating;
  TPoint s = r.board.TileScreenPos({4, 4});
  r.board.BanWormsInRect(s.X, s.Y, s.X + 26, s.Y + 26);  // the centre lies just outside
  EXPECT_TRUE(banned.empty());
  r.board.BanWormsInRect(s.X, s.Y, s.X + 27, s.Y + 27);
  EXPECT_EQ(banned, (std::vector<TPoint>{{4, 4}}));
  EXPECT_EQ(r.T(4, 4).WormState, wsNone);
}
