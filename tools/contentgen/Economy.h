// What a level asks of a player and what it pays, measured by letting the
// simple players of Simulator.h play it: how long an average and a good player
// take to win, and what an average win adds to the purse. Time limits and shop
// prices are set from these numbers (content/levels/DESIGN.md,
// content/shop/ECONOMY.md).
#pragma once

#include "Records.h"

namespace contentgen {

struct LevelEstimate {
  double removals = 0;        // elements an average player removes to win
  double averageSeconds = 0;  // elapsed time of an average player (drains included)
  double goodSeconds = 0;     // elapsed time of a good player
  double averageWinShare = 0; // share of average games won within the time limit
  TElementsCount earnings{};  // what an average win adds to the purse
};

// Plays the level `runs` times with each player; the same level and island
// always give the same numbers.
LevelEstimate estimateLevel(const TLevelFileRecord& level, int island, int runs = 12);

// The island reward granted when all four items of an island are bought.
TElementsCount islandReward(int island);

// What one removed element of a code adds to the purse (fruit or flower).
double elementValue(int code);

}  // namespace contentgen
