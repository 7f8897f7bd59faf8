#include <gtest/gtest.h>

#include "levels/ScoringRig.h"
#include "levels/TCombos.h"
#include "levels/TCombosConveyer.h"
#include "levels/TScoreRules.h"
#include "support/SoundTrace.h"

namespace {
// A board of elements and the mask of a removal, set cell by cell.
struct Removal {
  TBoardData board;
  TSimpleObjectArray mask;
  void Put(int x, int y, int code, std::uint8_t kind = okFruit) {
    board.At(x, y).ObjectKind = kind;
    board.At(x, y).Element = static_cast<std::uint8_t>(code);
    mask.Set(x, y);
  }
};
}  // namespace

TEST(Combos, FiveBananasAndThreeApplesMakeOneComboOfFive) {
  SoundTrace sounds({"MatchX", "Combo"});
  ScoringRig rig;
  rig.Add("ComboText", 126, 60, 4, 1);
  TCombos combos;
  combos.OmgImgList = &rig.images;
  combos.BoardLeft = 200;
  combos.BoardTop = 100;
  Removal r;
  for (int x = 3; x <= 7; ++x) r.Put(x, 4, 1);  // bananas in a row
  for (int y = 5; y <= 7; ++y) r.Put(5, y, 3);  // apples below the middle one
  std::vector<std::pair<int, TPoint>> done;
  combos.OnAComboDoneShowing = [&](TCombos&, std::uint8_t m, TPoint p) { done.push_back({m, p}); };

  EXPECT_EQ(TCombos::LargestMatch(r.board, r.mask), 5);
  EXPECT_TRUE(combos.Check(r.board, r.mask));
  EXPECT_EQ(sounds.Count("MatchX"), 1);
  EXPECT_EQ(sounds.Count("Combo"), 0);
  // Over the bounding box of all eight cells: columns 3..7, rows 4..7.
  const TPoint centre{200 + 5 * 52 - 26, 100 + 4 * 52 - 26 + 3 * 26};
  EXPECT_EQ(combos.Slot(0).Pos, centre);

  int updates = 0;
  while (done.empty() && updates < 100) {
    combos.Update();
    ++updates;
    for (const auto& d : rig.Take()) EXPECT_EQ(d.Pattern, 1);
  }
  EXPECT_EQ(updates, 29);  // 850 ms
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].first, 5);
  EXPECT_EQ(done[0].second, centre);
  EXPECT_EQ(combos.ActiveCount(), 0);

  // What the round earns for it: the combo's bonus and three points per removed cell.
  auto bonus = TScoreRules::ComboBonus(done[0].first);
  EXPECT_EQ(bonus.EnergyUnits, 5);
  EXPECT_EQ(bonus.Score, 15);
  EXPECT_EQ(r.mask.Count() * TScoreRules::RemovedElementPoints, 24);
}

TEST(Combos, GroupingsOutsideFourToSevenAndStaleCellsShowNothing) {
  SoundTrace sounds({"MatchX", "Combo"});
  TCombos combos;
  {
    Removal r;  // two threes of different kinds
    for (int x = 1; x <= 3; ++x) r.Put(x, 1, 2), r.Put(x, 2, 5);
    EXPECT_FALSE(combos.Check(r.board, r.mask));
  }
  {
    Removal r;  // eight in one removal
    for (int x = 1; x <= 8; ++x) r.Put(x, 1, 13);
    EXPECT_FALSE(combos.Check(r.board, r.mask));
  }
  {
    Removal r;  // four elements and two lockers of the same colour byte
    for (int x = 1; x <= 4; ++x) r.Put(x, 1, 6);
    r.Put(5, 1, 6, okLocker);
    r.Put(6, 1, 6, okTempBlank);
    EXPECT_EQ(TCombos::LargestMatch(r.board, r.mask), 4);
  }
  EXPECT_EQ(sounds.played.size(), 0u);
  {
    Removal r;  // seven: the loud sound and the last pattern
    for (int y = 1; y <= 7; ++y) r.Put(9, y, 18);
    EXPECT_TRUE(combos.Check(r.board, r.mask));
    EXPECT_EQ(sounds.Count("Combo"), 1);
    EXPECT_EQ(combos.Slot(0).MatchCount, 7);
  }
  // Ten can show at once; the eleventh is heard but not shown.
  Removal four;
  for (int x = 1; x <= 4; ++x) four.Put(x, 12, 8);
  for (int i = 0; i < 10; ++i) combos.Check(four.board, four.mask);
  EXPECT_EQ(combos.ActiveCount(), 10);
  EXPECT_EQ(sounds.Count("MatchX"), 10);
  // Paused, nothing moves on.
  combos.Visible = false;
  int fired = 0;
  combos.OnAComboDoneShowing = [&](TCombos&, std::uint8_t, TPoint) { ++fired; };
  for (int i = 0; i < 100; ++i) combos.Update();
  EXPECT_EQ(fired, 0);
  combos.Clear();
  EXPECT_EQ(combos.ActiveCount(), 0);
}

TEST(CombosConveyer, FliesToTheFlaskPaysOnceAndFadesAway) {
  TCombosConveyer conveyer;
  std::vector<int> paid;
  int arrivedAt = 0, updates = 0;
  conveyer.OnAComboArrives = [&](TCombosConveyer&, std::uint8_t m) {
    paid.push_back(m);
    arrivedAt = updates;
  };
  conveyer.Launch(6, {300, 600});
  const auto& it = conveyer.Item(0);
  EXPECT_DOUBLE_EQ(it.SpeedY, 18);  // the longer axis starts at 18
  double lastX = it.X, lastY = it.Y;
  while (conveyer.ActiveCount() > 0 && updates < 200) {
    ++updates;
    conveyer.Update();
    if (!it.Arrived) {
      // Straight there: both axes cover the same share of their distance.
      EXPECT_NEAR((it.X - 300) / (630 - 300), (it.Y - 600) / (-11 - 600), 1e-9);
      EXPECT_GE(it.X, lastX);
      EXPECT_LE(it.Y, lastY);
      lastX = it.X, lastY = it.Y;
    }
    EXPECT_GE(it.Scale, 0.2);
  }
  ASSERT_EQ(paid, std::vector<int>{6});
  // 18 px growing by 18 % per update covers the 611 px in 12 updates; then 17 to fade.
  EXPECT_EQ(arrivedAt, 12);
  EXPECT_EQ(updates, arrivedAt + 17);

  // With every item in the air the bonus is paid at once, not lost.
  for (int i = 0; i < TCombosConveyer::ItemCount; ++i) conveyer.Launch(4, {100, 100});
  paid.clear();
  conveyer.Launch(5, {100, 100});
  EXPECT_EQ(paid, std::vector<int>{5});
}
