#pragma once
#include <string>

// Draws a level's board straight from its file, with its pictures, to look at the board
// before the level screen around it exists.
class TBoardShot {
 public:
  // level: "I-L" (island, level). Runs the board for the given frames, then writes the PNG.
  static bool Run(const std::string& contentFolder, const std::string& level, int frames,
                  unsigned seed, const std::string& file, std::string& error);
};
