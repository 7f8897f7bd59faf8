#pragma once
#include <cstdint>
#include <functional>

// The one random source of the game: a 32-bit linear congruential generator,
// seed := seed * 134775813 + 1. Chance rolls everywhere go through it, so a seed
// replays a game exactly.
class TGameRandom {
 public:
  static std::uint32_t Seed();
  static void SetSeed(std::uint32_t seed);
  // 0 .. n-1 (0 when n <= 0): the high 32 bits of seed * n after one step.
  static int Random(int n);
  // [0, 1): seed * 2^-32 after one step.
  static double RandomFraction();
  // Reseeds from the clock. The harness replaces the clock source to stay deterministic.
  static void Randomize();
  static void SetClockSeedSource(std::function<std::uint32_t()> source);

 private:
  static std::uint32_t Step();
};
