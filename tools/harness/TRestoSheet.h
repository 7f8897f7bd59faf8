#pragma once
#include <set>
#include <string>
#include <vector>

// The restaurant over the hub's town for a minute of game time, drawn by the game's own
// restaurant components with the island's first dishes bought: frames of the customers
// queuing, eating, leaving happy and disappointed, the signs, a passer-by and the title.
class TRestoSheet {
 public:
  struct TOptions {
    std::string Content;    // the folder holding Images/ and Texts/
    std::string OutFolder;  // where the frames go
    int Island = 1;         // 1..5
    int Dishes = 2;         // 0..4: the island's first dishes bought
  };
  struct TResult {
    std::vector<std::string> Written;
    int Served = 0, Money = 0;        // what the visit added to the counters
    std::vector<std::string> Traces;  // the customers' trace lines
  };
  // Pictures drawn but not loaded are added to missing.
  static bool Run(const TOptions& options, TResult& result, std::string& error,
                  std::set<std::string>& missing);
};
