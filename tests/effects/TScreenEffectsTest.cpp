#include <gtest/gtest.h>

#include "effects/TScreenDustEffect.h"
#include "effects/TSnowEffect.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"
#include "engine/TOmegaScreen.h"
#include "engine/TRecordingBackend.h"

namespace {
struct EffectRig {
  TRecordingBackend backend;
  TOmegaScreen screen{&backend};
  TOmegaImageList images{&screen};
  EffectRig() {
    screen.Initialize();
    for (const char* name : {"Snow", "ScreenDustEffect"}) {
      TImageListItem& item = images.Add(name);
      TPicture p;
      p.Resize(81, 27);
      item.SetPicture(p);
      item.SetTileWidth(std::string(name) == "Snow" ? 81 : 27);
      item.CreateTexture();
    }
  }
};
}  // namespace

TEST(SnowEffect, AChangedRateStartsFromAFullSkyAndFlakesLeaveAtTheBottom) {
  EffectRig r;
  TSnowEffect snow(r.images);
  TGameRandom::SetSeed(3);
  snow.UpdateAndDraw(24, 0.75f);
  // 400 updates at one flake per 24: a flake lives 190 to 350 updates, so the sky is
  // already as full as it gets (8 to 14 flakes).
  EXPECT_GE(snow.ActiveCount(), 7);
  EXPECT_LE(snow.ActiveCount(), TSnowEffect::FlakeCount);
  int before = snow.ActiveCount();
  EXPECT_EQ(static_cast<int>(r.backend.Quads.size()), before);
  for (const auto& q : r.backend.Quads) EXPECT_LE(q.Corners[0].A, 255 * 0.75 + 1);
  // A fast rate fills all twenty slots and never more.
  snow.UpdateAndDraw(3, 1.0f);
  EXPECT_EQ(snow.ActiveCount(), TSnowEffect::FlakeCount);
  for (int i = 0; i < TSnowEffect::FlakeCount; ++i) EXPECT_LE(snow.Flake(i).Y, 768);
}

TEST(ScreenDust, MotesStayWithinTheirLimitsAndNothingShowsOnTheNewerSystems) {
  EffectRig r;
  TScreenDustEffect dust(r.images);
  dust.RefreshSizes();
  EXPECT_EQ(dust.DustOrigWidth, 27);
  TGameRandom::SetSeed(11);
  for (int i = 0; i < 2000; ++i) {
    dust.UpdateAndDraw();
    for (int m = 0; m < TScreenDustEffect::MoteCount; ++m) {
      const auto& mote = dust.Mote(m);
      if (!mote.Active) continue;
      ASSERT_LE(mote.Size, dust.MaxSize + 0.2f);
      ASSERT_GE(mote.Size, dust.MinSize - 0.2f);
      ASSERT_LE(mote.Alpha, dust.MaxAlpha + 4);
    }
  }
  for (const auto& q : r.backend.Quads) EXPECT_EQ(q.BlendMode, bmAdditive);
  r.backend.Quads.clear();
  TScreenDustEffect off(r.images);
  off.IsWindows8OrLater = true;
  for (int i = 0; i < 50; ++i) off.UpdateAndDraw();
  EXPECT_TRUE(r.backend.Quads.empty());
}
