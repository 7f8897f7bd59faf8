#pragma once
#include <cstdint>

// The six collector tools of the side panel.
enum TNewToolKind : std::uint8_t {
  tlNone = 0,
  tlHammer = 1,
  tlBomb = 2,
  tlHorzLightning = 3,
  tlVertLightning = 4,
  tlBlaster = 5,
  tlBigBomb = 6,
};
