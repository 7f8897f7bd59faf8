#include "metagame/TIslandRewards.h"

TElementsCount TIslandRewards::Reward(int island) {
  static const float kRewards[IslandCount][5] = {{155, 0, 0, 0, 8},
                                                 {105, 0, 0, 0, 12},
                                                 {110, 20, 0, 0, 9},
                                                 {144, 41, 0, 0, 5},
                                                 {153, 21, 1, 0, 14}};
  TElementsCount reward;
  if (island < 1 || island > IslandCount) return reward;
  for (int k = 0; k < 5; ++k) reward.Amount[k] = kRewards[island - 1][k];
  return reward;
}

void TIslandRewards::AddTo(TElementsCount& stocks, int island) {
  TElementsCount reward = Reward(island);
  for (int k = 0; k < 5; ++k) stocks.Amount[k] += reward.Amount[k];
}
