// "SlotPrices.dat": a file either prices every dish with real, non-negative amounts, or is
// refused with a message and the shop sells nothing; never a free dish.
#include <cmath>
#include <cstring>
#include <limits>

#include "FuzzTarget.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TBuySlots.h"
#include "metagame/TSlotPriceFile.h"
#include "ui/TGameButton.h"

namespace {
std::string Prices(float fruits, float spiders) {
  std::string bytes;
  for (int i = 0; i < 20; ++i) {
    const float item[5] = {fruits + 10 * i, 0, i % 4 ? 0.5f : 0, 0, spiders};
    bytes.append(reinterpret_cast<const char*>(item), sizeof item);
  }
  return bytes;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  return {Prices(230, 0), Prices(0, 0), Prices(1e30f, 3), Prices(5, 1).substr(0, 399),
          Prices(5, 1) + "after the prices", ""};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = FuzzScratchFolder();
  FuzzWriteFile(folder + "SlotPrices.dat", data, size);
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  TSlotPriceFile::TTable table{};
  std::string error;
  const bool decoded = TSlotPriceFile::Decode(bytes, table, error);
  bool usable = size >= TSlotPriceFile::ByteSize;
  for (std::size_t at = 0; usable && at < TSlotPriceFile::ByteSize; at += 4) {
    float v;
    std::memcpy(&v, data + at, 4);
    usable = std::isfinite(v) && v >= 0;
  }
  FUZZ_CHECK(decoded == usable);
  FUZZ_CHECK(decoded || !error.empty());

  TOmegaImageList images;
  TBuySlots shop(images);
  shop.PricesFilePath = folder;
  error.clear();
  FUZZ_CHECK(shop.Init(error) == decoded);
  FUZZ_CHECK(decoded == error.empty());
  TElementsCount rich;
  rich.Amount.fill(std::numeric_limits<float>::max());
  shop.SetOwned(rich);
  int bought = 0;
  shop.OnBuy = [&bought](TBuySlots&, int, int, const TElementsCount&) { ++bought; };
  for (int island = 1; island <= 5; ++island) {
    shop.IslandIdx = island;
    for (int slot = 1; slot <= 4; ++slot) {
      const TElementsCount& price = shop.Item(island, slot).Price;
      FUZZ_CHECK(shop.IsAffordable(island, slot) == decoded);
      if (decoded) FUZZ_CHECK(price == table[island - 1][slot - 1]);
      const TGameButton& b = shop.BuyButton(slot);
      shop.MouseDown(b.Left + 1, b.Top + 1, true);
      shop.MouseUp(b.Left + 1, b.Top + 1);
    }
  }
  FUZZ_CHECK(bought == (decoded ? 20 : 0));
  return 0;
}
