#pragma once
#include <array>

#include "board/TElementKind.h"

// Amounts by collectable kind (fruits, flowers, potions, gold tiles, spiders): targets,
// stocks and prices. Fractions matter: some events add parts of an element.
struct TElementsCount {
  std::array<float, 5> Amount{};
  float& operator[](TElementKind k) { return Amount[k]; }
  float operator[](TElementKind k) const { return Amount[k]; }
  bool operator==(const TElementsCount&) const = default;
};
