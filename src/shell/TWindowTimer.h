#pragma once
#include <cstdint>

#include "platform/IClock.h"

// An ordinary interval timer of the window, checked by the loop on the given clock.
class TWindowTimer {
 public:
  explicit TWindowTimer(int intervalMs) : IntervalMs(intervalMs) {}
  void Start(IClock& clock) {
    Enabled = true;
    DueAt = clock.Now() + clock.Frequency() * IntervalMs / 1000;
  }
  void Stop() { Enabled = false; }
  bool IsEnabled() const { return Enabled; }
  // True once the interval has passed since Start (the caller then handles and stops it).
  bool Due(IClock& clock) const { return Enabled && clock.Now() >= DueAt; }
  std::int64_t DueTime() const { return DueAt; }

 private:
  int IntervalMs;
  bool Enabled = false;
  std::int64_t DueAt = 0;
};
