#include "platform/TSteadyClock.h"

#include <chrono>
#include <thread>

std::int64_t TSteadyClock::Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void TSteadyClock::SleepUntil(std::int64_t tick) {
  std::int64_t now = Now();
  if (tick > now) std::this_thread::sleep_for(std::chrono::nanoseconds(tick - now));
}
