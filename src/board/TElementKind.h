#pragma once
#include <cstdint>

// Collectable kinds: what the gathering panel counts and the shop purse holds.
enum TElementKind : std::uint8_t {
  elFruit = 0,
  elFlower = 1,
  elPotion = 2,
  elGoldTile = 3,
  elSpider = 4,
};
