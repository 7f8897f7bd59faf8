#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "support/SoundTrace.h"
#include "board/TGroupedElementsEffect.h"

namespace {
struct GroupRig {
  TGroupedElementsEffect effect;
  struct TDone {
    int Frame;
    TPoint Tile;
    int Tiles, Element;
    bool Blaster;
  };
  std::vector<TDone> done;
  std::vector<std::pair<TPoint, int>> tools;
  std::vector<TPoint> flowers;
  int frame = 0;
  GroupRig() {
    effect.BoardLeft = 266;
    effect.BoardTop = 95;
    effect.OnGroupingEffectComplete = [this](TGroupedElementsEffect&, TBoardData b,
                                             TSimpleObjectArray m, bool blaster) {
      TPoint p;
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (m.IsSet(x, y)) p = {x, y};
      done.push_back({frame, p, m.Count(), b.At(p).Element, blaster});
    };
    effect.OnNewToolAcquired = [this](auto&, TPoint p, int code) { tools.push_back({p, code}); };
    effect.OnNewFlowerAcquired = [this](auto&, TPoint p) { flowers.push_back(p); };
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i, ++frame) effect.UpdateAndDraw();
  }
};

TSimpleObjectArray Row(int y, int from, int to) {
  TSimpleObjectArray m;
  for (int x = from; x <= to; ++x) m.Set(x, y);
  return m;
}
}  // namespace

TEST(GroupedElementsEffect, FiveTilesShakeThenCompleteInOneFrameOneEventEach) {
  SoundTrace sounds({"SlotTing"});
  DrawRig draw;
  GroupRig rig;
  rig.effect.OmgImgList = &draw.images;
  rig.effect.PlaySound = sounds.Route();
  rig.effect.Start(MakeBoard({"", "", "*33333"}), Row(3, 2, 6), false);
  EXPECT_EQ(sounds.Count("SlotTing"), 1);
  for (int k = 0; k < TGroupedElementsEffect::Duration; ++k) {
    rig.Frames(1);
    auto drawn = draw.Take();
    ASSERT_EQ(drawn.size(), 5u);
    const TPoint j = TGroupedElementsEffect::Jitter[k];
    EXPECT_EQ(drawn[0].Pattern, 2);
    EXPECT_NEAR(drawn[0].X, 266 + 52 - 3 + j.X, 1.0f) << k;
    EXPECT_NEAR(drawn[0].Y, 95 + 104 - 3 + j.Y, 1.0f) << k;
    EXPECT_EQ(rig.done.size(), k + 1 < TGroupedElementsEffect::Duration ? 0u : 5u);
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rig.done[i].Tile, (TPoint{2 + i, 3}));
    EXPECT_EQ(rig.done[i].Tiles, 1);
    EXPECT_EQ(rig.done[i].Element, 3);
  }
  rig.Frames(10);
  EXPECT_EQ(rig.done.size(), 5u);
  EXPECT_TRUE(draw.Take().empty());
}

TEST(GroupedElementsEffect, PickUpsAreReportedAndCompletedOnlyWhenVisitedFirst) {
  GroupRig rig;
  TBoardData b = MakeBoard({});
  b.At(5, 4).Element = ecMagicKey;
  b.At(6, 2).Element = ecFoundFlower;
  TSimpleObjectArray m = Row(4, 2, 5);
  m.Set(6, 2);
  rig.effect.Start(b, m, false);
  rig.Frames(TGroupedElementsEffect::Duration);
  EXPECT_EQ(rig.tools, (std::vector<std::pair<TPoint, int>>{{{5, 4}, ecMagicKey}}));
  EXPECT_EQ(rig.flowers, (std::vector<TPoint>{{6, 2}}));
  ASSERT_EQ(rig.done.size(), 3u);
  EXPECT_EQ(rig.done[2].Tile, (TPoint{4, 4}));

  GroupRig first;
  b.At(2, 4).Element = ecBroom;
  first.effect.Start(b, Row(4, 2, 5), true);
  first.Frames(TGroupedElementsEffect::Duration);
  EXPECT_EQ(first.tools,
            (std::vector<std::pair<TPoint, int>>{{{2, 4}, ecBroom}, {{5, 4}, ecMagicKey}}));
  ASSERT_EQ(first.done.size(), 3u);
  EXPECT_EQ(first.done[0].Element, ecBroom);
  EXPECT_TRUE(first.done[0].Blaster);
  EXPECT_EQ(first.done[2].Tile, (TPoint{4, 4}));
}

TEST(GroupedElementsEffect, OverlappingRequestsKeepTheirOwnTimingElementsAndBlasterFlag) {
  GroupRig rig;
  rig.effect.Start(MakeBoard({"111"}), Row(1, 1, 3), false);
  rig.Frames(3);
  // The later snapshot no longer shows the first run's fruits.
  rig.effect.Start(MakeBoard({"999", "222"}), Row(2, 1, 3), true);
  rig.Frames(TGroupedElementsEffect::Duration);
  ASSERT_EQ(rig.done.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const bool later = i >= 3;
    EXPECT_EQ(rig.done[i].Frame, TGroupedElementsEffect::Duration - 1 + (later ? 3 : 0));
    EXPECT_EQ(rig.done[i].Blaster, later);
    EXPECT_EQ(rig.done[i].Element, later ? 2 : 1);
  }
}
