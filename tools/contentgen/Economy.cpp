#include "Economy.h"

#include <algorithm>

#include "Simulator.h"

namespace contentgen {

double elementValue(int code) {
  if (code >= 1 && code <= 3) return 1.0;
  if (code >= 4 && code <= 6) return 1.2;
  if (code == 7) return 1.4;
  if (code == 8) return 1.6;
  if (code >= 13 && code <= 16) return 1.0 + 0.2 * (code - 13);
  return 0.0;  // plain elements pay nothing
}

TElementsCount islandReward(int island) {
  static const TElementsCount rewards[5] = {
      {155, 0, 0, 0, 8}, {105, 0, 0, 0, 12}, {110, 20, 0, 0, 9}, {144, 41, 0, 0, 5}, {153, 21, 1, 0, 14},
  };
  return rewards[std::clamp(island, 1, 5) - 1];
}

LevelEstimate estimateLevel(const TLevelFileRecord& level, int island, int runs) {
  LevelEstimate est;
  double fruits = 0, flowers = 0, gold = 0, potions = 0, spiders = 0;
  for (int i = 0; i < runs; ++i) {
    std::uint32_t seed = 1234567u + 7919u * static_cast<std::uint32_t>(i);
    PlayResult avg = playLevel(level, island, AveragePlayer, seed);
    PlayResult good = playLevel(level, island, GoodPlayer, seed);
    est.averageSeconds += avg.seconds / runs;
    est.goodSeconds += good.seconds / runs;
    est.removals += static_cast<double>(avg.removed) / runs;
    if (avg.won && avg.seconds <= level.Time) est.averageWinShare += 1.0 / runs;
    for (int code = 1; code <= 16; ++code)
      (code >= 13 ? flowers : fruits) += avg.removedByCode[code] * elementValue(code) / runs;
    gold += avg.goldCleared * (island == 3 ? 1.4 : 1.0) / runs;
    potions += avg.potions * (island == 4 ? 1.4 : 1.0) / runs;
    spiders += static_cast<double>(avg.spiders) / runs;
  }
  est.earnings = {static_cast<float>(fruits), static_cast<float>(flowers), static_cast<float>(potions),
                  static_cast<float>(gold), static_cast<float>(spiders)};
  return est;
}

}  // namespace contentgen
