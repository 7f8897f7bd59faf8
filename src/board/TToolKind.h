#pragma once
#include <cstdint>

// The pick-up tools; a pick-up's element code is its kind + 103.
enum TToolKind : std::uint8_t {
  toNone = 0,
  toMagicKey = 1,
  toBroom = 2,
  toAerosol = 3,
};
