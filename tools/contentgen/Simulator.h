// A simple player for checking levels: plays a level on a copy of the board
// with the game's falling, refilling, chain, web, gold, potion, spider and boss
// rules (simplified where they only matter for looks) and reports how many moves
// a win took. A "good" player takes the best-scoring move every time; an
// "average" player often takes any move that matches.
#pragma once

#include <array>
#include <cstdint>

#include "Records.h"

namespace contentgen {

struct PlayerStyle {
  double secondsPerMove;  // thinking plus animations
  double randomShare;     // share of moves picked without looking ahead
  double toolGain;        // tools: extra removals per move, as a factor on time
};

constexpr PlayerStyle AveragePlayer{3.5, 0.5, 1.0};
constexpr PlayerStyle GoodPlayer{1.9, 0.0, 1.15};

struct PlayResult {
  bool won = false;
  int moves = 0;
  double seconds = 0;     // elapsed tube time, boss drains included
  int removed = 0;        // elements that left the board
  std::array<int, 19> removedByCode{};
  int goldCleared = 0;
  int potions = 0;
  int spiders = 0;
  int bossHits = 0;
};

PlayResult playLevel(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed,
                     int maxMoves = 900);

}  // namespace contentgen
