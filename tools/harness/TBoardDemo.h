#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/SharedTypes.h"

class THarness;

// Plays a level through the real input path to show the board at work: moves from the
// board's own list, every tool once the cheat key has unlocked them, and screenshots of
// each moment into a folder. The content check and the benchmark drive a level with it too.
class TBoardDemo {
 public:
  struct TOptions {
    std::string Content;  // folder of the game's content
    int Island = 4, Level = 14;
    std::string OutFolder = "board-demo";  // empty: no screenshots
    std::uint32_t Seed = 1;
    int Frames = 1500;
  };
  // Returns the process status; prints what it did.
  static int Run(const TOptions& options);

  // Drives a harness that was started in a level with the cheat keys on.
  TBoardDemo(THarness& harness, bool verbose);
  // After each harness frame: the input for the frames to come.
  void Drive(long frame);
  // Whether a screenshot is wanted of this frame, and its names.
  bool WantsShot(long frame) const;
  std::vector<std::string> ShotsAt(long frame) const;
  int Moves() const { return MoveCount; }
  int ToolsUsed() const { return ToolCount; }

 private:
  void Log(const std::string& what) const;
  void Shoot(long frame, const std::string& name) { Shots.push_back({frame, name}); }

  THarness& Harness;
  bool Verbose;
  std::vector<std::pair<long, std::string>> Shots;
  long Started = -1, NextMove = 0, ToolFrame = 0, ReleaseFrame = -1;
  int NextTool = 0, MoveCount = 0, ToolCount = 0, SpiderShots = 0;
  bool WebShot = false;
  TPoint HeldTarget;
};
