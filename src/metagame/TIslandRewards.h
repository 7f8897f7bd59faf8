#pragma once
#include "levels/TElementsCount.h"

// What the five ingredient stocks gain when an island's upgrades are all bought. The hub pays
// it out; the shop's balance is worked out against the same table.
class TIslandRewards {
 public:
  static constexpr int IslandCount = 5;
  // Nothing for a number outside 1..5.
  static TElementsCount Reward(int island);
  static void AddTo(TElementsCount& stocks, int island);
};
