#include "board/TBoardData.h"

#include <cstring>

std::array<std::uint8_t, TBoardData::ByteSize> TBoardData::ToBytes() const {
  std::array<std::uint8_t, ByteSize> out{};
  std::memcpy(out.data(), Tiles, ByteSize);
  return out;
}

bool TBoardData::FromBytes(const std::uint8_t* bytes, std::size_t size) {
  if (!bytes || size != ByteSize) return false;
  std::memcpy(Tiles, bytes, ByteSize);
  return true;
}

bool TBoardData::operator==(const TBoardData& other) const {
  return std::memcmp(Tiles, other.Tiles, ByteSize) == 0;
}
