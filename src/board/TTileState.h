#pragma once
#include <cstdint>

// What the board is doing with a tile right now; not part of the stored image.
enum TTileState : std::uint8_t {
  tsIdle = 0,
  tsSwapping = 1,
  tsOpening = 2,
  tsGrouping = 3,
  tsFalling = 4,
  tsStruck = 5,
  tsNoTile = 6,
  tsAnchored = 7,
};

// Resting tiles: the only ones that take part in runs.
inline bool IsRestingState(TTileState s) { return s == tsIdle || s == tsAnchored; }
