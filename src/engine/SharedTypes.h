#pragma once
#include <cstdint>

// Every component timer adds this once per frame; nothing in the game reads a clock.
constexpr int TickMilliseconds = 30;

// A tile or screen position; tiles count from 1, 0 meaning none.
struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

// Whether the level timer runs (asked once, the first time a player presses Play).
enum TRelaxedMode : std::uint8_t { rmNotInitialized = 0, rmYes = 1, rmNo = 2 };
