#include <gtest/gtest.h>

#include <array>

#include "metagame/TIslandRewards.h"

TEST(IslandRewards, FollowTheirTableAndAddToTheStocks) {
  EXPECT_EQ(TIslandRewards::Reward(1).Amount, (std::array<float, 5>{155, 0, 0, 0, 8}));
  EXPECT_EQ(TIslandRewards::Reward(3).Amount, (std::array<float, 5>{110, 20, 0, 0, 9}));
  EXPECT_EQ(TIslandRewards::Reward(5).Amount, (std::array<float, 5>{153, 21, 1, 0, 14}));
  EXPECT_EQ(TIslandRewards::Reward(0).Amount, (std::array<float, 5>{}));
  EXPECT_EQ(TIslandRewards::Reward(6).Amount, (std::array<float, 5>{}));

  TElementsCount stocks;
  stocks[elFruit] = 1;
  stocks[elSpider] = 0.5f;
  TIslandRewards::AddTo(stocks, 4);
  EXPECT_EQ(stocks.Amount, (std::array<float, 5>{145, 41, 0, 0, 5.5f}));
  TIslandRewards::AddTo(stocks, 9);  // no such island: unchanged
  EXPECT_EQ(stocks.Amount, (std::array<float, 5>{145, 41, 0, 0, 5.5f}));
}
