#include <gtest/gtest.h>

#include <vector>

#include "levels/PictureRig.h"
#include "levels/TElementGather.h"

namespace {
struct GatherRig {
  PictureRig rig;
  TElementGather gather;
  std::vector<int> slotDone;
  int completions = 0;
  GatherRig() {
    rig.Add("ElementPanel", 121, 88, 4);
    rig.Add("ElementGather", 52, 52, 17);
    rig.Add("PulsingElements", 58, 58, 17);
    rig.Add("ElementGatherNumber", 14, 20, 10);
    gather.OmgImgList = &rig.images;
    gather.ReadImageSizes();
    gather.OnSlotDone = [this](TElementGather&, int x) { slotDone.push_back(x); };
    gather.OnComplete = [this](TElementGather&) { ++completions; };
  }
  // Only the first n fruits wanted, each `each` times.
  void Fruits(int n, int each) {
    for (int s = 0; s < TElementGather::SlotCount; ++s)
      gather.SetTarget(static_cast<TIndividualElementKind>(s), s >= ieFruit1 && s < ieFruit1 + n ? each : 0);
    gather.Reset();
  }
};
}  // namespace

TEST(ElementGather, LaysOutOneSlotPerWantedKindAroundTheCentre) {
  GatherRig r;
  // Bananas 5, apples 0, flowers 1: two slots, 242 wide.
  r.Fruits(0, 0);
  r.gather.SetTargetBananas(5);
  r.gather.SetTargetFlowers1(1);
  r.gather.Reset();
  EXPECT_EQ(r.gather.ShownCount(), 2);
  EXPECT_EQ(r.gather.PanelLeft(), 563);
  EXPECT_FALSE(r.gather.IsShown(ieFruit3));
  EXPECT_EQ(r.gather.SlotPosition(ieFruit1), (TPoint{563 + 40 + 15, -100 + 56}));
  EXPECT_EQ(r.gather.SlotPosition(ieFlower1).X, 563 + 121 - 3 + 31 + 15);
  r.gather.Update();
  auto icons = PictureRig::Only(r.rig.Take(), "ElementGather");
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[1].Pattern, ieFlower1);
  EXPECT_FLOAT_EQ(icons[1].X, 712);

  // 1..5 kinds: backgrounds side by side, first/middle/last patterns, a lone slot 3.
  const int left[] = {0, 624, 563, 508, 452, 397};
  for (int n = 1; n <= 5; ++n) {
    r.Fruits(n, 3);
    r.gather.Update();
    auto panels = PictureRig::Only(r.rig.Take(), "ElementPanel");
    ASSERT_EQ(static_cast<int>(panels.size()), n);
    int x = left[n];
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(panels[i].Pattern, n == 1 ? 3 : i == 0 ? 0 : i == n - 1 ? 2 : 1) << n;
      EXPECT_FLOAT_EQ(panels[i].X, static_cast<float>(x)) << n;
      x += (i == 0 || i == n - 1) ? 121 : 111;
    }
    EXPECT_EQ(r.gather.SlotPosition(ieFruit1 + n - 1).X, n == 1 ? 679 : x - 121 - 3 + 46) << n;
  }
}

TEST(ElementGather, CountsDownReportsDoneSlotsAndCompletesOnce) {
  GatherRig r;
  r.Fruits(0, 0);
  r.gather.SetTargetBananas(2);
  r.gather.SetTargetSpiders(1);
  r.gather.SetTargetGoldTiles2(-4);  // counts as none
  r.gather.Reset();
  // Pairs that name no slot, or a slot not wanted, change nothing.
  r.gather.Collect(elFruit, 9);
  r.gather.Collect(elSpider, 2);
  r.gather.Collect(elFruit, 2);
  EXPECT_EQ(r.gather.Counter(ieFruit1), 2);

  r.gather.Collect(elFruit, 1);
  EXPECT_TRUE(r.slotDone.empty());
  r.gather.Collect(elFruit, 1);
  EXPECT_EQ(r.slotDone, (std::vector<int>{r.gather.SlotPosition(ieFruit1).X}));
  EXPECT_FALSE(r.gather.IsStillNeeded(ieFruit1));
  r.gather.Collect(elFruit, 1);  // one too many: nothing moves, nothing fires
  EXPECT_EQ(r.gather.Counter(ieFruit1), 0);
  EXPECT_EQ(r.slotDone.size(), 1u);

  r.gather.Collect(elSpider, 1);
  r.gather.Collect(elSpider, 1);
  EXPECT_EQ(r.slotDone.size(), 2u);
  EXPECT_EQ(r.completions, 1);

  // A done slot is drawn faded and without its counter; a lone digit is centred.
  r.gather.Reset();
  r.gather.Collect(elFruit, 1);
  r.gather.Collect(elFruit, 1);
  for (int i = 0; i < 40; ++i) r.gather.Update();  // the pulse is over
  r.rig.Take();
  r.gather.Update();
  auto drawn = r.rig.Take();
  auto icons = PictureRig::Only(drawn, "ElementGather");
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].Alpha, 125 * 255 / 256);
  EXPECT_EQ(icons[1].Alpha, 254);
  auto digits = PictureRig::Only(drawn, "ElementGatherNumber");
  ASSERT_EQ(digits.size(), 1u);
  EXPECT_FLOAT_EQ(digits[0].X, static_cast<float>(r.gather.SlotPosition(ieSpider).X + 7));
}

TEST(ElementGather, SlidesPulsesAndRemindsOfIdleSlots) {
  GatherRig r;
  r.Fruits(2, 3);
  r.gather.ShowPanel();
  for (int i = 0; i < 100; ++i) r.gather.Update();
  EXPECT_EQ(r.gather.PanelY(), 0);
  EXPECT_EQ(r.gather.SlideState(), TElementGather::ssStill);

  // A pulse grows from 30 to 65, holds 450 ms, shrinks to 52 and ends.
  r.gather.Collect(elFruit, 1);
  std::vector<double> sizes;
  while (r.gather.Pulse(ieFruit1).Active && sizes.size() < 100) {
    r.gather.Update();
    sizes.push_back(r.gather.Pulse(ieFruit1).Size);
  }
  EXPECT_EQ(sizes.size(), 3u + 15u + 2u);
  EXPECT_DOUBLE_EQ(sizes[2], 65);
  EXPECT_DOUBLE_EQ(sizes.back(), 52);

  // Strawberries, untouched for 45 s of standing panel, pulse three times.
  for (int i = 0; i < 1479; ++i) r.gather.Update();
  EXPECT_EQ(r.gather.Idle(ieFruit1).Ms, 44970);
  EXPECT_TRUE(r.gather.Pulse(ieFruit2).Active);
  r.gather.Collect(elFruit, 1);
  EXPECT_EQ(r.gather.Idle(ieFruit1).Ms, 0);
  int starts = 1;
  bool was = true;
  for (int i = 0; i < 300; ++i) {
    r.gather.Update();
    bool now = r.gather.Pulse(ieFruit2).Active;
    starts += now && !was;
    was = now;
  }
  EXPECT_EQ(starts, 3);
}
