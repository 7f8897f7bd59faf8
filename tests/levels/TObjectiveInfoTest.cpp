#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/PictureRig.h"
#include "levels/TObjectiveInfo.h"

namespace {
struct InfoRig {
  PictureRig pics;
  TObjectiveInfo info;
  std::vector<std::string> events;
  InfoRig() {
    pics.Add("ObjInfoShadow", 648, 300);
    pics.Add("ObjInfoLogo", 140, 110, 2);
    pics.Add("ObjInfoTitle", 232, 60, 2);
    info.OmgImgList = &pics.images;
    info.ReadImageSizes();
    info.OnShowing = [this](TObjectiveInfo&) { events.push_back("showing"); };
    info.OnStartHiding = [this](TObjectiveInfo&) { events.push_back("hiding"); };
    info.OnHidingComplete = [this](TObjectiveInfo&) { events.push_back("hidden"); };
  }
  int Run(TObjectiveInfo::TState until) {
    int n = 0;
    while (info.State() != until && n < 1000) {
      info.UpdateAndDraw();
      ++n;
    }
    return n;
  }
};
}  // namespace

TEST(ObjectiveInfo, ShowsWaitsThenHidesWithItsEventsInOrder) {
  InfoRig r;
  r.info.Show(goNormalMode);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing"}));
  EXPECT_FLOAT_EQ(r.info.Y(), 768 + 600);
  // Alpha is the slowest to arrive: 21 updates of 0.048.
  EXPECT_EQ(r.Run(TObjectiveInfo::osWaiting), 21);
  EXPECT_FLOAT_EQ(r.info.Y(), 135);
  EXPECT_FLOAT_EQ(r.info.Alpha(), 1);
  EXPECT_FLOAT_EQ(r.info.Scale(), 1);
  auto drawn = r.pics.Take();
  ASSERT_GE(drawn.size(), 3u);
  EXPECT_EQ(drawn[drawn.size() - 2].Name, "ObjInfoLogo");
  EXPECT_EQ(drawn[drawn.size() - 2].Pattern, 0);

  EXPECT_EQ(r.Run(TObjectiveInfo::osHiding), 100);  // 3000 ms
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding"}));
  r.Run(TObjectiveInfo::osIdle);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding", "hidden"}));
  EXPECT_LT(r.info.Y(), -300);
  r.pics.Take();
  for (int i = 0; i < 10; ++i) r.info.UpdateAndDraw();
  EXPECT_TRUE(r.pics.Take().empty());
  EXPECT_EQ(r.events.size(), 3u);
}

TEST(ObjectiveInfo, AClickCutsTheWaitButNeverTheArrival) {
  InfoRig r;
  r.info.Show(goBossMode);
  r.info.UpdateAndDraw();
  r.info.Click();
  EXPECT_EQ(r.Run(TObjectiveInfo::osWaiting), 20);
  r.info.UpdateAndDraw();
  EXPECT_EQ(r.info.State(), TObjectiveInfo::osHiding);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding"}));
  // The boss round shows the second logo and title.
  auto drawn = r.pics.Take();
  EXPECT_EQ(PictureRig::Only(drawn, "ObjInfoTitle").back().Pattern, 1);
  r.info.Click();  // already leaving: nothing more
  r.Run(TObjectiveInfo::osIdle);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding", "hidden"}));

  // A level restarted mid-announcement starts over silently.
  r.info.Show(goNormalMode);
  r.info.Reset();
  r.info.UpdateAndDraw();
  EXPECT_EQ(r.info.State(), TObjectiveInfo::osIdle);
  EXPECT_EQ(r.events.size(), 4u);
}
