#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TBot.h"

// The bot over every level, a few games each, and the table of how the levels play: win
// rate, medals and time used against the limit. Each game runs in a child process, so a
// crash is reported as one and the others go on.
class TBalance {
 public:
  struct TOptions {
    std::string Content;
    int Games = 3;
    std::uint32_t Seed = 1;  // games use Seed, Seed + 1, ...
    int Jobs = 2;            // games played at once
    std::string OutFolder = "docs/balance";
    std::vector<std::pair<int, int>> Levels;  // island, level; every level when empty
  };
  struct TRow {
    int Island = 0, Level = 0;
    bool Boss = false;
    int Games = 0, Won = 0, Gold = 0, Silver = 0, Bronze = 0, Crashed = 0;
    int TimeLimit = 0, MaxSeconds = 0;
    double MeanSeconds = 0;  // of the games won
    double MeanMoves = 0, MeanTools = 0, MeanShuffles = 0;
    // Boss rounds: absorptions a game, and the creature's energy left in the games lost.
    double MeanDrains = 0, MeanEnergyLeft = 0;
    std::string Note;
  };

  // Returns the process status; prints each game's line as it ends.
  static int Run(const TOptions& options);
  // Every level of the five islands, in order.
  static std::vector<std::pair<int, int>> AllLevels();
  static std::vector<TRow> Summarise(const std::vector<TBot::TResult>& games);
  static std::string Markdown(const std::vector<TRow>& rows, const std::string& preamble);
  static std::string Csv(const std::vector<TRow>& rows);
};
