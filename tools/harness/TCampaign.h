#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A whole campaign played as a player plays it, through the mouse only: the menu, the
// relaxed question, the map, every level played by the bot, the result, and the hub, where
// every dish the purse covers is bought and cooked (the ingredients found, the pots filled,
// Done), the cheer and the sticker awaited, then Play; on to the next island once its four
// dishes are bought. It reports each level and each purchase as it happens.
class TCampaign {
 public:
  struct TOptions {
    std::string Content;  // the game's content folder; the harness's own when empty
    std::uint32_t Seed = 1;
    int Islands = 1;      // islands to finish; the campaign ends as the next one's first level starts
    int MaxLevels = 0;    // or after this many levels played (0: no limit)
    bool Relaxed = false;
    // A scratch save folder, so that the player is new; false plays in XDG_DATA_HOME as it is.
    bool ScratchFolder = true;
    std::string TraceFile;
    // Each level's and purchase's JSON line as it comes.
    std::function<void(const std::string& line)> Report;
  };
  using TPurse = std::array<float, 5>;  // fruit, flowers, potions, gold tiles, spiders
  struct TLevel {
    int Island = 0, Level = 0;
    bool Won = false, Boss = false;
    std::string Medal = "none";
    int Seconds = 0, Moves = 0, Tools = 0;
    TPurse Purse{};  // after the level, before any purchase
  };
  struct TPurchase {
    int Island = 0, Slot = 0;
    std::string Dish;
    // Levels played and won on the dish's island when it was bought, and in the whole run.
    int IslandLevels = 0, IslandWins = 0, Levels = 0;
    TPurse Before{}, After{};
    // Mouse clicks the practice took (ingredients found, pots, wrong pots, Done).
    int PracticeClicks = 0;
  };
  struct TResult {
    std::vector<TLevel> Levels;
    std::vector<TPurchase> Purchases;
    std::vector<int> IslandsCompleted;
    std::vector<std::string> Trace;  // the game's trace lines
    long Frames = 0;
    std::string Error;  // empty when the campaign reached its end
  };

  static TResult Run(const TOptions& options);
  static std::string ToJson(const TLevel& level);
  static std::string ToJson(const TPurchase& purchase);
  // Levels played per island and, for each dish, after how many of the island's won levels.
  static std::string SummaryJson(const TResult& result);
};
