#pragma once
#include <cstdint>
#include <string>

// Plays a level through the real input path to show the board at work: moves from the
// board's own list, every tool once the cheat key has unlocked them, and screenshots of
// each moment into a folder.
class TBoardDemo {
 public:
  struct TOptions {
    std::string Content;  // folder of the game's content
    int Island = 4, Level = 14;
    std::string OutFolder = "board-demo";
    std::uint32_t Seed = 1;
    int Frames = 1500;
  };
  // Returns the process status; prints what it did.
  static int Run(const TOptions& options);
};
