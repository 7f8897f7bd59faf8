#include <gtest/gtest.h>

#include "effects/EffectRig.h"
#include "effects/TBackgroundEffects.h"
#include "effects/TFeatherFlowers.h"
#include "effects/TSmallFairies.h"

namespace {
struct DustRequest {
  int X, Y;
  bool Right;
};

void AddBackgroundPictures(DrawRig& draw) {
  draw.Add("Fog", 1, 3);
  draw.Add("SmallFairy", 6, 2);
  draw.Add("FairyDot", 2, 1);
  draw.Add("FeatherFlower", 1, 1);
  draw.Add("PinkButterfly", 4, 2);
  draw.Add("BlueButterfly", 4, 2);
  draw.Add("DustParticle", 3, 7);
  draw.Add("EffectShinyDots", 1, 1);
  draw.Add("BookEffectShine", 1, 1);
  draw.Add("WalkingOrc", 5, 1);
  draw.Add("WalkingSoldier", 4, 1);
}
}  // namespace

TEST(SmallFairies, SetOffOneAtATimeFaceTheirFlightAndAskForDustEveryOtherMove) {
  TGameRandom::SetSeed(8);
  DrawRig draw;
  draw.Add("SmallFairy", 6, 2);
  TSmallFairies fairies;
  fairies.OmgImgList = &draw.images;
  std::vector<DustRequest> dust;
  fairies.OnDustEffectRequest = [&](TSmallFairies&, int x, int y, bool right) {
    dust.push_back({x, y, right});
  };
  // 1500 ms between two fairies: 50 updates.
  for (int i = 0; i < 49; ++i) fairies.UpdateAndDraw();
  EXPECT_EQ(fairies.ActiveCount(), 0);
  fairies.UpdateAndDraw();
  EXPECT_EQ(fairies.ActiveCount(), 1);
  for (int i = 0; i < 100; ++i) fairies.UpdateAndDraw();
  EXPECT_EQ(fairies.ActiveCount(), 3);
  draw.Take();
  dust.clear();

  for (int u = 0; u < 2000; ++u) {
    fairies.UpdateAndDraw();
    auto drawn = draw.Take();
    ASSERT_LE(fairies.ActiveCount(), fairies.VisibleFairiesCount);
    ASSERT_EQ(static_cast<int>(drawn.size()), fairies.ActiveCount());
    for (int i = 0, k = 0; i < TSmallFairies::MaxFairies; ++i) {
      const auto& f = fairies.Fairy(i);
      if (!f.Active) continue;
      const auto& d = drawn[k++];
      // Facing right draws the second row.
      ASSERT_EQ(d.Pattern >= 6, f.SpeedX > 0);
      ASSERT_EQ(d.Blend, bmNormal);
      ASSERT_GE(f.Size, fairies.MinSize);
      ASSERT_LE(f.Size, fairies.MaxSize);
      ASSERT_GE(f.Y, fairies.AreaTop);
      ASSERT_LE(f.Y, fairies.AreaBottom);
    }
  }
  // Every fairy moves at least 0.89 a tick, so each asks for dust on every second update.
  ASSERT_FALSE(dust.empty());
  int perUpdate = static_cast<int>(dust.size()) / 2000;
  EXPECT_GE(perUpdate, 1);
  for (const auto& d : dust) {
    EXPECT_GE(d.X, fairies.AreaLeft);
    EXPECT_LE(d.X, fairies.AreaRight);
  }

  // Slow fairies raise no dust.
  dust.clear();
  fairies.MinMoveStepForDust = 5;
  for (int i = 0; i < 100; ++i) fairies.UpdateAndDraw();
  EXPECT_TRUE(dust.empty());
}

TEST(SmallFairies, SingleFrameDotsKeepTheirOwnPatternAndAddTheirLight) {
  TGameRandom::SetSeed(12);
  DrawRig draw;
  draw.Add("FairyDot", 2, 1);
  TSmallFairies dots;
  dots.OmgImgList = &draw.images;
  dots.ImgName = "FairyDot";
  dots.OneFrameOnly = true;
  dots.OneFramePatterns = 2;
  dots.Additive = true;
  dots.VisibleFairiesCount = 10;
  dots.AddingFairyInterval = 300;
  dots.PreRun(1000);
  EXPECT_TRUE(draw.Take().empty());
  EXPECT_EQ(dots.ActiveCount(), 10);
  std::vector<int> before;
  for (int i = 0; i < TSmallFairies::MaxFairies; ++i) before.push_back(dots.Fairy(i).Variant);
  dots.UpdateAndDraw();
  auto drawn = draw.Take();
  ASSERT_EQ(drawn.size(), 10u);
  for (int i = 0, k = 0; i < TSmallFairies::MaxFairies; ++i) {
    if (!dots.Fairy(i).Active) continue;
    EXPECT_EQ(drawn[k].Pattern, before[i]);
    EXPECT_EQ(drawn[k].Blend, bmAdditive);
    ++k;
  }
  dots.Reset();
  EXPECT_FALSE(dots.Active());
}

TEST(FeatherFlowers, FadeInFromSixtyToTheirOwnAlphaAndKeepTheirNumberOnTheBreeze) {
  TGameRandom::SetSeed(31);
  DrawRig draw;
  draw.Add("FeatherFlower", 1, 1);
  TFeatherFlowers flowers;
  flowers.OmgImgList = &draw.images;
  flowers.RefreshSizes();
  EXPECT_EQ(flowers.OrigFlowerWidth, 52);
  flowers.Reset();
  ASSERT_EQ(flowers.ActiveCount(), flowers.VisibleFlowersCount);
  for (int i = 0; i < flowers.VisibleFlowersCount; ++i) {
    EXPECT_EQ(flowers.Flower(i).Alpha, 60);
    EXPECT_GE(flowers.Flower(i).TargetAlpha, 180);
    EXPECT_LE(flowers.Flower(i).TargetAlpha, 240);
  }
  flowers.UpdateAndDraw();
  auto drawn = draw.Take();
  ASSERT_EQ(static_cast<int>(drawn.size()), flowers.ActiveCount());
  for (const auto& d : drawn) EXPECT_EQ(d.Alpha, Shown(62));

  bool restarted = false;
  for (int u = 0; u < 3000; ++u) {
    flowers.UpdateAndDraw();
    draw.Take();
    ASSERT_EQ(flowers.ActiveCount(), flowers.VisibleFlowersCount);
    for (int i = 0; i < flowers.VisibleFlowersCount; ++i) {
      const auto& f = flowers.Flower(i);
      ASSERT_GE(f.Size, flowers.MinSize - 0.2f);
      ASSERT_LE(f.Size, flowers.MaxSize + 0.2f);
      ASSERT_LE(f.Alpha, 240);
      ASSERT_GE(f.X, flowers.AreaLeft);
      ASSERT_LE(f.X, flowers.AreaRight);
      restarted |= f.Alpha < 100 && u > 200;
    }
  }
  // The breeze carries them off the right side; new ones drift in, fading in again.
  EXPECT_TRUE(restarted);
}

TEST(BackgroundEffects, EachIslandSetsItsFogAndShinyDotsAndStartsUnderWay) {
  TGameRandom::SetSeed(77);
  DrawRig draw;
  AddBackgroundPictures(draw);
  TBackgroundEffects bg(&draw.images);
  const float steps[5] = {2, 3, 2, 4, 2};
  const int alphas[5] = {45, 40, 35, 80, 55};
  for (int island = 1; island <= 5; ++island) {
    bg.SetIsland(island);
    EXPECT_EQ(bg.IslandIdx(), island);
    EXPECT_EQ(bg.Fog.TopLimit, 250);
    EXPECT_EQ(bg.Fog.MoveStep, steps[island - 1]);
    EXPECT_EQ(bg.Fog.AlphaAdd, alphas[island - 1]);
    // One bank per 100 updates, each on screen for at least 1746 pixels.
    EXPECT_GE(bg.Fog.ActiveCount(), static_cast<int>(1746 / steps[island - 1]) / 100);
    EXPECT_FALSE(bg.FairyDust.Active());
  }
  EXPECT_TRUE(draw.Take().empty());  // setting up draws nothing

  bg.SetIsland(1);
  EXPECT_EQ(bg.Fairies.ActiveCount(), 3);  // already out, not about to set off
  EXPECT_GT(bg.DotsFar.ActiveCount(), 0);
  EXPECT_EQ(bg.ShinyDot(0).X, 130);
  EXPECT_EQ(bg.ShinyDot(0).Y, 457);
  EXPECT_EQ(bg.ShinyDot(2).X, 1142);
  bg.UpdateAndDraw();
  auto drawn = draw.Take();
  EXPECT_EQ(DrawnOf(drawn, "EffectShinyDots").size(), 3u);
  EXPECT_TRUE(DrawnOf(drawn, "BookEffectShine").empty());
  EXPECT_FALSE(DrawnOf(drawn, "Fog").empty());
  EXPECT_EQ(DrawnOf(drawn, "SmallFairy").size(), 3u);
  EXPECT_EQ(DrawnOf(drawn, "PinkButterfly").size(), 1u);
  EXPECT_EQ(DrawnOf(drawn, "BlueButterfly").size(), 1u);
  for (const auto& d : DrawnOf(drawn, "EffectShinyDots")) EXPECT_EQ(d.Blend, bmAdditive);
  for (int u = 0; u < 300; ++u) {
    bg.UpdateAndDraw();
    for (int i = 0; i < TBackgroundEffects::ShinyDotCount; ++i) {
      ASSERT_GE(bg.ShinyDot(i).Angle.Value, -180);
      ASSERT_LE(bg.ShinyDot(i).Angle.Value, 180);
    }
  }
  draw.Take();

  bg.SetIsland(5);
  EXPECT_EQ(bg.ShinyDot(1).X, 1215);
  EXPECT_EQ(bg.ShinyDot(1).Y, 133);
  bg.UpdateAndDraw();
  auto shine = DrawnOf(draw.Take(), "BookEffectShine");
  ASSERT_EQ(shine.size(), 1u);
  EXPECT_EQ(shine[0].X, 293);
  EXPECT_EQ(shine[0].Y, -5);
  EXPECT_EQ(shine[0].Blend, bmAdditive);

  // No island: nothing at all.
  bg.SetIsland(0);
  EXPECT_FALSE(bg.Active());
  bg.UpdateAndDraw();
  EXPECT_TRUE(draw.Take().empty());
}

TEST(BackgroundEffects, AFairysDustRequestBecomesFivePuffsInFrontOfIt) {
  TGameRandom::SetSeed(4);
  DrawRig draw;
  AddBackgroundPictures(draw);
  TBackgroundEffects bg(&draw.images);
  bg.SetIsland(1);
  EXPECT_EQ(bg.FairyDustRightX, 52 - 3);  // the far side of the fairy picture
  ASSERT_TRUE(bg.Fairies.OnDustEffectRequest);
  bg.Fairies.OnDustEffectRequest(bg.Fairies, 100, 200, false);
  ASSERT_EQ(bg.FairyDust.BusyCount(), 5);
  for (int i = 1; i <= TBounceDustEffect::SlotCount; ++i) {
    const auto& p = bg.FairyDust.Slot(i);
    if (p.Free) continue;
    EXPECT_EQ(p.Color, 7);  // type 4
    EXPECT_GE(p.X, 100);
    EXPECT_LE(p.X, 108);
    EXPECT_GE(p.Y, 222);
    EXPECT_LE(p.Y, 226);
  }
  bg.FairyDust.Reset();
  bg.Fairies.OnDustEffectRequest(bg.Fairies, 100, 200, true);
  ASSERT_EQ(bg.FairyDust.BusyCount(), 5);
  for (int i = 1; i <= TBounceDustEffect::SlotCount; ++i)
    if (!bg.FairyDust.Slot(i).Free) {
      EXPECT_GE(bg.FairyDust.Slot(i).X, 149);
    }

  // Fairies in flight keep the dust coming; on the newer systems it is not drawn.
  bg.FairyDust.Reset();
  bg.UpdateAndDraw();
  bg.UpdateAndDraw();
  EXPECT_TRUE(bg.FairyDust.Active());
  EXPECT_FALSE(DrawnOf(draw.Take(), "DustParticle").empty());
  bg.IsWindows8OrLater = true;
  bg.UpdateAndDraw();
  EXPECT_TRUE(DrawnOf(draw.Take(), "DustParticle").empty());
}

TEST(BackgroundEffects, TheWalkerPacesItsPathTurningAtEachEnd) {
  TGameRandom::SetSeed(6);
  DrawRig draw;
  AddBackgroundPictures(draw);
  TBackgroundEffects bg(&draw.images);
  bg.SetIsland(2);
  const auto& w = bg.Walker();
  ASSERT_TRUE(w.Active);
  EXPECT_STREQ(w.Image, "WalkingOrc");
  bool turnedLeft = false, turnedBack = false;
  for (int u = 0; u < 900; ++u) {
    bool wasRight = w.FacingRight;
    bg.UpdateAndDraw();
    auto orc = DrawnOf(draw.Take(), "WalkingOrc");
    ASSERT_EQ(orc.size(), 1u);
    // A mirrored quad starts at the pattern's right edge, read as the next column.
    ASSERT_LT(orc[0].Pattern - (w.FacingRight ? 0 : 1), 5);
    ASSERT_GE(w.X, w.MinX);
    ASSERT_LE(w.X, w.MaxX);
    if (wasRight && !w.FacingRight) {
      EXPECT_EQ(w.X, w.MaxX);
      turnedLeft = true;
    }
    if (!wasRight && w.FacingRight) {
      EXPECT_EQ(w.X, w.MinX);
      turnedBack = true;
    }
  }
  EXPECT_TRUE(turnedLeft);
  EXPECT_TRUE(turnedBack);
  bg.SetIsland(1);
  EXPECT_FALSE(bg.Walker().Active);
}
