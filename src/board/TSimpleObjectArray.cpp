#include "board/TSimpleObjectArray.h"

#include <cstring>

void TSimpleObjectArray::Clear() { std::memset(Cells, 0, sizeof(Cells)); }

bool TSimpleObjectArray::Any() const { return Count() > 0; }

int TSimpleObjectArray::Count() const {
  int n = 0;
  for (const auto& column : Cells)
    for (std::uint8_t c : column) n += c != 0;
  return n;
}

bool TSimpleObjectArray::operator==(const TSimpleObjectArray& other) const {
  return std::memcmp(Cells, other.Cells, sizeof(Cells)) == 0;
}
