#pragma once
#include <cstdint>

// One of the four pots of the practice window's second step, and the ingredient it shows
// while that flies off to the stove.
struct TPracticePot {
  std::uint8_t Kind = 1;
  double X = 0, Y = 0;  // window-relative, the pot's place + (12, 12)
  double StepX = 0, StepY = 0;
  double TargetX = 0, TargetY = 0;
  double Scale = 1.0;
  double Angle = 0.0;
  std::int32_t Alpha = 255;
  bool Done = false;
  bool Shown = false;
};
