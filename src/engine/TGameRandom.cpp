#include "engine/TGameRandom.h"

#include <chrono>

#include "engine/TLcgRandom.h"

namespace {
constinit TLcgRandom gRandom;
std::function<std::uint32_t()> gClockSource;
}  // namespace

std::uint32_t TGameRandom::Seed() { return gRandom.Seed(); }
void TGameRandom::SetSeed(std::uint32_t seed) { gRandom.SetSeed(seed); }

std::uint32_t TGameRandom::Step() { return gRandom.Step(); }

int TGameRandom::Random(int n) { return gRandom.Random(n); }

double TGameRandom::RandomFraction() { return gRandom.RandomFraction(); }

void TGameRandom::Randomize() {
  if (gClockSource) {
    gRandom.SetSeed(gClockSource());
    return;
  }
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  gRandom.SetSeed(static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void TGameRandom::SetClockSeedSource(std::function<std::uint32_t()> source) {
  gClockSource = std::move(source);
}
