#pragma once

// The small motion rules that nearly every component uses.
class TMotion {
 public:
  // Moves value toward target by step without passing it; true once it is there.
  static bool ApproachInt(int& value, int step, int target);
  static bool ApproachFloat(float& value, float target, float step);
  // Direction 1 adds the step, 0 subtracts it; the angle wraps into 0..360.
  static void TurnAngle(int direction, float& angle, float step);
  // Adds one tick's milliseconds; true (with the counter held at the limit) once it is reached.
  static bool TimerTick(int& counter, int limit);
  // Per-axis speeds so that the longer axis advances pace pixels per tick.
  static void StraightLineSpeeds(float fromX, float fromY, float toX, float toY, float pace,
                                 float& speedX, float& speedY);
  // One of the evenly spaced points lo, lo + step, … up to hi (hi raised to lo if smaller).
  static int RandomGridPoint(int lo, int hi, int step);
};
