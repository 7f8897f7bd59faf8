#pragma once
#include <cstdint>
#include <string>

#include "levels/TElementsCount.h"

// One dish of an island's shop: its picture, name, price, what it adds to the book and
// the restaurant, and what the information window shows inside it.
struct TBuySlotData {
  std::uint8_t IconIdx = 1;  // pattern IconIdx - 1 of "BuySlotIcons"
  std::string Name;
  bool Bought = false;
  bool Notified = false;  // the affordable notice has been played for it
  TElementsCount Price;
  std::int32_t BookPercent = 0;
  std::int32_t RewardFigure = 0;  // shown as "+N" in the information window only
  bool Affordable = false;
  // 0 none, else 1..10: the picture under "inside"; 9 and 10 also change the board.
  std::uint8_t InsideKind = 0;
};
