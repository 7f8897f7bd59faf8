#pragma once
#include <cstdint>

// One gathering slot each, in panel order (slot = value + 1).
enum TIndividualElementKind : std::uint8_t {
  iePotion1 = 0,
  iePotion2,
  ieFruit1,
  ieFruit2,
  ieFruit3,
  ieFruit4,
  ieFruit5,
  ieFruit6,
  ieFruit7,
  ieFruit8,
  ieFlower1,
  ieFlower2,
  ieFlower3,
  ieFlower4,
  ieSpider,
  ieGoldTile1,
  ieGoldTile2,
};
