#include <gtest/gtest.h>

#include <vector>

#include "BoardRig.h"
#include "support/SoundTrace.h"
#include "board/TFallingElements.h"

namespace {
struct FallRig {
  TFallingElements fall;
  std::vector<std::pair<int, int>> ground;
  std::vector<TPoint> asked, dust;
  bool hit = false, absorb = false;
  int hitBelow = 400;
  FallRig() {
    TGameRandom::SetSeed(99);
    fall.BoardLeft = 266;
    fall.BoardTop = 95;
    fall.OnGroundHit = [this](TFallingElements&, int code, int column) {
      ground.push_back({code, column});
    };
    fall.OnMonsterHitCheck = [this](TFallingElements&, TPoint p, bool& h, bool& a) {
      asked.push_back(p);
      h = hit && p.Y >= hitBelow;
      a = h && absorb;
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
  void RunUntilFree() {
    for (int i = 0; i < 400 && fall.ActiveCount() > 0; ++i) fall.UpdateAndDraw();
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
    rig.RunUntilFree();
    EXPECT_EQ(rig.fall.ActiveCount(), 0);
    EXPECT_GT(e.X, x0);
    EXPECT_TRUE(rig.asked.empty()) << code;
    EXPECT_TRUE(rig.ground.empty());
    EXPECT_TRUE(rig.dust.empty());
  }
}

TEST(FallingElements, FallsBouncesAndRollsOff) {
  for (bool twice : {false, true}) {
    SoundTrace sounds({"ElementBounce1", "ElementBounce2", "ElementBounce3"});
    FallRig rig;
    rig.fall.PlaySound = sounds.Route();
    rig.fall.IsWindows8OrLater = twice;
    rig.Drop(5, 9, 4);
    const auto& e = rig.fall.Element(0);
    EXPECT_LT(e.Push, 0);  // thrown up first
    int frames = 0;
    while (e.State == TFallingElements::fsFalling && frames++ < 200) rig.fall.UpdateAndDraw();
    ASSERT_EQ(e.State, TFallingElements::fsBouncing);
    EXPECT_FLOAT_EQ(e.Angle, 0);  // no turning while it falls
    EXPECT_EQ(sounds.Count("ElementBounce"), 1);
    EXPECT_EQ(rig.asked.size(), static_cast<std::size_t>(frames));
    EXPECT_EQ(rig.ground, (std::vector<std::pair<int, int>>{{5, 9}}));

    const auto& path = TFallingElements::Path(e.Variant);
    int bounceFrames = 0;
    while (e.State == TFallingElements::fsBouncing) {
      rig.fall.UpdateAndDraw();
      ++bounceFrames;
      if (e.State == TFallingElements::fsBouncing) {
        EXPECT_FLOAT_EQ(e.Y, 705 + path[e.PathCounter].Y);
      }
    }
    EXPECT_EQ(bounceFrames, twice ? static_cast<int>(path.size() + 1) / 2
                                  : static_cast<int>(path.size()));
    EXPECT_EQ(static_cast<int>(rig.dust.size()), bounceFrames - 1);
    EXPECT_EQ(sounds.Count("ElementBounce"), 2);  // landing, then the second hop
  }
}

TEST(FallingElements, BossHitsAndAbsorbs) {
  FallRig rig;
  rig.hit = rig.absorb = true;
  rig.Drop(4);
  const auto& e = rig.fall.Element(0);
  int frames = 0;
  while (!e.Absorbed && frames++ < 100) rig.fall.UpdateAndDraw();
  ASSERT_TRUE(e.Absorbed);
  EXPECT_EQ(e.Alpha, 190);
  const float y = e.Y;
  rig.fall.UpdateAndDraw();
  EXPECT_GT(e.Y, y);  // still falling while it fades
  rig.fall.UpdateAndDraw();
  rig.fall.UpdateAndDraw();
  EXPECT_EQ(e.State, TFallingElements::fsFree);  // gone after 4 frames
  EXPECT_EQ(rig.asked.size(), static_cast<std::size_t>(frames));
  EXPECT_TRUE(rig.ground.empty());

  FallRig plain;
  plain.hit = true;
  plain.Drop(4);
  plain.RunUntilFree();
  EXPECT_TRUE(plain.fall.Element(0).HasHit);
  EXPECT_GE(plain.asked.back().Y, 400);  // asked no more after the hit
  EXPECT_LT(plain.asked[plain.asked.size() - 2].Y, 400);
  EXPECT_EQ(plain.ground.size(), 1u);
}

TEST(FallingElements, BlastedThrowItemsStayAndRoundRobin) {
  FallRig rig;
  rig.Drop(1, 1, 1, true);
  EXPECT_TRUE(rig.fall.Blasted());
  EXPECT_GE(std::abs(rig.fall.Element(0).HorzSpeed), 13);
  EXPECT_GE(std::abs(rig.fall.Element(0).Push), 30);
  rig.Drop(ecMagicKey);
  EXPECT_FALSE(rig.fall.Blasted());
  EXPECT_EQ(rig.fall.ActiveCount(), 1);
  for (int i = 0; i < 49; ++i) rig.Drop(6);
  rig.Drop(7);  // the 51st takes slot 1 again
  EXPECT_EQ(rig.fall.LastSlot(), 0);
  EXPECT_EQ(rig.fall.Element(0).Code, 7);
}
