#pragma once
#include <cstdint>

// The game's linear congruential generator as a value of its own: seed := seed * 134775813
// + 1. TGameRandom holds the one the game plays with; a tool that plays ahead on its own
// (the level designer's simulator) keeps an instance, so its draws neither disturb the
// game's nor follow other rules.
class TLcgRandom {
 public:
  constexpr explicit TLcgRandom(std::uint32_t seed = 0) : SeedValue(seed) {}

  std::uint32_t Seed() const { return SeedValue; }
  void SetSeed(std::uint32_t seed) { SeedValue = seed; }
  std::uint32_t Step() {
    SeedValue = SeedValue * 134775813u + 1u;
    return SeedValue;
  }
  // 0 .. n-1 (0 when n <= 0): the high 32 bits of seed * n after one step.
  int Random(int n) {
    std::uint32_t s = Step();
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(s) * static_cast<std::uint32_t>(n)) >> 32);
  }
  // [0, 1): seed * 2^-32 after one step.
  double RandomFraction() { return Step() * (1.0 / 4294967296.0); }

 private:
  std::uint32_t SeedValue;
};
