#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardRig.h"
#include "SoundTrace.h"
#include "board/TGroupedElementsEffect.h"

namespace {
struct GroupRig {
  TGroupedElementsEffect effect;
  struct TDone {
    int Frame;
    TSimpleObjectArray Mask;
    bool Blaster;
    int Element;
  };
  std::vector<TDone> done;
  std::vector<std::pair<TPoint, int>> tools;
  std::vector<TPoint> flowers;
  int frame = 0;
  GroupRig() {
    TGameRandom::SetSeed(7);
    effect.BoardLeft = 266;
    effect.BoardTop = 95;
    effect.OnGroupingEffectComplete = [this](TGroupedElementsEffect&, TBoardData b,
                                             TSimpleObjectArray m, bool blaster) {
      int element = -1;
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (m.IsSet(x, y)) element = b.At(x, y).Element;
      done.push_back({frame, m, blaster, element});
    };
    effect.OnNewToolAcquired = [this](TGroupedElementsEffect&, TPoint p, int code) {
      tools.push_back({p, code});
    };
    effect.OnNewFlowerAcquired = [this](TGroupedElementsEffect&, TPoint p) {
      flowers.push_back(p);
    };
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      ++frame;
      effect.UpdateAndDraw();
    }
  }
};

TSimpleObjectArray Row(int y, int from, int to) {
  TSimpleObjectArray m;
  for (int x = from; x <= to; ++x) m.Set(x, y);
  return m;
}

TPoint OnlyTile(const TSimpleObjectArray& m) {
  EXPECT_EQ(m.Count(), 1);
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (m.IsSet(x, y)) return {x, y};
  return {};
}
}  // namespace

TEST(GroupedElementsEffect, FiveTilesCompleteTogetherOneEventEach) {
  SoundTrace sounds({"SlotTing"});
  GroupRig rig;
  rig.effect.Start(MakeBoard({"", "", "*33333"}), Row(3, 2, 6), false);
  EXPECT_EQ(sounds.Count("SlotTing"), 1);
  rig.Frames(TGroupedElementsEffect::Duration - 1);
  EXPECT_TRUE(rig.done.empty());
  EXPECT_EQ(rig.effect.GroupingCount(), 5);
  rig.Frames(1);
  ASSERT_EQ(rig.done.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(rig.done[i].Frame, TGroupedElementsEffect::Duration);
    EXPECT_EQ(OnlyTile(rig.done[i].Mask), (TPoint{2 + i, 3}));
    EXPECT_EQ(rig.done[i].Element, 3);
    EXPECT_FALSE(rig.done[i].Blaster);
  }
  EXPECT_EQ(rig.effect.GroupingCount(), 0);
  rig.Frames(20);
  EXPECT_EQ(rig.done.size(), 5u);
  EXPECT_TRUE(rig.tools.empty());
}

TEST(GroupedElementsEffect, PickUpsAreReportedAndCompletedOnlyWhenVisitedFirst) {
  GroupRig rig;
  // Column by column: the fruit at (2, 4) is due first, so the key and the flower
  // further on are reported only.
  TBoardData b = MakeBoard({"", "", "", "*1"});
  b.At(5, 4).Element = ecMagicKey;
  b.At(6, 2).Element = ecFoundFlower;
  TSimpleObjectArray m = Row(4, 2, 5);
  m.Set(6, 2);
  rig.effect.Start(b, m, false);
  rig.Frames(TGroupedElementsEffect::Duration);
  EXPECT_EQ(rig.tools, (std::vector<std::pair<TPoint, int>>{{{5, 4}, ecMagicKey}}));
  EXPECT_EQ(rig.flowers, (std::vector<TPoint>{{6, 2}}));
  ASSERT_EQ(rig.done.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(OnlyTile(rig.done[i].Mask), (TPoint{2 + i, 4}));

  // A broom that comes first is both reported and completed; the aerosol after it is not.
  GroupRig first;
  TBoardData c = MakeBoard({"", "", "", "*"});
  c.At(2, 4).Element = ecBroom;
  c.At(4, 4).Element = ecAerosol;
  first.effect.Start(c, Row(4, 2, 4), true);
  first.Frames(TGroupedElementsEffect::Duration);
  EXPECT_EQ(first.tools,
            (std::vector<std::pair<TPoint, int>>{{{2, 4}, ecBroom}, {{4, 4}, ecAerosol}}));
  ASSERT_EQ(first.done.size(), 2u);
  EXPECT_EQ(OnlyTile(first.done[0].Mask), (TPoint{2, 4}));
  EXPECT_EQ(first.done[0].Element, ecBroom);
  EXPECT_TRUE(first.done[0].Blaster);
  EXPECT_EQ(OnlyTile(first.done[1].Mask), (TPoint{3, 4}));
}

TEST(GroupedElementsEffect, OverlappingRequestsKeepTheirOwnTimingElementsAndBlasterFlag) {
  GroupRig rig;
  rig.effect.Start(MakeBoard({"111"}), Row(1, 1, 3), false);
  rig.Frames(3);
  // The later snapshot no longer shows the first run's fruits; they stay as grouped.
  rig.effect.Start(MakeBoard({"999", "222"}), Row(2, 1, 3), true);
  rig.Frames(TGroupedElementsEffect::Duration - 3);
  ASSERT_EQ(rig.done.size(), 3u);
  for (const auto& d : rig.done) {
    EXPECT_EQ(d.Frame, TGroupedElementsEffect::Duration);
    EXPECT_FALSE(d.Blaster);
    EXPECT_EQ(d.Element, 1);
  }
  rig.Frames(3);
  ASSERT_EQ(rig.done.size(), 6u);
  for (int i = 3; i < 6; ++i) {
    EXPECT_EQ(rig.done[i].Frame, TGroupedElementsEffect::Duration + 3);
    EXPECT_TRUE(rig.done[i].Blaster);
    EXPECT_EQ(rig.done[i].Element, 2);
  }
}

TEST(GroupedElementsEffect, ShakesThroughTheJitterListAroundItsTile) {
  DrawRig draw;
  GroupRig rig;
  rig.effect.OmgImgList = &draw.images;
  TBoardData b = MakeBoard({"", "", "", "", "****7"});
  b.At(6, 5).Element = ecMagicKey;
  TSimpleObjectArray m;
  m.Set(5, 5);
  m.Set(6, 5);
  rig.effect.Start(b, m, false);
  for (int k = 0; k < TGroupedElementsEffect::Duration; ++k) {
    rig.Frames(1);
    auto drawn = draw.Take();
    ASSERT_EQ(drawn.size(), 1u);  // the key has no picture of its own
    EXPECT_EQ(drawn[0].Name, "ElementsInside");
    EXPECT_EQ(drawn[0].Pattern, 6);
    const TPoint j = TGroupedElementsEffect::Jitter[k];
    EXPECT_NEAR(drawn[0].X, 266 + 52 * 4 - 3 + j.X, 1.0f) << k;
    EXPECT_NEAR(drawn[0].Y, 95 + 52 * 4 - 3 + j.Y, 1.0f) << k;
  }
  rig.Frames(1);
  EXPECT_TRUE(draw.Take().empty());
}
