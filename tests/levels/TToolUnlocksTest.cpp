#include <gtest/gtest.h>

#include <string>

#include "levels/TMannaEnergy.h"
#include "levels/TToolUnlocks.h"

TEST(ToolUnlocks, ToolsFollowTheIslandAndLevel) {
  auto offered = [](int island, int level) {
    std::string s;
    for (TNewToolKind k : {tlHammer, tlBomb, tlHorzLightning, tlVertLightning, tlBlaster, tlBigBomb})
      s += TToolUnlocks::Available(k, island, level) ? '1' : '0';
    return s;
  };
  EXPECT_EQ(offered(1, 1), "000000");
  EXPECT_EQ(offered(1, 4), "110000");
  EXPECT_EQ(offered(1, 8), "111110");
  EXPECT_EQ(offered(2, 1), "111110");
  EXPECT_EQ(offered(2, 2), "111111");
  EXPECT_EQ(offered(3, 1), "111111");
  EXPECT_FALSE(TToolUnlocks::Available(tlNone, 3, 1));
}

TEST(ToolUnlocks, EachEnergyThresholdUnlocksOneToolAndOnlyThoseDo) {
  EXPECT_EQ(TToolUnlocks::ThresholdCount, TMannaEnergy::FactorCount);
  std::string order;
  for (int n = 0; n <= TToolUnlocks::ThresholdCount + 1; ++n)
    order += std::to_string(static_cast<int>(TToolUnlocks::OfThreshold(n)));
  // Nothing below the first threshold or past the last.
  EXPECT_EQ(order, "01234560");
  EXPECT_EQ(TToolUnlocks::OfThreshold(-1), tlNone);
}
