#pragma once
#include <vector>

#include "bosses/TBoss.h"

// The bot's eye for a boss round: where the creature will be over the next few seconds and
// in what mood, and what an element dropped off the board is worth against it. It follows
// what a player sees (where the creature stands, which way it walks, how long it has stood
// or shone); when the next attempt starts is hidden, so a walking creature is taken to walk on.
class TBossAim {
 public:
  static constexpr int Horizon = 150;  // frames looked ahead
  // Worth of an element that hits, more while the creature gets ready (hits cancel its
  // attempt), and a little less than nothing when it is swallowed.
  static constexpr double HitWorth = 1.0, PreparingWorth = 1.5, SwallowedWorth = -0.02;

  struct TFrame {
    int X = 0;  // rounded, as the hit test takes it
    TBoss::TBossState State = TBoss::bsWalking;
    TBoss::TAttemptPhase Phase = TBoss::apNone;
  };
  // How an element leaves the board: shaken off by a match (or a strike), or blown away by
  // a bomb, which scatters it far to either side.
  enum TLeave { lvGrouped, lvBlasted };

  // phaseFrames: how many frames the creature has been in its present phase.
  TBossAim(const TBoss& boss, int phaseFrames);
  // A forecast given frame by frame; the frames after the last repeat it.
  TBossAim(std::vector<TFrame> frames, int top, int fruitAvgSize);

  const TFrame& At(int frame) const;
  // Expected worth of one element leaving the tile whose top-left corner is (x, y) on the
  // screen `delay` frames from now, over the ways it may fall.
  double ElementWorth(int x, int y, int delay, TLeave how) const;
  // Whether any hit could land in the frames ahead (the creature is alive).
  bool Alive() const { return !Frames.empty() && Frames.front().State != TBoss::bsDead; }

  // The game drops elements this way; gravity is 2 px per frame per frame, 3 on fast systems.
  int Gravity = 2;

 private:
  double Contact(double x, double y, double speedX, double push, int delay) const;

  std::vector<TFrame> Frames;
  int Top = 499, FruitAvgSize = 53;
};
