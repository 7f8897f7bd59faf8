#pragma once
#include <cstdint>

#include "board/TBoardData.h"

// A 16 x 12 byte mask, column-major like the board: 0 not set, 1 set.
struct TSimpleObjectArray {
  std::uint8_t Cells[BoardColumns][BoardRows] = {};

  std::uint8_t& At(int x, int y) { return Cells[x - 1][y - 1]; }
  std::uint8_t At(int x, int y) const { return Cells[x - 1][y - 1]; }
  bool IsSet(int x, int y) const { return InBoardGrid(x, y) && Cells[x - 1][y - 1] != 0; }
  bool IsSet(TPoint p) const { return IsSet(p.X, p.Y); }
  void Set(int x, int y) { Cells[x - 1][y - 1] = 1; }
  void Set(TPoint p) { Set(p.X, p.Y); }
  void Clear();
  bool Any() const;
  int Count() const;
  bool operator==(const TSimpleObjectArray& other) const;
};
static_assert(sizeof(TSimpleObjectArray) == 192);
