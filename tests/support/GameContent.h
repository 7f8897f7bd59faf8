#pragma once
#include <filesystem>

// Puts the game's own text catalogue beside a fake executable, so a shell can start.
inline void CopyGameTexts(const std::filesystem::path& exeFolder) {
  std::filesystem::create_directories(exeFolder / "Texts");
  for (const auto& e : std::filesystem::directory_iterator(
           std::filesystem::path(WENDMOOR_SOURCE_DIR) / "content" / "texts"))
    if (e.is_regular_file() && e.path().extension() == ".txt")
      std::filesystem::copy_file(e.path(), exeFolder / "Texts" / e.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
}
