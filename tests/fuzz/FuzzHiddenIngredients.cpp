// "HiddenIngrds.dat": a file gives either the whole table, every spot clickable on the window,
// or a message and the whole built-in table; then a practice round is found through with it.
#include <cstring>

#include "FuzzTarget.h"
#include "engine/TOmegaImageList.h"
#include "metagame/TPracticeMiniGame.h"
#include "text/TGlobalGameText.h"
#include "text/TTextStrings.h"

namespace {
std::string Record(std::uint8_t kind, std::int32_t x, std::int32_t y) {
  std::string r(THiddenIngredientTable::RecordSize, '\0');
  r[0] = static_cast<char>(kind);
  std::memcpy(&r[1], &x, 4);
  std::memcpy(&r[5], &y, 4);
  return r;
}
}  // namespace

std::vector<std::string> FuzzSeeds() {
  std::string spread, corners;
  for (int r = 0; r < THiddenIngredientTable::RecordCount; ++r) {
    spread += Record(static_cast<std::uint8_t>(1 + r % 16), 40 + 70 * (r % 4), 120 + r);
    corners += Record(16, r % 2 ? 954 : 0, r % 4 < 2 ? 0 : 562);
  }
  return {spread, corners, spread.substr(0, 3199), spread + "trailing", ""};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = FuzzScratchFolder();
  FuzzWriteFile(folder + "HiddenIngrds.dat", data, size);

  TOmegaImageList images;
  TGlobalGameText text;
  TTextStrings strings;
  TPracticeMiniGame game(images, text, strings);
  game.DataFilePath = folder;
  game.DataFileName = "HiddenIngrds.dat";
  std::string message;
  game.OnLoadError = [&message](TPracticeMiniGame&, const std::string& m) { message = m; };
  const bool loaded = game.LoadData();
  FUZZ_CHECK(loaded == message.empty());
  FUZZ_CHECK(loaded || size < THiddenIngredientTable::ByteSize || message.size() > 20);
  const THiddenIngredientTable defaults;
  for (int island = 1; island <= 5; ++island)
    for (int slot = 1; slot <= 4; ++slot)
      for (int k = 1; k <= 4; ++k) {
        const THiddenIngredient& h = game.Ingredients().At(island, slot, k);
        FUZZ_CHECK(h.Kind >= 1 && h.Kind <= 16);
        if (!loaded) {
          const THiddenIngredient& d = defaults.At(island, slot, k);
          FUZZ_CHECK(h.Kind == d.Kind && h.X == d.X && h.Y == d.Y);
        } else {
          const std::uint8_t* rec = data + (((island - 1) * 4 + slot - 1) * 4 + k - 1) * 40;
          FUZZ_CHECK(h.Kind == rec[0]);
        }
      }

  // One dish of the table found through: each spot's middle finds at least its own one.
  const int island = size ? 1 + data[0] % 5 : 1, slot = size ? 1 + data[0] / 5 % 4 : 1;
  game.Start(island, slot, {});
  game.Open();
  for (int i = 0; i < 12; ++i) game.UpdateAndDraw();
  FUZZ_CHECK(game.GetState() == psFindStep);
  for (int k = 1; k <= 4; ++k) {
    const THiddenIngredient& h = game.Hidden(k);
    game.MouseDown(180 + h.X + 26, 70 + h.Y + 16 + 26, true);
    FUZZ_CHECK(h.Found);
  }
  for (int i = 0; i < 40 && game.GetState() == psFindStep; ++i) game.UpdateAndDraw();
  FUZZ_CHECK(game.GetState() == psPlaceStep);
  int finished = 0;
  game.OnFinished = [&finished](TPracticeMiniGame&, int, int, const TElementsCount&) { ++finished; };
  game.Finish();
  FUZZ_CHECK(finished == 1 && !game.IsOpen());
  return 0;
}
