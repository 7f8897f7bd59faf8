#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "metagame/THiddenIngredient.h"

// The hidden ingredients of every dish: island 1..5, slot 1..4, ingredient 1..4, as the data
// file "HiddenIngrds.dat" stores them (80 records of 40 bytes, ingredient running fastest).
class THiddenIngredientTable {
 public:
  static constexpr int Islands = 5, Slots = 4, PerDish = 4;
  static constexpr int RecordCount = Islands * Slots * PerDish;
  static constexpr int RecordSize = 40;
  static constexpr std::size_t ByteSize = RecordCount * RecordSize;  // 3200
  // A spot's click square must lie on the window picture (1006 x 614, drawn 16 lower).
  static constexpr int WindowWidth = 1006, WindowHeight = 614, SpotSize = 52;

  // The built-in table: ingredient k of every dish is kind k at (50 k, 50 k).
  THiddenIngredientTable();
  void SetDefaults();

  // Reads a whole file's bytes (only the first ByteSize count). A short file, a kind outside
  // 1..16 or a spot off the window is refused with a message and leaves the table as it was:
  // a table is either all from the file or not at all.
  bool FromBytes(const std::uint8_t* data, std::size_t size, std::string& error);
  // The file at path; a missing file keeps the table and is no error (missing is set).
  bool LoadFile(const std::string& path, std::string& error, bool& missing);

  THiddenIngredient& At(int island, int slot, int k) { return Records[Index(island, slot, k)]; }
  const THiddenIngredient& At(int island, int slot, int k) const {
    return Records[Index(island, slot, k)];
  }
  std::array<THiddenIngredient, RecordCount>& All() { return Records; }

 private:
  static int Index(int island, int slot, int k) {
    return ((island - 1) * Slots + (slot - 1)) * PerDish + (k - 1);
  }
  std::array<THiddenIngredient, RecordCount> Records;
};
