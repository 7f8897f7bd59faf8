#pragma once
#include <cmath>

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline int RoundHalfEven(double v) {
  double f = std::floor(v);
  double diff = v - f;
  if (diff > 0.5) return static_cast<int>(f) + 1;
  if (diff < 0.5) return static_cast<int>(f);
  long long i = static_cast<long long>(f);
  return static_cast<int>((i % 2 == 0) ? i : i + 1);
}
