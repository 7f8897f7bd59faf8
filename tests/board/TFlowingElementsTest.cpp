#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "BoardRig.h"
#include "board/TFlowingElements.h"

namespace {
struct FlowRig {
  TFlowingElements flow;
  std::vector<TIndividualElementKind> asked;
  std::vector<std::pair<TElementKind, int>> arrived;
  std::vector<TPoint> dust;
  TPoint slot{600, 20};
  bool answer = true;
  FlowRig() {
    TGameRandom::SetSeed(77);
    flow.BoardLeft = 266;
    flow.BoardTop = 95;
    flow.OnSlotPosRequest = [this](TFlowingElements&, TIndividualElementKind k, TPoint& p) {
      asked.push_back(k);
      if (answer) p = slot;
    };
    flow.OnOneFruitArrived = [this](TFlowingElements&, TElementKind k, std::uint8_t i) {
      arrived.push_back({k, i});
    };
    flow.OnDustEffectRequest = [this](TFlowingElements&, int x, int y) { dust.push_back({x, y}); };
  }
};
}  // namespace

TEST(FlowingElements, WhatFliesAndAsWhat) {
  FlowRig rig;
  TBoardData b = MakeBoard({"1d899hU", "  e"});
  TSimpleObjectArray m;
  for (int x = 1; x <= 7; ++x) m.Set(x, 1);
  m.Set(3, 2);
  b.At(2, 2).FruitBomb = 1;  // a fruit bomb is special: never flies
  m.Set(2, 2);
  rig.flow.Start(b, m);
  // Column by column: fruit 1, flower 13 ('d'), fruit 8, flower 14 ('e'); element 9,
  // potion, uni bubble and the bomb stay.
  ASSERT_EQ(rig.flow.ActiveCount(), 4);
  EXPECT_EQ(rig.asked, (std::vector<TIndividualElementKind>{ieFruit1, ieFlower1, ieFruit8, ieFlower2}));
  EXPECT_EQ(rig.flow.Flight(0).Pattern, 0);
  EXPECT_EQ(rig.flow.Flight(1).Pattern, 8);
  EXPECT_EQ(rig.flow.Flight(1).Kind, elFlower);
  EXPECT_EQ(rig.flow.Flight(1).Index, 1);
  EXPECT_EQ(rig.flow.Flight(2).Pattern, 7);
  EXPECT_EQ(rig.flow.Flight(3).Pattern, 9);
  EXPECT_EQ(rig.flow.Flight(3).Index, 2);

  // Tokens: level 1 and 2, plain and upgraded; no token for other levels.
  rig.flow.StartToken({4, 4}, 1);
  rig.flow.StartToken({4, 4}, 3);
  rig.flow.StartToken({4, 4}, 0);
  rig.flow.TileKind = tkUpgraded;
  rig.flow.StartToken({4, 4}, 2);
  rig.flow.StartSpider(500, 400);
  ASSERT_EQ(rig.flow.ActiveCount(), 7);
  const auto& plain = rig.flow.Flight(4);
  EXPECT_EQ(plain.Pattern, 13);
  EXPECT_EQ(plain.Kind, elGoldTile);
  EXPECT_EQ(plain.Index, 1);
  const auto& upgraded = rig.flow.Flight(5);
  EXPECT_EQ(upgraded.Pattern, 16);
  EXPECT_EQ(upgraded.Individual, ieGoldTile2);
  EXPECT_EQ(upgraded.Index, 2);
  const auto& spider = rig.flow.Flight(6);
  EXPECT_EQ(spider.Pattern, 12);
  EXPECT_EQ(spider.Kind, elSpider);
  EXPECT_FLOAT_EQ(spider.X, 500);
  EXPECT_FLOAT_EQ(spider.Y, 400);
  // The spider starts from a screen point: swing of row group 1.
  bool group1 = false;
  for (const auto& s : TFlowingElements::SwingTable[0])
    group1 |= s.Upper == spider.Swing.Upper && s.Increase == spider.Swing.Increase;
  EXPECT_TRUE(group1);
}

TEST(FlowingElements, ArrivesOnceOnItsSlotWithDustEveryFlyingFrame) {
  for (bool twice : {false, true}) {
    FlowRig rig;
    rig.flow.IsWindows8OrLater = twice;
    TBoardData b = MakeBoard({});
    b.At(7, 12).Element = 5;
    TSimpleObjectArray m;
    m.Set(7, 12);
    rig.flow.Start(b, m);
    const auto& f = rig.flow.Flight(0);
    // Speeds: the longer axis 3 pixels per frame, acceleration 0.7 of the speed.
    const float dx = std::abs(600 - (266 + 52 * 6)), dy = 95 + 52 * 11 - 20;
    EXPECT_FLOAT_EQ(f.SpeedY, 3);
    EXPECT_NEAR(f.SpeedX, 3 * dx / dy, 1e-4);
    EXPECT_NEAR(f.AccelY, 2.1, 1e-5);
    EXPECT_FLOAT_EQ(f.SwingSpeed, 5.5f);
    EXPECT_FLOAT_EQ(f.SwingOffset, 1.5f);

    rig.flow.UpdateAndDraw();  // waiting -> flying, no movement, no dust
    EXPECT_TRUE(rig.dust.empty());
    int frames = 1;
    while (rig.arrived.empty() && frames < 200) {
      rig.flow.UpdateAndDraw();
      ++frames;
      EXPECT_EQ(static_cast<int>(rig.dust.size()), frames - 1);
    }
    ASSERT_EQ(rig.arrived.size(), 1u);
    EXPECT_EQ(rig.arrived[0], (std::pair<TElementKind, int>{elFruit, 5}));
    // The target correction brings the drawn element close to the slot (its sideways
    // speed was fixed before the correction, so it may stop a few pixels short).
    EXPECT_LE(std::abs(rig.dust.back().X - 600), 3) << twice;
    EXPECT_EQ(rig.dust.back().Y, 20);
    EXPECT_EQ(rig.flow.ActiveCount(), 0);
    rig.flow.UpdateAndDraw();
    EXPECT_EQ(rig.arrived.size(), 1u);
    EXPECT_EQ(static_cast<int>(rig.dust.size()), frames - 1);
  }
}

TEST(FlowingElements, UnansweredSlotAndRoundRobin) {
  FlowRig rig;
  rig.answer = false;
  rig.flow.StartSpider(395, 300);
  EXPECT_FLOAT_EQ(rig.flow.Flight(0).TargetY, 0);
  EXPECT_FLOAT_EQ(rig.flow.Flight(0).SpeedX, 0);  // straight up to (395, 0)
  for (int i = 0; i < 99; ++i) rig.flow.StartToken({1, 1}, 1);
  EXPECT_EQ(rig.flow.LastSlot(), 99);
  rig.flow.StartToken({1, 1}, 2);  // the 101st replaces the spider in slot 1
  EXPECT_EQ(rig.flow.LastSlot(), 0);
  EXPECT_EQ(rig.flow.Flight(0).Pattern, 14);
  EXPECT_EQ(rig.flow.ActiveCount(), 100);
  rig.flow.Clear();
  EXPECT_EQ(rig.flow.ActiveCount(), 0);
}

TEST(FlowingElements, DrawsItsPatternAboutTheCentre) {
  DrawRig draw;
  draw.Add("FlowingElements", 17, 1);
  FlowRig rig;
  rig.flow.OmgImgList = &draw.images;
  rig.flow.StartToken({2, 3}, 2);
  rig.flow.Visible = false;
  rig.flow.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
  rig.flow.Visible = true;
  rig.flow.UpdateAndDraw();
  auto drawn = draw.Take();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Name, "FlowingElements");
  EXPECT_EQ(drawn[0].Pattern, 14);
  EXPECT_NEAR(drawn[0].Alpha, 255, 1);
}
