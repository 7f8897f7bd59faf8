#include <gtest/gtest.h>

#include "BoardRig.h"
#include "SoundCatcher.h"
#include "board/TAerosol.h"
#include "board/TBroom.h"
#include "board/TFlowingTool.h"
#include "board/TMagicKey.h"

namespace {
template <class T>
void Hang(T& tool, BoardRig& r) {
  tool.BoardLeft = 200;
  tool.BoardTop = 100;
  tool.HangingPosX = 20;
  tool.HangingPosY = 600;
  tool.OnTargetValidQuestion = [&r](TCarriedTool&, TPoint p, bool& valid) {
    valid = T::IsValidTarget(r.board, p);
  };
}
int SX(int x) { return 200 + 52 * (x - 1) + 26; }
int SY(int y) { return 100 + 52 * (y - 1) + 26; }
}  // namespace

TEST(CarriedTools, CollectedToolsFlyInAndCountUpToNine) {
  SoundCatcher sounds;
  TMagicKey key;
  TFlowingTool flight;
  key.PlaySound = flight.PlaySound = sounds.Route();
  flight.TargetX = 20;
  flight.TargetY = 600;
  flight.OnArrive = [&](TFlowingTool&) { key.Acquire(); };
  for (int i = 0; i < 11; ++i) flight.Start({1 + i % 16, 1});
  EXPECT_EQ(flight.Flying(), 9);
  EXPECT_EQ(key.Count(), 2);  // no free slot: counted at once
  for (int i = 0; i < 100 && flight.Flying() > 0; ++i) flight.UpdateAndDraw();
  EXPECT_EQ(flight.Flying(), 0);
  EXPECT_EQ(key.Count(), 9);
  EXPECT_EQ(sounds.played, std::vector<std::string>(11, "ToolAcquired"));
}

TEST(CarriedTools, KeyOpensLockersAndBroomSweepsWebs) {
  SoundCatcher sounds;
  BoardRig r;
  r.Load({"A3*4            "});
  r.board.EditTile({2, 1}).Web = 1;
  r.board.EditTile({4, 1}).Web = 1;
  r.board.EditTile({4, 1}).ChainLevel = 1;

  TMagicKey key;
  key.PlaySound = sounds.Route();
  Hang(key, r);
  std::vector<TPoint> opened;
  key.OnLockerOpen = [&](TMagicKey&, TPoint p) {
    opened.push_back(p);
    r.board.OpenLocker(p);
  };
  EXPECT_TRUE(key.MouseDown(25, 605, TMouseButton::Left));  // none in stock: refused
  EXPECT_FALSE(key.Held());
  key.SetCount(1);
  EXPECT_TRUE(key.MouseDown(25, 605, TMouseButton::Left));
  EXPECT_TRUE(key.Held());
  key.MouseDown(SX(2), SY(1), TMouseButton::Left);  // an element: refused
  EXPECT_TRUE(key.Held());
  key.MouseDown(SX(1), SY(1), TMouseButton::Left);
  EXPECT_FALSE(key.Held());
  EXPECT_EQ(key.Count(), 0);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(r.S(1, 1), tsOpening);
  ASSERT_EQ(r.opened.size(), 1u);

  TBroom broom;
  broom.PlaySound = sounds.Route();
  Hang(broom, r);
  broom.SetCount(2);
  std::vector<TPoint> swept;
  broom.OnTileBroomingFinished = [&](TBroom&, TPoint p) {
    swept.push_back(p);
    r.board.RemoveWeb(p);
  };
  broom.MouseDown(25, 605, TMouseButton::Left);
  broom.MouseDown(SX(4), SY(1), TMouseButton::Left);  // web under a chain: refused
  broom.MouseDown(SX(3), SY(1), TMouseButton::Left);  // no web: refused
  EXPECT_TRUE(broom.Held());
  broom.MouseDown(SX(2), SY(1), TMouseButton::Left);
  EXPECT_TRUE(broom.Working());
  // While it sweeps it takes no new press.
  EXPECT_FALSE(broom.MouseDown(25, 605, TMouseButton::Left));
  for (int i = 0; i < 30; ++i) broom.UpdateAndDraw();
  ASSERT_EQ(swept.size(), 1u);
  EXPECT_EQ(r.T(2, 1).Web, 0);
  EXPECT_FALSE(broom.Working());

  // Left idle in hand, it flies home.
  broom.IdleReturnTime = 300;
  broom.MouseDown(25, 605, TMouseButton::Left);
  broom.MouseMove(SX(8), SY(5));
  for (int i = 0; i < 30; ++i) broom.UpdateAndDraw();
  EXPECT_FALSE(broom.Held());
  EXPECT_FALSE(broom.Returning());
  EXPECT_EQ(broom.Count(), 1);
  int refused = 0;
  for (const auto& s : sounds.played) refused += s == "DisabledTile";
  EXPECT_EQ(refused, 4);
}

TEST(CarriedTools, AerosolNeedsEnemiesAndSpraysAGrowingAndShrinkingSquare) {
  SoundCatcher sounds;
  BoardRig r;
  r.Load({});
  TAerosol spray;
  spray.PlaySound = sounds.Route();
  spray.BoardLeft = 200;
  spray.BoardTop = 100;
  spray.HangingPosX = 20;
  spray.HangingPosY = 600;
  spray.OnTargetValidQuestion = [](TCarriedTool&, TPoint, bool& v) { v = true; };
  bool enemies = false;
  spray.OnEnemiesExistQuestion = [&](TAerosol&, bool& e) { e = enemies; };
  std::vector<TSprayRect> rects;
  spray.OnSpraySizeChange = [&](TAerosol&, TSprayRect rect) { rects.push_back(rect); };
  std::vector<TToolRefusal> refusals;
  spray.OnRefusedPress = [&](TCarriedTool&, TToolRefusal why) { refusals.push_back(why); };
  // None collected, then nothing to spray: both refused, each with its reason.
  EXPECT_TRUE(spray.MouseDown(25, 605, TMouseButton::Left));
  spray.SetCount(1);
  spray.MouseDown(25, 605, TMouseButton::Left);
  EXPECT_FALSE(spray.Held());
  EXPECT_EQ(refusals, (std::vector<TToolRefusal>{trNoneCarried, trNothingToHit}));
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"DisabledTile", "DisabledTile"}));
  enemies = true;
  spray.MouseDown(25, 605, TMouseButton::Left);
  ASSERT_TRUE(spray.Held());
  spray.MouseDown(500, 300, TMouseButton::Left);
  for (int i = 0; i < 100 && spray.Working(); ++i) spray.UpdateAndDraw();
  EXPECT_FALSE(spray.Working());
  ASSERT_FALSE(rects.empty());
  int largest = 0;
  for (const auto& rc : rects) largest = std::max(largest, rc.Right - rc.Left);
  EXPECT_EQ(largest, spray.MaxSpraySize);
  EXPECT_EQ(rects.back().Left, 500 - 3);  // the last, smallest cloud around the release point
  EXPECT_EQ(rects.back().Bottom, 300 + 3);
}
