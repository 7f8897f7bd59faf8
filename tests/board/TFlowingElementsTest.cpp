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
  bool answer = true;
  FlowRig() {
    TGameRandom::SetSeed(77);
    flow.BoardLeft = 266;
    flow.BoardTop = 95;
    flow.OnSlotPosRequest = [this](TFlowingElements&, TIndividualElementKind k, TPoint& p) {
      asked.push_back(k);
      if (answer) p = {600, 20};
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
  b.At(2, 2).FruitBomb = 1;  // special: never flies
  TSimpleObjectArray m;
  for (int x = 1; x <= 7; ++x) m.Set(x, 1);
  m.Set(3, 2);
  m.Set(2, 2);
  rig.flow.Start(b, m);
  // Plain elements 9, potions and bubbles stay; column by column.
  EXPECT_EQ(rig.asked, (std::vector<TIndividualElementKind>{ieFruit1, ieFlower1, ieFruit8,
                                                            ieFlower2}));
  EXPECT_EQ(rig.flow.Flight(1).Pattern, 8);
  EXPECT_EQ(rig.flow.Flight(3).Pattern, 9);
  EXPECT_EQ(rig.flow.Flight(3).Index, 2);

  rig.flow.StartToken({4, 4}, 1);
  rig.flow.StartToken({4, 4}, 3);  // no token for other levels
  rig.flow.TileKind = tkUpgraded;
  rig.flow.StartToken({4, 4}, 2);
  rig.flow.StartSpider(500, 400);
  ASSERT_EQ(rig.flow.ActiveCount(), 7);
  EXPECT_EQ(rig.flow.Flight(4).Pattern, 13);
  EXPECT_EQ(rig.flow.Flight(4).Index, 1);
  const auto& upgraded = rig.flow.Flight(5);
  EXPECT_EQ(upgraded.Pattern, 16);
  EXPECT_EQ(upgraded.Individual, ieGoldTile2);
  EXPECT_EQ(upgraded.Index, 2);
  EXPECT_EQ(rig.flow.Flight(6).Pattern, 12);
  EXPECT_EQ(rig.flow.Flight(6).Kind, elSpider);

  DrawRig draw;
  draw.Add("FlowingElements", 17, 1);
  rig.flow.OmgImgList = &draw.images;
  rig.flow.UpdateAndDraw();
  auto drawn = draw.Take();
  ASSERT_EQ(drawn.size(), 7u);
  EXPECT_EQ(drawn[5].Pattern, 16);
}

TEST(FlowingElements, ArrivesOnceNearItsSlotWithDustEveryFlyingFrame) {
  for (bool twice : {false, true}) {
    FlowRig rig;
    rig.flow.IsWindows8OrLater = twice;
    TBoardData b = MakeBoard({});
    b.At(7, 12).Element = 5;
    TSimpleObjectArray m;
    m.Set(7, 12);
    rig.flow.Start(b, m);
    const auto& f = rig.flow.Flight(0);
    EXPECT_FLOAT_EQ(f.SpeedY, 3);  // the longer axis
    EXPECT_NEAR(f.AccelY, 2.1, 1e-5);

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
    // The target correction brings the swinging element close to the slot (its sideways
    // speed was fixed before the correction, so it may stop a few pixels short).
    EXPECT_LE(std::abs(rig.dust.back().X - 600), 3) << twice;
    EXPECT_EQ(rig.dust.back().Y, 20);
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
  rig.flow.StartToken({1, 1}, 2);  // the 101st replaces the spider in slot 1
  EXPECT_EQ(rig.flow.LastSlot(), 0);
  EXPECT_EQ(rig.flow.Flight(0).Pattern, 14);
  EXPECT_EQ(rig.flow.ActiveCount(), 100);
}
