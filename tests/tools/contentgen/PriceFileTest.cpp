// The game's price reader against the installed "SlotPrices.dat" and its source: what the
// generator writes is what the shop charges.
#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "Shop.h"
#include "metagame/TSlotPriceFile.h"

using contentgen::test::binPath;
using contentgen::test::contentPath;
using contentgen::test::readBytes;

TEST(ShopPrices, TheGameReadsThePricesOfTheSource) {
  std::vector<std::string> errors;
  contentgen::TSlotPrices source = contentgen::parsePrices(readBytes(contentPath("shop/prices.txt")), errors);
  ASSERT_TRUE(errors.empty());
  TSlotPriceFile::TTable read;
  std::string error;
  ASSERT_TRUE(TSlotPriceFile::Read(binPath("SlotPrices.dat"), read, error)) << error;
  for (int island = 0; island < 5; ++island)
    for (int slot = 0; slot < 4; ++slot) {
      const contentgen::TElementsCount& s = source[island][slot];
      const float expected[5] = {s.Fruits, s.Flowers, s.Potions, s.GoldTiles, s.Spiders};
      for (int kind = 0; kind < 5; ++kind)
        EXPECT_EQ(read[island][slot].Amount[kind], expected[kind])
            << "island " << island + 1 << " slot " << slot + 1 << " kind " << kind;
    }
}
