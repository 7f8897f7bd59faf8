#include <gtest/gtest.h>

#include "text/FontRig.h"
#include "levels/TCombos.h"
#include "levels/TCombosConveyer.h"
#include "levels/TScoreRules.h"
#include "support/SoundTrace.h"

namespace {
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
  FontRig rig;
  rig.Add("ComboText", 4, 1);
  TCombos combos;
  combos.PlaySound = sounds.Route();
  combos.OmgImgList = &rig.images;
  combos.BoardLeft = 200;
  combos.BoardTop = 100;
  Removal r;
  for (int x = 3; x <= 7; ++x) r.Put(x, 4, 1);  // bananas in a row
  for (int y = 5; y <= 7; ++y) r.Put(5, y, 3);  // apples below the middle one
  std::vector<std::pair<int, TPoint>> done;
  combos.OnAComboDoneShowing = [&](TCombos&, std::uint8_t m, TPoint p) { done.push_back({m, p}); };

  EXPECT_TRUE(combos.Check(r.board, r.mask));
  EXPECT_EQ(sounds.played, std::vector<std::string>{"MatchX"});
  int updates = 0;
  while (done.empty() && updates < 100) {
    combos.Update();
    ++updates;
    for (const auto& d : rig.Take()) EXPECT_EQ(d.Pattern, 1);
  }
  EXPECT_EQ(updates, 29);  // 850 ms
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].first, 5);
  // Over the middle of all eight cells' box: columns 3..7, rows 4..7.
  EXPECT_EQ(done[0].second, (TPoint{200 + 5 * 52 - 26, 100 + 4 * 52 - 26 + 3 * 26}));
  // What the round earns: the combo's bonus and three points per removed cell.
  auto bonus = TScoreRules::ComboBonus(done[0].first);
  EXPECT_EQ(bonus.EnergyUnits, 5);
  EXPECT_EQ(bonus.Score, 15);
  EXPECT_EQ(r.mask.Count() * TScoreRules::RemovedElementPoints, 24);
}

TEST(Combos, OtherGroupingsAndFullSlots) {
  SoundTrace sounds({"MatchX", "Combo"});
  TCombos combos;
  combos.PlaySound = sounds.Route();
  Removal threes, eight, stale, seven, four;
  for (int x = 1; x <= 3; ++x) threes.Put(x, 1, 2), threes.Put(x, 2, 5);
  for (int x = 1; x <= 8; ++x) eight.Put(x, 1, 13);
  for (int x = 1; x <= 4; ++x) stale.Put(x, 1, 6);
  stale.Put(5, 1, 6, okLocker);  // a locker's element byte is stale
  for (int y = 1; y <= 7; ++y) seven.Put(9, y, 18);
  for (int x = 1; x <= 4; ++x) four.Put(x, 12, 8);
  EXPECT_FALSE(combos.Check(threes.board, threes.mask));
  EXPECT_FALSE(combos.Check(eight.board, eight.mask));
  EXPECT_EQ(TCombos::LargestMatch(stale.board, stale.mask), 4);
  EXPECT_TRUE(sounds.played.empty());
  EXPECT_TRUE(combos.Check(seven.board, seven.mask));
  EXPECT_EQ(sounds.played, std::vector<std::string>{"Combo"});
  // Ten show at once; the eleventh is heard but not shown.
  for (int i = 0; i < 10; ++i) combos.Check(four.board, four.mask);
  EXPECT_EQ(combos.ActiveCount(), 10);
  EXPECT_EQ(sounds.Count("MatchX"), 10);
}

TEST(CombosConveyer, FliesStraightToTheFlaskPaysOnceAndFadesAway) {
  TCombosConveyer conveyer;
  std::vector<int> paid;
  int arrivedAt = 0, updates = 0;
  conveyer.OnAComboArrives = [&](TCombosConveyer&, std::uint8_t m) {
    paid.push_back(m);
    arrivedAt = updates;
  };
  conveyer.Launch(6, {300, 600});
  const auto& it = conveyer.Item(0);
  while (conveyer.ActiveCount() > 0 && updates < 200) {
    ++updates;
    conveyer.Update();
    if (!it.Arrived) {  // both axes cover the same share of their distance
      EXPECT_NEAR((it.X - 300) / (630 - 300), (it.Y - 600) / (-11 - 600), 1e-9);
    }
    EXPECT_GE(it.Scale, 0.2);
  }
  ASSERT_EQ(paid, std::vector<int>{6});
  // 18 px growing by 18 % per update covers the 611 px in 12 updates; then 17 to fade.
  EXPECT_EQ(arrivedAt, 12);
  EXPECT_EQ(updates, 12 + 17);
  // With every item in the air the bonus is paid at once, not lost.
  for (int i = 0; i < TCombosConveyer::ItemCount; ++i) conveyer.Launch(4, {100, 100});
  paid.clear();
  conveyer.Launch(5, {100, 100});
  EXPECT_EQ(paid, std::vector<int>{5});
}
