#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/SharedTypes.h"

// The two tiles of a swap as the swap effect receives them: 26 bytes, packed.
#pragma pack(push, 1)
struct TSwappedObjectsData {
  TPoint Object1Pos;
  TPoint Object2Pos;
  std::uint8_t Kind1 = 0, Kind2 = 0;
  std::uint8_t Special1 = 0, Special2 = 0;
  std::uint8_t Color1 = 0, Color2 = 0;
  std::uint8_t Bomb1 = 0, Bomb2 = 0;
  std::uint8_t Worm1 = 0, Worm2 = 0;

  // Exchanges the per-tile bytes (kind, special, colour, bomb, worm), not the positions.
  void SwapTileBytes();
};
#pragma pack(pop)
static_assert(sizeof(TSwappedObjectsData) == 26);
static_assert(offsetof(TSwappedObjectsData, Object1Pos) == 0);
static_assert(offsetof(TSwappedObjectsData, Object2Pos) == 8);
static_assert(offsetof(TSwappedObjectsData, Kind1) == 16);
static_assert(offsetof(TSwappedObjectsData, Kind2) == 17);
static_assert(offsetof(TSwappedObjectsData, Special1) == 18);
static_assert(offsetof(TSwappedObjectsData, Color1) == 20);
static_assert(offsetof(TSwappedObjectsData, Bomb1) == 22);
static_assert(offsetof(TSwappedObjectsData, Worm1) == 24);
static_assert(offsetof(TSwappedObjectsData, Worm2) == 25);
