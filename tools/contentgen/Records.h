// Binary layouts of the game's own data files. The level record is the game's own
// struct (src/levels), so the generator writes exactly what the game reads; the shop
// price table and the practice table are mirrored here. The game reads these files as
// raw little-endian dumps, so every struct below mirrors the byte image exactly
// (natural alignment gaps included) and the static_asserts pin it down.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "levels/TLevelFileRecord.h"

namespace contentgen {

constexpr int BoardCols = BoardColumns;

// The shop's price of one item: five amounts in TElementKind order.
struct TElementsCount {
  float Fruits;
  float Flowers;
  float Potions;
  float GoldTiles;
  float Spiders;
};
static_assert(sizeof(TElementsCount) == 20);

// "SlotPrices.dat": island-major, then slot.
using TSlotPrices = std::array<std::array<TElementsCount, 4>, 5>;
static_assert(sizeof(TSlotPrices) == 400);

// One hidden ingredient of the practice window. The game's record is packed at
// its start (X follows Kind directly), so this one is declared packed.
#pragma pack(push, 1)
struct THiddenIngredient {
  std::uint8_t Kind;
  std::int32_t X;
  std::int32_t Y;
  std::uint8_t Unused1[7];
  double Scale;
  double Angle;
  std::int32_t Alpha;
  std::uint8_t Found;
  std::uint8_t Shown;
  std::uint8_t Unused2[2];
};
#pragma pack(pop)
static_assert(sizeof(THiddenIngredient) == 40);
static_assert(offsetof(THiddenIngredient, X) == 1);
static_assert(offsetof(THiddenIngredient, Y) == 5);
static_assert(offsetof(THiddenIngredient, Scale) == 16);
static_assert(offsetof(THiddenIngredient, Angle) == 24);
static_assert(offsetof(THiddenIngredient, Alpha) == 32);
static_assert(offsetof(THiddenIngredient, Found) == 36);
static_assert(offsetof(THiddenIngredient, Shown) == 37);

// "HiddenIngrds.dat": island, then slot, then ingredient (fastest).
using THiddenTable = std::array<std::array<std::array<THiddenIngredient, 4>, 4>, 5>;
static_assert(sizeof(THiddenTable) == 3200);

}  // namespace contentgen
