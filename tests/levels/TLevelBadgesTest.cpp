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
  digit.Left = 1200;
  digit.SetValue(107);
  digit.Draw();
  auto drawn = pics.Take();
  ASSERT_EQ(drawn.size(), 3u);
  const int digits[] = {1, 0, 7};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(drawn[i].Pattern, digits[i]);
    EXPECT_FLOAT_EQ(drawn[i].X, 1200.0f + 12 * i);
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
  EXPECT_EQ(badges.Badge(0).X, 500);  // the sixth reused the first
  int updates = 0;
  for (; badges.Badge(0).Phase == TSlotDoneEffect::bpShowing; ++updates) badges.UpdateAndDraw();
  EXPECT_EQ(updates, 6);  // 46 pixels at 9 a step
  EXPECT_EQ(badges.Badge(0).Y, 27);
  for (; badges.ActiveCount() > 0 && updates < 200; ++updates) badges.UpdateAndDraw();
  EXPECT_EQ(updates, 6 + 75 + 4);
}

TEST(AbsorbedEnergy, EmitsForItsIntervalAndEverySparkReachesTheCreature) {
  TGameRandom::SetSeed(11);
  TTubeTimer tube;
  tube.Left = 1294;
  tube.Top = 362;
  tube.MaxPixelProgress = 305;
  tube.Start();
  tube.ComputeLiquid();  // all the time still to fill: an empty tube
  TAbsorbedEnergy energy;
  energy.StartFromTube(tube, {300, 200});
  EXPECT_EQ(energy.EnergyColor, ecRed);
  EXPECT_EQ(energy.Source(), (TPoint{1294 + 68, 362 + 27 + 305 + 8 - 45}));
  EXPECT_EQ(energy.Target(), (TPoint{510, 268}));
  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(41), ecYellow);
  EXPECT_EQ(TAbsorbedEnergy::ColorForPercent(78), ecGreen);

  int emitted = 0;
  for (; energy.Emitting(); ++emitted) energy.Update();
  EXPECT_EQ(emitted, 59);  // 1750 ms
  int updates = 0;
  for (; energy.ActiveCount() > 0 && updates < 500; ++updates) energy.Update();
  EXPECT_NEAR(updates, 85, 2);  // 852 pixels across at 10 an update
}
