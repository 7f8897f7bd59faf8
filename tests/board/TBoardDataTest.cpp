#include <gtest/gtest.h>

#include <cstring>

#include "BoardRig.h"
#include "board/TSwappedObjectsData.h"

TEST(BoardData, TileBytesSitColumnMajorAndLittleEndian) {
  TBoardData b{};
  TBoardTile& t = b.At(3, 5);
  t.ObjectKind = okLocker;
  t.BackgroundVariant = 1;
  t.LockerColor = 2;
  t.Element = 17;
  t.Web = 1;
  t.ChainLevel = 2;
  t.FruitBomb = 1;
  t.WormState = wsEaten;
  t.WormTimer = -2;
  t.BlasterColor = 0x01020304;
  t.FallOffset = 51;
  auto bytes = b.ToBytes();
  const std::size_t at = 240 * (3 - 1) + 20 * (5 - 1);
  const std::uint8_t expected[20] = {0, 1, 2, 17, 1, 2, 1, 2, 0xFE, 0xFF, 0xFF, 0xFF,
                                     4, 3, 2, 1, 51, 0, 0, 0};
  EXPECT_EQ(std::memcmp(bytes.data() + at, expected, 20), 0);
  // Nothing else changes.
  auto blank = TBoardData{}.ToBytes();
  int changed = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) changed += bytes[i] != blank[i];
  EXPECT_EQ(changed, 17);  // the kind 4 -> 0 and 16 other non-zero bytes
  EXPECT_EQ(blank[240 * 15 + 20 * 11], okUnused);

  // The image round-trips, and a loaded board hands back exactly what it got.
  TBoardData back{};
  ASSERT_TRUE(back.FromBytes(bytes.data(), bytes.size()));
  EXPECT_EQ(back.ToBytes(), bytes);
  EXPECT_FALSE(back.FromBytes(bytes.data(), bytes.size() - 1));

  TGameBoard board;
  TBoardData level = MakeBoard({"..___***********", "****.*****A*****"});
  level.At(7, 7).ChainLevel = 1;
  level.At(9, 9).Web = 1;
  level.At(2, 11).WormTimer = 1234;
  board.LoadBoard(level);
  EXPECT_EQ(board.BoardData().ToBytes(), level.ToBytes());
}

TEST(BoardData, SwappedObjectsRecordIsPacked) {
  TSwappedObjectsData d;
  d.Object1Pos = {4, 7};
  d.Object2Pos = {5, 7};
  d.Kind1 = okFruit;
  d.Kind2 = okFruit;
  d.Special1 = 1;
  d.Color1 = 3;
  d.Color2 = 9;
  d.Bomb2 = 1;
  d.Worm1 = wsEaten;
  std::uint8_t raw[26];
  std::memcpy(raw, &d, 26);
  const std::uint8_t expected[26] = {4, 0, 0, 0, 7, 0, 0, 0, 5, 0, 0, 0, 7,
                                     0, 0, 0, 1, 1, 1, 0, 3, 9, 0, 1, 2, 0};
  EXPECT_EQ(std::memcmp(raw, expected, 26), 0);
  d.SwapTileBytes();
  EXPECT_EQ(d.Color1, 9);
  EXPECT_EQ(d.Special2, 1);
  EXPECT_EQ(d.Worm2, wsEaten);
  EXPECT_EQ(d.Object1Pos, (TPoint{4, 7}));  // positions stay
}

TEST(BoardData, ElementSetBitsAndSpecialTiles) {
  TElementSet s{1, 9, 255};
  EXPECT_EQ(s.Bits[0] + s.Bits[1] + s.Bits[31], 0x02 + 0x02 + 0x80);
  EXPECT_FALSE(s.Has(8) || s.Has(-1) || s.Has(256));
  TBoardTile t;  // special by its element or bomb, whatever the kind
  for (int e : {0, 101, 103, 106}) {
    t.Element = static_cast<std::uint8_t>(e);
    EXPECT_TRUE(t.IsSpecial()) << e;
  }
  t.Element = 17;
  EXPECT_FALSE(t.IsSpecial());
  t.FruitBomb = 1;
  EXPECT_TRUE(t.IsSpecial());
}

TEST(BoardPlacement, ScreenPointsMapToTilesAndEdgesSelectNothing) {
  BoardRig r;
  r.board.Left = 266;
  r.board.Top = 95;
  EXPECT_EQ(r.board.ScreenToTile(266, 95), (TPoint{1, 1}));
  EXPECT_EQ(r.board.ScreenToTile(317, 146), (TPoint{1, 1}));
  EXPECT_EQ(r.board.ScreenToTile(318, 147), (TPoint{2, 2}));
  EXPECT_EQ(r.board.ScreenToTile(265, 94), (TPoint{0, 0}));
  EXPECT_EQ(r.board.ScreenToTile(0, 0), (TPoint{0, 0}));
  EXPECT_EQ(r.board.ScreenToTile(266 + 832, 95 + 624), (TPoint{17, 13}));
  EXPECT_EQ(r.board.TileScreenPos({16, 12}), (TPoint{266 + 780, 95 + 572}));

  r.Load({});
  r.board.MouseDown(265, 100, TMouseButton::Left);
  r.board.MouseDown(266 + 832, 100, TMouseButton::Left);
  r.board.MouseDown(300, 95 + 624, TMouseButton::Left);
  EXPECT_FALSE(r.board.SelectionActive());
  EXPECT_TRUE(r.swaps.empty());
}

TEST(BoardPlacement, UsedPartIsCentredAndItsOriginReported) {
  BoardRig r;
  r.Load({});
  r.board.CentreUsedArea();
  EXPECT_EQ(r.board.Left, 266);
  EXPECT_EQ(r.board.Top, 95);
  EXPECT_EQ(r.board.UsedAreaOrigin(), (TPoint{266 - 10, 95 - 11}));

  // Columns 3..14 and rows 2..11 used; a decorative tile counts, a hole does not.
  std::vector<std::string> rows(12, std::string(16, '.'));
  for (int y = 2; y <= 11; ++y)
    for (int x = 4; x <= 13; ++x) rows[y - 1][x - 1] = '*';
  rows[5][2] = '_';   // column 3
  rows[5][13] = '_';  // column 14
  r.Load(rows);
  r.board.CentreUsedArea();
  EXPECT_EQ(r.board.Left, 266 + 26 * (17 - 3 - 14));
  EXPECT_EQ(r.board.Top, 95 + 26 * (13 - 2 - 11));
  EXPECT_EQ(r.board.UsedAreaOrigin(), (TPoint{r.board.Left + 52 * 3 - 62, r.board.Top + 52 * 2 - 63}));
}

TEST(BoardLoading, StatesFollowKindsAndChains) {
  BoardRig r;
  TBoardData b = MakeBoard({"A*#._"});
  b.At(1, 1).ChainLevel = 1;  // chained locker
  b.At(2, 1).ChainLevel = 2;  // chained element
  b.At(3, 1).ChainLevel = 1;  // chained blocker
  r.board.TileClick({6, 6});
  ASSERT_TRUE(r.board.SelectionActive());
  r.board.LoadBoard(b);
  EXPECT_EQ(r.S(1, 1), tsAnchored);
  EXPECT_EQ(r.S(2, 1), tsAnchored);
  EXPECT_EQ(r.S(3, 1), tsIdle);
  EXPECT_EQ(r.S(4, 1), tsNoTile);
  EXPECT_EQ(r.S(5, 1), tsNoTile);
  EXPECT_EQ(r.S(6, 1), tsIdle);
  EXPECT_FALSE(r.board.SelectionActive());
  r.board.SetTileState({6, 1}, tsGrouping);
  r.board.Reset();  // back to rest, holes and chains included
  EXPECT_EQ(r.S(6, 1), tsIdle);
  EXPECT_EQ(r.S(4, 1), tsNoTile);
  EXPECT_EQ(r.S(2, 1), tsAnchored);

  EXPECT_TRUE(r.board.IsLockerTile({1, 1}));
  EXPECT_TRUE(r.board.IsHoleOrOutside({4, 1}));
  EXPECT_FALSE(r.board.IsHoleOrOutside({5, 1}));
  EXPECT_TRUE(r.board.IsHoleOrOutside({17, 1}));
  EXPECT_TRUE(r.board.IsHoleOrOutside({0, 0}));
  EXPECT_TRUE(r.board.IsOpenElement({2, 1}));
  EXPECT_FALSE(r.board.IsOpenElement({1, 1}));
}

TEST(BoardLoading, FillRandomKeepsTheLayoutAndDrawsOnlyAvailableColours) {
  BoardRig r;
  TBoardData b = MakeBoard({"A*#._"});
  b.At(2, 1).ChainLevel = 2;
  b.At(2, 1).BackgroundVariant = 1;
  b.At(2, 1).BlasterColor = 9;
  r.board.LoadBoard(b);
  TElementSet set{0, 3, 14, 17, 101, 200};  // only 3 and 14 may ever be drawn
  r.board.SetAvailableElements(set);
  // The fill reseeds from the clock; a fixed clock keeps the draws repeatable, since a long
  // enough run of unavailable draws ends on the fixed fallback.
  TGameRandom::SetClockSeedSource([] { return 424242u; });
  r.board.FillRandom();
  TGameRandom::SetClockSeedSource(nullptr);
  int flowers = 0;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) {
      const TBoardTile& t = r.T(x, y);
      EXPECT_TRUE(t.Element == 3 || t.Element == 14) << int(t.Element);
      EXPECT_EQ(t.BlasterColor, 1);
      flowers += t.Element == 14;
    }
  EXPECT_GT(flowers, 0);
  EXPECT_EQ(r.T(1, 1).ObjectKind, okFruit);  // lockers open
  EXPECT_EQ(r.T(3, 1).ObjectKind, okBlocker);
  EXPECT_EQ(r.T(4, 1).ObjectKind, okUnused);
  EXPECT_EQ(r.T(2, 1).ChainLevel, 2);
  EXPECT_EQ(r.T(2, 1).BackgroundVariant, 1);
}
