#include "engine/TMotion.h"

#include <cmath>

#include "engine/SharedTypes.h"
#include "engine/TGameRandom.h"

namespace {
template <typename T>
bool Approach(T& value, T target, T step) {
  if (value < target) {
    value += step;
    if (value > target) value = target;
  } else if (value > target) {
    value -= step;
    if (value < target) value = target;
  }
  return value == target;
}
}  // namespace

bool TMotion::ApproachInt(int& value, int step, int target) {
  return Approach(value, target, step);
}

bool TMotion::ApproachFloat(float& value, float target, float step) {
  return Approach(value, target, step);
}

void TMotion::TurnAngle(int direction, float& angle, float step) {
  angle += direction == 1 ? step : -step;
  if (angle > 360) angle -= 360;
  if (angle < 0) angle += 360;
}

bool TMotion::TimerTick(int& counter, int limit) {
  counter += TickMilliseconds;
  if (counter >= limit) {
    counter = limit;
    return true;
  }
  return false;
}

void TMotion::StraightLineSpeeds(float fromX, float fromY, float toX, float toY, float pace,
                                 float& speedX, float& speedY) {
  float dx = std::fabs(toX - fromX), dy = std::fabs(toY - fromY);
  float m = (dx > dy ? dx : dy) / pace;
  if (m == 0) m = 1;
  speedX = dx / m;
  speedY = dy / m;
}

int TMotion::RandomGridPoint(int lo, int hi, int step) {
  if (hi < lo) hi = lo;
  if (step <= 0) return lo;
  return lo + step * TGameRandom::Random((hi - lo) / step + 1);
}
