#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "support/SoundTrace.h"
#include "board/TOpeningLockers.h"

TEST(OpeningLockers, BreaksThenReportsEachTileWithTheLastOneMarked) {
  SoundTrace sounds({"LockerBreak"});
  DrawRig draw;
  TOpeningLockers opening;
  opening.OmgImgList = &draw.images;
  opening.PlaySound = sounds.Route();
  std::vector<TPoint> pieces;
  std::vector<std::pair<TPoint, bool>> done;
  opening.OnPiecesEffectRequest = [&](TOpeningLockers&, TPoint p) { pieces.push_back(p); };
  opening.OnOpeningEffectComplete = [&](TOpeningLockers&, TPoint p, bool last) {
    done.push_back({p, last});
  };
  TBoardData b = MakeBoard({"AAA", "  U"});
  TSimpleObjectArray none;
  opening.Start(b, none);
  EXPECT_EQ(sounds.Count("LockerBreak"), 0);
  EXPECT_EQ(opening.LastBatch(), 0);

  TSimpleObjectArray run;
  for (int x = 1; x <= 3; ++x) run.Set(x, 1);
  opening.Start(b, run);
  EXPECT_EQ(sounds.Count("LockerBreak"), 1);
  for (int i = 1; i < TOpeningLockers::BreakFrame; ++i) opening.UpdateAndDraw();
  EXPECT_TRUE(pieces.empty());
  opening.UpdateAndDraw();
  EXPECT_EQ(pieces.size(), 3u);
  // A second batch a few frames later, one locker holding a uni bubble.
  opening.UpdateAndDraw();
  TSimpleObjectArray single;
  single.Set(3, 2);
  opening.Start(b, single);
  EXPECT_EQ(sounds.Count("LockerBreak"), 2);
  EXPECT_EQ(opening.LastBatch(), 2);
  draw.Take();
  opening.UpdateAndDraw();
  bool bubble = false;
  for (const auto& d : draw.Take()) bubble |= d.Name == "BubbleInside";
  EXPECT_TRUE(bubble);

  int frames = TOpeningLockers::BreakFrame + 2;
  while (done.size() < 3 && frames < 100) {
    opening.UpdateAndDraw();
    ++frames;
  }
  ASSERT_EQ(done.size(), 3u);
  EXPECT_EQ(frames, TOpeningLockers::Duration);
  for (const auto& d : done) EXPECT_FALSE(d.second);  // the bubble is still opening
  while (done.size() < 4 && frames < 100) {
    opening.UpdateAndDraw();
    ++frames;
  }
  ASSERT_EQ(done.size(), 4u);
  EXPECT_EQ(done[3], (std::pair<TPoint, bool>{{3, 2}, true}));
  EXPECT_EQ(opening.OpeningCount(), 0);
}
