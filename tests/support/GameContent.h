#pragma once
#include <filesystem>
#include <fstream>

// Puts the game's own text catalogue beside a fake executable, and a shop price list (every
// dish 100 fruit), so a shell can start without complaining of missing data.
inline void CopyGameTexts(const std::filesystem::path& exeFolder) {
  std::filesystem::create_directories(exeFolder / "Texts");
  for (const auto& e : std::filesystem::directory_iterator(
           std::filesystem::path(WENDMOOR_SOURCE_DIR) / "content" / "texts"))
    if (e.is_regular_file() && e.path().extension() == ".txt")
      std::filesystem::copy_file(e.path(), exeFolder / "Texts" / e.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
  std::ofstream prices(exeFolder / "SlotPrices.dat", std::ios::binary);
  for (int item = 0; item < 20; ++item)
    for (int kind = 0; kind < 5; ++kind) {
      const float amount = kind == 0 ? 100.0f : 0.0f;
      prices.write(reinterpret_cast<const char*>(&amount), sizeof amount);
    }
}
