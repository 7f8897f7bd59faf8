#include "board/TSwappedObjectsData.h"

#include <utility>

void TSwappedObjectsData::SwapTileBytes() {
  std::swap(Kind1, Kind2);
  std::swap(Special1, Special2);
  std::swap(Color1, Color2);
  std::swap(Bomb1, Bomb2);
  std::swap(Worm1, Worm2);
}
