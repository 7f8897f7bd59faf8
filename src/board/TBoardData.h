#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "board/TBoardTile.h"
#include "engine/SharedTypes.h"

constexpr int BoardColumns = 16;
constexpr int BoardRows = 12;
constexpr int BoardTileSize = 52;  // pixels, on screen and in every tile picture

inline bool InBoardGrid(int x, int y) {
  return x >= 1 && x <= BoardColumns && y >= 1 && y <= BoardRows;
}
inline bool InBoardGrid(TPoint p) { return InBoardGrid(p.X, p.Y); }

// The whole board as level files and events carry it: 16 x 12 tiles, column-major,
// 3840 bytes. Tile (X, Y) lies at byte 240 (X - 1) + 20 (Y - 1).
struct TBoardData {
  static constexpr std::size_t ByteSize = 3840;

  TBoardTile Tiles[BoardColumns][BoardRows];

  TBoardTile& At(int x, int y) { return Tiles[x - 1][y - 1]; }
  const TBoardTile& At(int x, int y) const { return Tiles[x - 1][y - 1]; }
  TBoardTile& At(TPoint p) { return At(p.X, p.Y); }
  const TBoardTile& At(TPoint p) const { return At(p.X, p.Y); }

  std::array<std::uint8_t, ByteSize> ToBytes() const;
  // False (and the board untouched) unless exactly ByteSize bytes are given.
  bool FromBytes(const std::uint8_t* bytes, std::size_t size);

  bool operator==(const TBoardData& other) const;
};
static_assert(sizeof(TBoardData) == 3840);
static_assert(std::endian::native == std::endian::little,
              "board images are little-endian and copied as they stand");
