// The game's reader of "HiddenIngrds.dat" takes the installed file, and reads from it the
// kinds and spots written in the practice source.
#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "Shop.h"
#include "metagame/THiddenIngredientTable.h"

using contentgen::test::binPath;
using contentgen::test::contentPath;
using contentgen::test::readBytes;

TEST(PracticeData, GameReaderTakesTheInstalledFileAsWritten) {
  std::vector<std::string> errors;
  contentgen::THiddenTable source =
      contentgen::parseHidden(readBytes(contentPath("practice/hidden.txt")), errors);
  ASSERT_TRUE(errors.empty());
  const std::string bytes = readBytes(binPath("HiddenIngrds.dat"));
  THiddenIngredientTable table;
  std::string error;
  ASSERT_TRUE(table.FromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                              error))
      << error;
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot)
      for (int k = 1; k <= 4; ++k) {
        const auto& want = source[island - 1][slot - 1][k - 1];
        const THiddenIngredient& got = table.At(island, slot, k);
        EXPECT_EQ(got.Kind, want.Kind) << island << " " << slot << " " << k;
        EXPECT_EQ(got.X, want.X) << island << " " << slot << " " << k;
        EXPECT_EQ(got.Y, want.Y) << island << " " << slot << " " << k;
      }
}
