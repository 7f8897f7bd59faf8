#pragma once
#include "platform/IClock.h"

// Nanosecond monotonic clock of the system.
class TSteadyClock : public IClock {
 public:
  std::int64_t Now() override;
  std::int64_t Frequency() override { return 1000000000LL; }
  void SleepUntil(std::int64_t tick) override;
};
