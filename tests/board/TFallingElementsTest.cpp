#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "SoundTrace.h"
#include "board/TFallingElements.h"

namespace {
struct FallRig {
  TFallingElements fall;
  std::vector<std::pair<int, int>> ground;
  std::vector<TPoint> asked, dust;
  bool hit = false, absorb = false;
  int hitBelow = 10000;
  FallRig() {
    TGameRandom::SetSeed(99);
    fall.BoardLeft = 266;
    fall.BoardTop = 95;
    fall.OnGroundHit = [this](TFallingElements&, int code, int column) {
      ground.push_back({code, column});
    };
    fall.OnMonsterHitCheck = [this](TFallingElements&, TPoint p, bool& h, bool& a) {
      asked.push_back(p);
      if (hit && p.Y >= hitBelow) {
        h = true;
        a = absorb;
      }
    };
    fall.OnDustEffectRequest = [this](TFallingElements&, int x, int y) { dust.push_back({x, y}); };
  }
  void Drop(int code, int x = 5, int y = 3, bool blasted = false) {
    TBoardData b = MakeBoard({});
    b.At(x, y).Element = static_cast<std::uint8_t>(code);
    TSimpleObjectArray m;
    m.Set(x, y);
    fall.Start(b, m, blasted);
  }
  int RunUntilFree(int limit = 400) {
    for (int i = 1; i <= limit; ++i) {
      fall.UpdateAndDraw();
      if (fall.ActiveCount() == 0) return i;
    }
    return -1;
  }
};
}  // namespace

TEST(FallingElements, LightElementsDriftAwayWithoutBouncingOrHitting) {
  for (int code : {2, 3, 8, 10}) {
    FallRig rig;
    rig.hit = true;
    rig.hitBelow = 0;
    rig.Drop(code);
    const auto& e = rig.fall.Element(0);
    ASSERT_EQ(e.State, TFallingElements::fsDrifting);
    const float x0 = e.X;
    EXPECT_GT(rig.RunUntilFree(), 0);
    EXPECT_GT(e.X, x0);
    EXPECT_GE(e.Y, 768);
    EXPECT_TRUE(rig.asked.empty()) << code;
    EXPECT_TRUE(rig.ground.empty());
    EXPECT_TRUE(rig.dust.empty());
  }
}

TEST(FallingElements, FallsBouncesAndRollsOff) {
  DrawRig draw;
  for (bool twice : {false, true}) {
    SoundTrace sounds({"ElementBounce1", "ElementBounce2", "ElementBounce3"});
    FallRig rig;
    rig.fall.OmgImgList = &draw.images;
    rig.fall.IsWindows8OrLater = twice;
    rig.Drop(5, 9, 4);
    const auto& e = rig.fall.Element(0);
    EXPECT_EQ(e.State, TFallingElements::fsFalling);
    EXPECT_LT(e.Push, 0);  // thrown up first
    EXPECT_LT(std::abs(e.HorzSpeed), 10);
    int frames = 0;
    while (e.State == TFallingElements::fsFalling && frames < 200) {
      rig.fall.UpdateAndDraw();
      ++frames;
      EXPECT_FLOAT_EQ(e.Angle, 0);
    }
    ASSERT_EQ(e.State, TFallingElements::fsBouncing);
    EXPECT_EQ(sounds.Count("ElementBounce"), 1);
    EXPECT_EQ(rig.asked.size(), static_cast<std::size_t>(frames));
    ASSERT_EQ(rig.ground.size(), 1u);
    EXPECT_EQ(rig.ground[0], (std::pair<int, int>{5, 9}));
    const auto drawn = draw.Take();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().Name, "ElementsInside");
    EXPECT_EQ(drawn.back().Pattern, 4);

    const auto& path = TFallingElements::Path(e.Variant);
    const float landX = e.LandX;
    int bounceFrames = 0;
    while (e.State == TFallingElements::fsBouncing) {
      rig.fall.UpdateAndDraw();
      ++bounceFrames;
      if (e.State != TFallingElements::fsBouncing) break;
      EXPECT_FLOAT_EQ(e.X, landX + path[e.PathCounter].X);
      EXPECT_FLOAT_EQ(e.Y, 705 + path[e.PathCounter].Y);
    }
    EXPECT_EQ(bounceFrames, twice ? static_cast<int>(path.size() + 1) / 2
                                  : static_cast<int>(path.size()));
    EXPECT_EQ(static_cast<int>(rig.dust.size()), bounceFrames - 1);
    EXPECT_EQ(sounds.Count("ElementBounce"), 2);  // landing, then the second hop
    EXPECT_EQ(rig.ground.size(), 1u);
  }
}

TEST(FallingElements, BossHitsAndAbsorbs) {
  {
    FallRig rig;
    rig.hit = true;
    rig.absorb = true;
    rig.hitBelow = 400;
    rig.Drop(4);
    const auto& e = rig.fall.Element(0);
    int frames = 0;
    while (!e.Absorbed && frames < 100) {
      rig.fall.UpdateAndDraw();
      ++frames;
    }
    ASSERT_TRUE(e.Absorbed);
    EXPECT_EQ(e.Alpha, 190);
    const float y = e.Y;
    rig.fall.UpdateAndDraw();
    EXPECT_GT(e.Y, y);  // still falling while it fades
    rig.fall.UpdateAndDraw();
    EXPECT_EQ(e.Alpha, 60);
    rig.fall.UpdateAndDraw();
    EXPECT_EQ(e.State, TFallingElements::fsFree);
    EXPECT_EQ(rig.asked.size(), static_cast<std::size_t>(frames));
    EXPECT_TRUE(rig.ground.empty());
  }
  {
    FallRig rig;
    rig.hit = true;
    rig.hitBelow = 400;
    rig.Drop(4);
    const auto& e = rig.fall.Element(0);
    rig.RunUntilFree();
    EXPECT_TRUE(e.HasHit);
    EXPECT_FALSE(e.Absorbed);
    ASSERT_FALSE(rig.asked.empty());
    EXPECT_GE(rig.asked.back().Y, 400);  // asked no more after the hit
    EXPECT_LT(rig.asked[rig.asked.size() - 2].Y, 400);
    EXPECT_EQ(rig.ground.size(), 1u);
  }
}

TEST(FallingElements, BlastedThrowAndRoundRobin) {
  FallRig rig;
  rig.Drop(1, 1, 1, true);
  EXPECT_TRUE(rig.fall.Blasted());
  const auto& e = rig.fall.Element(0);
  EXPECT_GE(std::abs(e.HorzSpeed), 13);
  EXPECT_GE(std::abs(e.Push), 30);
  TBoardData b = MakeBoard({});
  b.At(2, 2).Element = ecMagicKey;  // items never drop
  TSimpleObjectArray m;
  m.Set(2, 2);
  rig.fall.Start(b, m, false);
  EXPECT_FALSE(rig.fall.Blasted());
  EXPECT_EQ(rig.fall.ActiveCount(), 1);
  for (int i = 0; i < 49; ++i) rig.Drop(6);
  EXPECT_EQ(rig.fall.LastSlot(), 49);
  rig.Drop(7);  // the 51st takes slot 1 again
  EXPECT_EQ(rig.fall.LastSlot(), 0);
  EXPECT_EQ(rig.fall.Element(0).Code, 7);
  rig.fall.Clear();
  EXPECT_EQ(rig.fall.ActiveCount(), 0);
  EXPECT_FALSE(rig.fall.Blasted());
}

TEST(FallingElements, PathsHopTwiceThenDrop) {
  for (int v = 1; v <= TFallingElements::PathVariants; ++v) {
    const auto& p = TFallingElements::Path(v);
    ASSERT_LE(p.size(), 30u);
    EXPECT_EQ(p.front(), (TPoint{0, 0}));
    EXPECT_GT(p.back().Y, 30) << v;
    EXPECT_EQ(p.back().X > 0, v <= 3) << v;
    // Two hops: two runs of points above the ground line, separated by a touch-down.
    int hops = 0;
    bool up = false;
    for (const TPoint& q : p) {
      bool now = q.Y < -3;
      if (now && !up) ++hops;
      up = now;
    }
    EXPECT_EQ(hops, 2) << v;
    for (std::size_t i = 1; i < p.size(); ++i)
      EXPECT_LE(std::abs(p[i].X - p[i - 1].X), 6) << v;
  }
  EXPECT_EQ(TFallingElements::Path(1).size(), 22u);
  EXPECT_EQ(TFallingElements::Path(1)[5], (TPoint{5, -77}));
}
