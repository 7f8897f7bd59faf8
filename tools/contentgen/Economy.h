// A rough model of how a level plays, used to set time limits and shop prices:
// how many elements a player removes to win it, how long an average and a good
// player take, and what an average win earns. The constants are the design
// assumptions written down in content/levels/DESIGN.md.
#pragma once

#include "Records.h"

namespace contentgen {

struct LevelEstimate {
  double removals = 0;       // elements an average player removes to win
  double averageSeconds = 0; // elapsed time of an average player (drains included)
  double goodSeconds = 0;    // elapsed time of a good player
  TElementsCount earnings{}; // what an average win adds to the purse
};

LevelEstimate estimateLevel(const TLevelFileRecord& level, int island);

// The island reward granted when all four items of an island are bought.
TElementsCount islandReward(int island);

}  // namespace contentgen
