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
    for (; info.State() != until && n < 1000; ++n) info.UpdateAndDraw();
    return n;
  }
};
}  // namespace

TEST(ObjectiveInfo, ShowsWaitsThenHidesWithItsEventsInOrder) {
  InfoRig r;
  r.info.Show(goNormalMode);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing"}));
  // Alpha is the slowest to arrive: 21 updates of 0.048.
  EXPECT_EQ(r.Run(TObjectiveInfo::osWaiting), 21);
  EXPECT_FLOAT_EQ(r.info.Y(), 135);
  EXPECT_EQ(r.Run(TObjectiveInfo::osHiding), 100);  // 3000 ms
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding"}));
  r.Run(TObjectiveInfo::osIdle);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding", "hidden"}));
  EXPECT_LT(r.info.Y(), -300);
  r.pics.Take();
  r.info.UpdateAndDraw();
  EXPECT_TRUE(r.pics.Take().empty());
}

TEST(ObjectiveInfo, AClickCutsTheWaitButNeverTheArrival) {
  InfoRig r;
  r.info.Show(goBossMode);
  r.info.UpdateAndDraw();
  r.info.Click();
  EXPECT_EQ(r.Run(TObjectiveInfo::osWaiting), 20);
  r.info.UpdateAndDraw();
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding"}));
  // A boss round shows the second logo and title.
  EXPECT_EQ(PictureRig::Only(r.pics.Take(), "ObjInfoTitle").back().Pattern, 1);
  r.info.Click();  // already leaving: nothing more
  r.Run(TObjectiveInfo::osIdle);
  EXPECT_EQ(r.events, (std::vector<std::string>{"showing", "hiding", "hidden"}));
}
