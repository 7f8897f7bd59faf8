// A simple player for checking levels: plays a level on a copy of the board
// with the game's falling, refilling, chain, web, gold, potion, spider and boss
// rules (simplified where they only matter for looks) and reports how many moves
// a win took. A "good" player takes the best-scoring move every time; an
// "average" player often takes any move that matches. Runs, falling columns, new
// colours and tool areas are the board's own (TBoardRules); chances are drawn from an
// instance of the game's generator.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

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

// Two neighbouring tiles to swap, the left or upper one first.
using Swap = std::pair<TPoint, TPoint>;

// The swaps the players choose from: two free neighbours (no web, no chain; potions
// included) that line up colours 1..16 through one of them. On a board without runs this
// is the game's own list of moves, less any that only lines up potions; it is kept apart
// because the players ask for it after every move and the game's search tries every swap
// over the whole board.
std::vector<Swap> matchingSwaps(const TBoardData& board);

PlayResult playLevel(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed,
                     int maxMoves = 900);

}  // namespace contentgen
