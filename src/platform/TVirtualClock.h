#pragma once
#include "platform/IClock.h"

// A clock that only moves when told to.
class TVirtualClock : public IClock {
 public:
  explicit TVirtualClock(std::int64_t frequency = 1000000) : Freq(frequency) {}
  std::int64_t Now() override { return Current; }
  std::int64_t Frequency() override { return Freq; }
  void SleepUntil(std::int64_t tick) override {
    if (tick > Current) Current = tick;
  }
  void Advance(std::int64_t ticks) { Current += ticks; }
  void AdvanceMs(double ms) { Current += static_cast<std::int64_t>(ms * Freq / 1000.0); }

 private:
  std::int64_t Freq;
  std::int64_t Current = 0;
};
