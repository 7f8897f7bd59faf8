#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Many levels in a row in one game, the way a long evening goes: the bot plays, wins are
// saved, the hub's Play leads on, now and then a level is restarted from the in-game menu or
// left for the main menu and started again from the map, and a lost level is tried again.
// Each level is also paused once at a random moment (the in-game menu and its options, help
// or questions, or the close question), and the tube must run again afterwards. It measures
// the resident memory at every level start so that growth shows.
class TSoak {
 public:
  struct TOptions {
    std::string Content;  // the game's content folder; the harness's own when empty
    int Levels = 50;      // level starts to reach
    std::uint32_t Seed = 1;
    int RestartEvery = 5;   // every n-th level is restarted once from the in-game menu
    int MenuTripEvery = 7;  // every n-th level is left for the menu and started again
    bool Pauses = true;     // each level is paused once, by a route chosen at random
    int TimeOutEvery = 4;   // every n-th level is left alone after its pause to run out
  };
  struct TResult {
    int LevelsStarted = 0, Won = 0, Lost = 0, Restarts = 0, MenuTrips = 0;
    int BossFights = 0;  // level starts that were boss rounds, played like the others
    int Pauses = 0, TubeChecks = 0;  // pauses made, and the tube seen running after them
    int TimeOuts = 0;                // levels left alone that ran out of time as they must
    std::vector<long> ResidentKiB;  // at each level start
    long Frames = 0;
    std::string Error;  // empty when the soak ran to its end
  };
  static TResult Run(const TOptions& options);
  // Resident memory growth between the first tenth of the levels and the last, in KiB.
  static long Growth(const TResult& r);
  static std::string ToJson(const TResult& r);
};
