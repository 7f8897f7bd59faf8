#pragma once
#include <cstdint>

// A monotonic tick source. The game runs on the steady clock; the harness and
// tests drive a virtual one, so nothing in the game depends on real time.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual std::int64_t Now() = 0;
  virtual std::int64_t Frequency() = 0;  // ticks per second
  // Blocks until Now() >= tick (a virtual clock simply jumps there).
  virtual void SleepUntil(std::int64_t tick) = 0;
};
