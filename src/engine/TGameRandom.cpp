#include "engine/TGameRandom.h"

#include <chrono>

namespace {
std::uint32_t gSeed = 0;
std::function<std::uint32_t()> gClockSource;
}  // namespace

std::uint32_t TGameRandom::Seed() { return gSeed; }
void TGameRandom::SetSeed(std::uint32_t seed) { gSeed = seed; }

std::uint32_t TGameRandom::Step() {
  gSeed = gSeed * 134775813u + 1u;
  return gSeed;
}

int TGameRandom::Random(int n) {
  std::uint32_t s = Step();
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(s) * static_cast<std::uint32_t>(n)) >> 32);
}

double TGameRandom::RandomFraction() { return Step() * (1.0 / 4294967296.0); }

void TGameRandom::Randomize() {
  if (gClockSource) {
    gSeed = gClockSource();
    return;
  }
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  gSeed = static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void TGameRandom::SetClockSeedSource(std::function<std::uint32_t()> source) {
  gClockSource = std::move(source);
}
