#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "levels/TElementsCount.h"

// "SlotPrices.dat": the twenty dishes' prices, island by island and slot by slot, five
// little-endian floats each (fruits, flowers, potions, gold tiles, spiders). Nothing else
// of the game is needed to read it, so the content generator's tests read it the same way.
class TSlotPriceFile {
 public:
  static constexpr int IslandCount = 5;
  static constexpr int SlotCount = 4;
  static constexpr std::size_t ByteSize = IslandCount * SlotCount * 5 * 4;
  using TTable = std::array<std::array<TElementsCount, SlotCount>, IslandCount>;

  // The first ByteSize bytes. False, with the reason, when there are fewer or a price is
  // negative, not a number or infinite; the table is then left as it was.
  static bool Decode(const std::string& bytes, TTable& prices, std::string& error);
  // Reads no more than ByteSize bytes of the file.
  static bool Read(const std::string& path, TTable& prices, std::string& error);
};
