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
  // Targets for the first n fruits, all others none.
  void Fruits(int n, int each) {
    for (int s = 0; s < TElementGather::SlotCount; ++s)
      gather.SetTarget(static_cast<TIndividualElementKind>(s), 0);
    for (int i = 0; i < n; ++i) gather.SetTarget(static_cast<TIndividualElementKind>(ieFruit1 + i), each);
    gather.Reset();
  }
  void Standing() {
    gather.ShowPanel();
    while (gather.SlideState() != TElementGather::ssStill) gather.Update();
    rig.Take();
  }
};
}  // namespace

TEST(ElementGather, LaysOutOneSlotPerWantedKindAroundTheCentre) {
  GatherRig r;
  // Bananas 5, apples 0, flowers 1: two slots, 242 wide.
  r.Fruits(0, 0);
  r.gather.SetTargetBananas(5);
  r.gather.SetTargetApples(0);
  r.gather.SetTargetFlowers1(1);
  r.gather.Reset();
  EXPECT_EQ(r.gather.ShownCount(), 2);
  EXPECT_EQ(r.gather.PanelLeft(), 563);
  EXPECT_FALSE(r.gather.IsShown(ieFruit3));
  EXPECT_FALSE(r.gather.IsStillNeeded(ieFruit3));
  r.Standing();
  EXPECT_EQ(r.gather.SlotPosition(ieFruit1), (TPoint{563 + 40 + 15, 56}));
  EXPECT_EQ(r.gather.SlotPosition(ieFlower1), (TPoint{563 + 121 - 3 + 31 + 15, 56}));
  r.gather.Update();
  auto drawn = r.rig.Take();
  auto icons = PictureRig::Only(drawn, "ElementGather");
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].Pattern, ieFruit1);
  EXPECT_FLOAT_EQ(icons[0].X, 603);
  EXPECT_EQ(icons[1].Pattern, ieFlower1);
  EXPECT_FLOAT_EQ(icons[1].X, 712);
  EXPECT_FLOAT_EQ(icons[1].Y, 7);

  // For 1..5 kinds: backgrounds side by side, first/middle/last patterns, one alone as 3.
  const int expectedLeft[] = {0, 624, 563, 508, 452, 397};
  for (int n = 1; n <= 5; ++n) {
    r.Fruits(n, 3);
    EXPECT_EQ(r.gather.PanelLeft(), expectedLeft[n]) << n;
    r.gather.Update();
    auto panels = PictureRig::Only(r.rig.Take(), "ElementPanel");
    ASSERT_EQ(static_cast<int>(panels.size()), n);
    int x = expectedLeft[n];
    for (int i = 0; i < n; ++i) {
      int pattern = n == 1 ? 3 : i == 0 ? 0 : i == n - 1 ? 2 : 1;
      EXPECT_EQ(panels[i].Pattern, pattern) << n << " " << i;
      EXPECT_FLOAT_EQ(panels[i].X, static_cast<float>(x));
      x += (i == 0 || i == n - 1) ? 121 : 111;
    }
    // The last slot's counter sits 31 + 15 into the slot, 3 pixels left of its background.
    if (n > 1)
      EXPECT_EQ(r.gather.SlotPosition(ieFruit1 + n - 1).X, x - 121 - 3 + 46) << n;
    else
      EXPECT_EQ(r.gather.SlotPosition(ieFruit1).X, 624 + 55);
  }
}

TEST(ElementGather, CountsDownReportsDoneSlotsAndCompletesOnce) {
  GatherRig r;
  r.Fruits(0, 0);
  r.gather.SetTargetBananas(2);
  r.gather.SetTargetSpiders(1);
  r.gather.SetTargetGoldTiles2(-4);  // counts as none
  r.gather.Reset();
  r.Standing();
  EXPECT_TRUE(r.gather.IsStillNeeded(ieFruit1));
  // Pairs that name no slot change nothing.
  r.gather.Collect(elFruit, 9);
  r.gather.Collect(elSpider, 2);
  r.gather.Collect(elPotion, 0);
  r.gather.Collect(elFruit, 2);  // strawberries: not wanted here
  EXPECT_EQ(r.gather.Counter(ieFruit1), 2);
  EXPECT_EQ(r.completions, 0);

  r.gather.Collect(elFruit, 1);
  EXPECT_EQ(r.gather.Counter(ieFruit1), 1);
  EXPECT_TRUE(r.slotDone.empty());
  r.gather.Collect(elFruit, 1);
  ASSERT_EQ(r.slotDone.size(), 1u);
  EXPECT_EQ(r.slotDone[0], r.gather.SlotPosition(ieFruit1).X);
  EXPECT_FALSE(r.gather.IsStillNeeded(ieFruit1));
  // A banana too many: nothing moves, nothing fires.
  r.gather.Collect(elFruit, 1);
  EXPECT_EQ(r.gather.Counter(ieFruit1), 0);
  EXPECT_EQ(r.slotDone.size(), 1u);
  EXPECT_EQ(r.completions, 0);

  r.gather.Collect(elSpider, 1);
  EXPECT_EQ(r.slotDone.size(), 2u);
  EXPECT_EQ(r.completions, 1);
  r.gather.Collect(elSpider, 1);
  EXPECT_EQ(r.completions, 1);

  // A done slot is drawn faded and without its counter.
  r.gather.Reset();
  r.gather.Collect(elFruit, 1);
  r.gather.Collect(elFruit, 1);
  for (int i = 0; i < 40; ++i) r.gather.Update();  // let the pulse end
  r.rig.Take();
  r.gather.Update();
  auto drawn = r.rig.Take();
  auto icons = PictureRig::Only(drawn, "ElementGather");
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].Alpha, 125 * 255 / 256);
  EXPECT_EQ(icons[1].Alpha, 254);
  auto digits = PictureRig::Only(drawn, "ElementGatherNumber");
  ASSERT_EQ(digits.size(), 1u);  // the spider's 1, centred under its icon
  EXPECT_EQ(digits[0].Pattern, 1);
  EXPECT_FLOAT_EQ(digits[0].X, static_cast<float>(r.gather.SlotPosition(ieSpider).X + 7));
  EXPECT_EQ(r.completions, 1);  // Reset re-arms completion; not complete yet
}

TEST(ElementGather, SlidesPulsesAndRemindsOfIdleSlots) {
  GatherRig r;
  r.Fruits(2, 3);
  r.gather.ShowPanel();
  EXPECT_EQ(r.gather.SlotPosition(ieFruit1).Y, -100 + 56);
  for (int i = 0; i < 99; ++i) r.gather.Update();
  EXPECT_EQ(r.gather.SlideState(), TElementGather::ssSlidingIn);
  r.gather.Update();
  EXPECT_EQ(r.gather.PanelY(), 0);
  EXPECT_EQ(r.gather.SlideState(), TElementGather::ssStill);

  // A pulse grows from 30 to 65, holds 450 ms, shrinks to 52 and ends.
  r.gather.Collect(elFruit, 1);
  std::vector<double> sizes;
  while (r.gather.Pulse(ieFruit1).Active && sizes.size() < 100) {
    r.gather.Update();
    sizes.push_back(r.gather.Pulse(ieFruit1).Size);
  }
  ASSERT_GE(sizes.size(), 3u);
  EXPECT_DOUBLE_EQ(sizes[0], 42);
  EXPECT_DOUBLE_EQ(sizes[2], 65);
  EXPECT_EQ(sizes.size(), 3u + 15u + 2u);  // 13 pixels down at 7 a step
  EXPECT_DOUBLE_EQ(sizes.back(), 52);
  r.rig.Take();

  // Strawberries, untouched for 45 s of standing panel, pulse three times; the bananas,
  // collected since, wait on.
  for (int i = 0; i < 1479; ++i) r.gather.Update();
  EXPECT_EQ(r.gather.Idle(ieFruit1).Ms, 44970);
  EXPECT_FALSE(r.gather.Pulse(ieFruit1).Active);
  EXPECT_TRUE(r.gather.Pulse(ieFruit2).Active);
  EXPECT_EQ(r.gather.Idle(ieFruit2).PulsesLeft, 2);
  r.gather.Collect(elFruit, 1);
  EXPECT_EQ(r.gather.Idle(ieFruit1).Ms, 0);
  int starts = 1;
  bool was = true;
  for (int i = 0; i < 300; ++i) {
    r.gather.Update();
    bool now = r.gather.Pulse(ieFruit2).Active;
    if (now && !was) ++starts;
    was = now;
  }
  EXPECT_EQ(starts, 3);
  EXPECT_FALSE(r.gather.Pulse(ieFruit2).Active);

  r.gather.HidePanel();
  for (int i = 0; i < 100; ++i) r.gather.Update();
  EXPECT_EQ(r.gather.PanelY(), -100);
}
