#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "BoardRig.h"
#include "board/TLockerFrames.h"

namespace {
struct FramesRig {
  DrawRig draw;
  TLockerFrames frames;
  std::vector<std::pair<TPoint, int>> removed;
  FramesRig() {
    TGameRandom::SetSeed(5);
    draw.Add("BrownTile", 2, 2);
    frames.OmgImgList = &draw.images;
    frames.BoardLeft = 266;
    frames.BoardTop = 95;
    frames.OnLockerFrameEffectRequest = [this](TLockerFrames&, TPoint p, std::uint8_t level) {
      removed.push_back({p, level});
    };
    TSimpleObjectArray levels;
    levels.At(3, 4) = 2;
    levels.At(4, 4) = 1;
    levels.At(16, 12) = 1;
    frames.Load(levels);
  }
  int Run(int limit = 100) {
    for (int i = 1; i <= limit; ++i) {
      frames.UpdateAndDraw();
      if (!frames.Moving()) return i;
    }
    return -1;
  }
};
}  // namespace

TEST(LockerFrames, EachRunTakesOneLevelWithOneRequest) {
  FramesRig rig;
  EXPECT_EQ(rig.frames.CountFrames(), 3);
  EXPECT_EQ(rig.frames.Frame({3, 4}).State, TLockerFrames::lfAway);
  TSimpleObjectArray run;
  run.Set(3, 4);
  run.Set(5, 4);  // no frame there
  run.Set(3, 5);
  rig.frames.RemoveFrames(run);  // away frames lose levels too
  ASSERT_EQ(rig.removed.size(), 1u);
  EXPECT_EQ(rig.removed[0], (std::pair<TPoint, int>{{3, 4}, 2}));
  EXPECT_EQ(rig.frames.Frame({3, 4}).Level, 1);
  EXPECT_EQ(rig.frames.Frame({4, 4}).Level, 1);  // the neighbour keeps its frame
  rig.frames.RemoveFrames(run);
  ASSERT_EQ(rig.removed.size(), 2u);
  EXPECT_EQ(rig.removed[1].second, 1);
  EXPECT_EQ(rig.frames.Frame({3, 4}).State, TLockerFrames::lfNone);
  rig.frames.RemoveFrames(run);
  EXPECT_EQ(rig.removed.size(), 2u);
  EXPECT_EQ(rig.frames.CountFrames(), 2);
  // A gone frame stays gone when the others fly in.
  rig.frames.FlyIn();
  EXPECT_EQ(rig.frames.Frame({3, 4}).State, TLockerFrames::lfNone);
}

TEST(LockerFrames, FlyInWithTrailRestThenFlyOut) {
  FramesRig rig;
  rig.frames.TileKind = tkUpgraded;
  rig.frames.UpdateAndDraw();
  EXPECT_TRUE(rig.draw.Take().empty());  // away frames are not drawn
  rig.frames.FlyIn();
  const auto& f = rig.frames.Frame({16, 12});
  const float tx = 266 + 52 * 15, ty = 95 + 52 * 11;
  EXPECT_FLOAT_EQ(f.X, 675);
  EXPECT_FLOAT_EQ(f.SpeedX, 23);  // the longer axis
  EXPECT_NEAR(f.SpeedY, 23 * (ty - 395) / (tx - 675), 1e-4);
  rig.frames.UpdateAndDraw();
  auto drawn = rig.draw.Take();
  // Per moving frame: three additive ghosts, then the frame itself.
  ASSERT_EQ(drawn.size(), 12u);
  EXPECT_EQ(drawn[0].Blend, bmAdditive);
  EXPECT_EQ(drawn[0].Pattern, 0);
  EXPECT_NEAR(drawn[0].Alpha, 120, 1);
  EXPECT_NEAR(drawn[1].Alpha, 90, 1);
  EXPECT_NEAR(drawn[2].Alpha, 60, 1);
  EXPECT_NEAR(drawn[3].Alpha, 255, 1);
  int frames = 1 + rig.Run();
  EXPECT_EQ(frames, static_cast<int>(std::ceil((tx - 675) / 23)));
  EXPECT_EQ(f.State, TLockerFrames::lfResting);
  EXPECT_FLOAT_EQ(f.Y, ty);
  rig.draw.Take();
  rig.frames.UpdateAndDraw();
  drawn = rig.draw.Take();
  ASSERT_EQ(drawn.size(), 3u);  // resting: no trail
  EXPECT_EQ(drawn[0].Pattern, 3);  // upgraded level 2
  EXPECT_EQ(drawn[2].Pattern, 2);
  EXPECT_FLOAT_EQ(drawn[2].X, tx);

  rig.frames.FlyOut();
  EXPECT_FLOAT_EQ(f.SpeedX, 30);
  rig.Run();
  EXPECT_EQ(f.State, TLockerFrames::lfAway);
  rig.draw.Take();
  rig.frames.UpdateAndDraw();
  EXPECT_TRUE(rig.draw.Take().empty());
}
