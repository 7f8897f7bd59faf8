#include <gtest/gtest.h>

#include "engine/TGameRandom.h"
#include "levels/PictureRig.h"
#include "levels/TAbsorbedEnergy.h"
#include "levels/TInfoDigit.h"
#include "levels/TSlotDoneEffect.h"
#include "levels/TTubeTimer.h"

TEST(InfoDigit, DrawsEachDigitAsItsPatternOnePictureWidthApart) {
  PictureRig pics;
  pics.Add("LevelInfoDigit", 12, 18, 10);
  TInfoDigit digit;
  digit.OmgImgList = &pics.images;
  digit.ReadImageSizes();
  EXPECT_EQ(digit.DigitWidth, 12);
  digit.Left = 1200;
  digit.Top = 25;
  digit.SetValue(107);
  digit.Draw();
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 3u);
  const int patterns[] = {1, 0, 7};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(drawn[i].Pattern, patterns[i]);
    EXPECT_FLOAT_EQ(drawn[i].X, 1200.0f + 12 * i);
    EXPECT_FLOAT_EQ(drawn[i].Y, 25);
  }
  digit.SetValue(-3);
  digit.Draw();
  drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Pattern, 0);
}

TEST(SlotDoneEffect, BadgesDropStayAndLeaveFiveAtATime) {
  TSlotDoneEffect badges;
  for (int i = 0; i < 6; ++i) badges.Show(100 * i);
  EXPECT_EQ(badges.ActiveCount(), 5);
  EXPECT_EQ(badges.Badge(0).X, 500);  // the sixth took the first badge again
  int updates = 0;
  while (badges.Badge(0).Phase == TSlotDoneEffect::bpShowing) {
    badges.UpdateAndDraw();
    ++updates;
  }
  EXPECT_EQ(updates, 6);  // 46 pixels at 9 a step
  EXPECT_EQ(badges.Badge(0).Y, 27);
  EXPECT_EQ(badges.Badge(0).Alpha, 180);
  while (badges.Badge(0).Phase == TSlotDoneEffect::bpStaying) {
    badges.UpdateAndDraw();
    ++updates;
  }
  EXPECT_EQ(updates, 6 + 75);
  while (badges.ActiveCount() > 0 && updates < 200) {
    badges.UpdateAndDraw();
    ++updates;
  }
  EXPECT_EQ(updates, 6 + 75 + 4);
}

TEST(AbsorbedEnergy, EmitsForItsIntervalAndEverySparkReachesTheCreature) {
  TGameRandom::SetSeed(11);
  TTubeTimer tube;
  tube.Left = 1294;
  tube.Top = 362;
  tube.MaxPixelProgress = 305;
  tube.Reset();
  tube.Start();
  tube.ComputeLiquid();  // full time left at the start: an empty tube
  TAbsorbedEnergy energy;
  energy.StartFromTube(tube, {300, 200});
  EXPECT_EQ(energy.EnergyColor, ecRed);
  EXPECT_EQ(energy.Source(), (TPoint{1294 + 68, 362 + 27 + 305 + 8 - 45}));
  EXPECT_EQ(energy.Target(), (TPoint{510, 268}));

  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(40), ecRed);
  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(41), ecYellow);
  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(77), ecYellow);
  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(78), ecGreen);

  int emitted = 0;
  while (energy.Emitting()) {
    energy.Update();
    ++emitted;
  }
  EXPECT_EQ(emitted, 59);  // 1750 ms in 30 ms updates
  for (int i = 0; i < TAbsorbedEnergy::RingSize; ++i) {
    const auto& p = energy.Particle(i);
    if (!p.Active) continue;
    EXPECT_GE(p.Pattern, 1);
    EXPECT_LE(p.Pattern, 5);
  }
  // The longer axis moves 10 pixels an update: 852 pixels across take 85 or 86 updates.
  int updates = 0;
  while (energy.ActiveCount() > 0 && updates < 500) {
    energy.Update();
    ++updates;
  }
  EXPECT_GE(updates, 80);
  EXPECT_LE(updates, 90);
}
