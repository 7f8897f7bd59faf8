#include <gtest/gtest.h>

#include "profiles/TPlayerOptions.h"

TEST(PlayerOptions, DefaultsSwitchEverythingOnAndLeaveTheProgressAlone) {
  TPlayerSave save;
  save.Score = 1234;
  save.Stocks[0] = 9;
  save.NextUncompletedLevelIdx = 7;
  save.SoundVolume = 5;
  save.RelaxedMode = rmYes;
  TPlayerSave expected = save;
  TPlayerOptions::SetDefaults(save);
  EXPECT_TRUE(save.SoundOn);
  EXPECT_TRUE(save.MusicOn);
  EXPECT_TRUE(save.FullScreen);
  EXPECT_TRUE(save.TutorialOn);
  EXPECT_EQ(save.SoundVolume, 70);
  EXPECT_EQ(save.MusicVolume, 50);
  // A new player is asked about the relaxed mode on the first Play.
  EXPECT_EQ(save.RelaxedMode, rmNotInitialized);
  expected.SoundOn = expected.MusicOn = expected.FullScreen = expected.TutorialOn = true;
  expected.SoundVolume = 70;
  expected.MusicVolume = 50;
  expected.RelaxedMode = rmNotInitialized;
  EXPECT_EQ(save, expected);
}
