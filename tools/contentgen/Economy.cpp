#include "Economy.h"

#include <algorithm>
#include <cmath>

#include "Levels.h"

namespace contentgen {

namespace {

// Elements one move removes, cascades included, on a full board.
double elementsPerMove(int colours, int tiles) {
  static const double byColours[] = {7.5, 7.5, 7.5, 7.5, 7.5, 6.0, 5.0, 4.3, 3.8, 3.4};
  double e = byColours[std::clamp(colours, 0, 9)];
  return e * (0.75 + 0.25 * tiles / 192.0);  // small boards cascade less
}

constexpr double AverageSecondsPerMove = 3.5;
constexpr double GoodSecondsPerMove = 1.9;
constexpr double GoodToolGain = 1.15;       // tools and better moves
constexpr double FlowerSpawnShare = 3.0 / 37.0;

double fruitValue(int code, int island) {
  if (code <= 3) return 1.0;
  if (code <= 6) return 1.2;
  if (code == 7) return 1.4;
  if (code == 8) return 1.6;
  if (code >= 13 && code <= 16) return 1.0 + 0.2 * (code - 13);
  (void)island;
  return 0.0;
}

}  // namespace

TElementsCount islandReward(int island) {
  static const TElementsCount rewards[5] = {
      {155, 0, 0, 0, 8}, {105, 0, 0, 0, 12}, {110, 20, 0, 0, 9}, {144, 41, 0, 0, 5}, {153, 21, 1, 0, 14},
  };
  return rewards[std::clamp(island, 1, 5) - 1];
}

LevelEstimate estimateLevel(const TLevelFileRecord& r, int island) {
  LevelEstimate est;
  const int colours = colourCount(r);
  const int flowers = flowerCount(r);
  int tiles = 0, webs = 0, links = 0, usedCols = 0;
  for (int x = 1; x <= BoardCols; ++x) {
    bool used = false;
    for (int y = 1; y <= BoardRows; ++y)
      if (isTile(r, x, y)) {
        ++tiles;
        used = true;
        webs += r.Board[x - 1][y - 1].Web != 0;
        links += r.Board[x - 1][y - 1].ChainLevel;
      }
    usedCols += used;
  }
  const double perMove = elementsPerMove(colours, tiles);
  const double flowerShare = flowers ? FlowerSpawnShare : 0.0;
  const double colourShare = (1.0 - flowerShare) / std::max(colours, 1);

  double removals = 0;
  if (r.GameObjective == goNormalMode) {
    double fruitNeed = 0, flowerNeed = 0;
    int fruitTargets = 0;
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8}) {
      int k = targetFor(r, code);
      if (k > 0) {
        ++fruitTargets;
        fruitNeed = std::max(fruitNeed, k / colourShare);
      }
    }
    fruitNeed *= 1.0 + 0.08 * std::max(fruitTargets - 1, 0);
    for (int code : {13, 14, 15, 16}) {
      int k = targetFor(r, code);
      if (k > 0 && flowers) flowerNeed = std::max(flowerNeed, 0.85 * k / (flowerShare / flowers));
    }
    const int layers = goldLayers(r);
    double goldNeed = layers ? 2.2 * layers + 12 : 0;
    double potionNeed = 0;
    for (int x = 1; x <= BoardCols; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (r.PotionCells[x - 1][y - 1]) {
          int depth = 0;
          for (int yy = y + 1; yy <= BoardRows && isTile(r, x, yy); ++yy) ++depth;
          potionNeed += 1.5 * depth + 3;
        }
    double spiderNeed = 0;
    if (r.TargetSpiders > 0 && r.MaxSpidersOnBoard > 0)
      spiderNeed = std::ceil(r.TargetSpiders / (0.8 * r.MaxSpidersOnBoard)) * r.FruitsInterval * 1.15;

    double needs[] = {fruitNeed, flowerNeed, goldNeed, potionNeed, spiderNeed};
    double biggest = *std::max_element(std::begin(needs), std::end(needs));
    double rest = 0;
    for (double n : needs) rest += n;
    rest -= biggest;
    removals = biggest + 0.3 * rest + 2.5 * links + 2.0 * webs;

    est.averageSeconds = removals / perMove * AverageSecondsPerMove + 8;
    est.goodSeconds = removals / (perMove * GoodToolGain) * GoodSecondsPerMove + 5;
  } else {
    // Elements drop from the column they were cleared in; the creature covers
    // about 300 pixels of the board and players learn to clear above it.
    double hitShare = std::min(1.0, 300.0 / (usedCols * 52.0)) * 1.25;
    double avgHits = hitShare * perMove / AverageSecondsPerMove;
    double goodHits = hitShare * perMove * GoodToolGain / GoodSecondsPerMove;
    double cycle = (1.2 * r.RefTimeForAbsorbAttempt + r.PreparingTime + r.AbsorbingTime + r.FinishingTime) / 1000.0;
    double lost = r.AbsorbingTime / 1000.0 + r.OneAbsorbedTime;
    double avgFight = r.Energy / avgHits;
    double goodFight = r.Energy / goodHits;
    est.averageSeconds = avgFight + (avgFight / cycle) * lost + 8;
    est.goodSeconds = goodFight + 0.3 * (goodFight / cycle) * lost + 5;
    removals = avgFight * perMove / AverageSecondsPerMove;
  }
  est.removals = removals;

  double fruitValueSum = 0, flowerValueSum = 0;
  for (int c = 1; c <= 8; ++c)
    if (hasElement(r, c)) fruitValueSum += fruitValue(c, island);
  for (int c = 13; c <= 16; ++c)
    if (hasElement(r, c)) flowerValueSum += fruitValue(c, island);
  est.earnings.Fruits = static_cast<float>(removals * (1.0 - flowerShare) * fruitValueSum / std::max(colours, 1));
  est.earnings.Flowers = flowers ? static_cast<float>(removals * flowerShare * flowerValueSum / flowers) : 0.f;
  est.earnings.GoldTiles = static_cast<float>(goldLayers(r) * (island == 3 ? 1.4 : 1.0));
  est.earnings.Potions = static_cast<float>(potionCount(r) * (island == 4 ? 1.4 : 1.0));
  if (r.MaxSpidersOnBoard > 0) {
    double waves = removals / std::max(r.FruitsInterval, 1);
    est.earnings.Spiders = static_cast<float>(std::max<double>(r.TargetSpiders, 0.5 * waves * r.MaxSpidersOnBoard));
  }
  return est;
}

}  // namespace contentgen
