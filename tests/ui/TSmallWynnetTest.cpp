#include <gtest/gtest.h>

#include "ui/TSmallWynnet.h"

TEST(SmallWynnet, CheerPeaksOnTheSixteenthUpdateAndLeadsOnAfterFifty) {
  TSmallWynnet wynnet;
  int peak = 0, peakAt = 0, after = 0, afterAt = 0;
  int update = 0;
  wynnet.OnCheerPeak = [&](TSmallWynnet&) { ++peak, peakAt = update; };
  wynnet.OnAfterCheerUpDelay = [&](TSmallWynnet&) { ++after, afterAt = update; };
  wynnet.Cheer();
  float top = 0;
  for (update = 1; update <= 120; ++update) {
    wynnet.Update();
    if (wynnet.CheerValue() > top) top = wynnet.CheerValue();
  }
  EXPECT_EQ(peak, 1);
  EXPECT_EQ(peakAt, 16);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(afterAt, 50);
  EXPECT_FLOAT_EQ(top, 180);
  // Up in 36 updates and down in 36: over by the 72nd.
  EXPECT_FALSE(wynnet.Active());
  EXPECT_FLOAT_EQ(wynnet.ArmAngle(), 0);

  // A second purchase cheers and peaks again.
  wynnet.Cheer();
  for (int i = 0; i < 16; ++i) wynnet.Update();
  EXPECT_EQ(peak, 2);
}
