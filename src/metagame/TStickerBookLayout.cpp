#include "metagame/TStickerBookLayout.h"

#include <cstring>

namespace {
using TObjectDef = TStickerBookLayout::TObjectDef;
using TRect = TStickerBookLayout::TRect;

constexpr TObjectDef Objects[TStickerBookLayout::DefinedObjects] = {
    {1, "", 0, 0, 1.0, true},           {2, "", 0, 0, 1.0, false},
    {3, "Zeppelin", 1177, 513, 1.0, false}, {4, "Upg1_1", 0, 0, 2.0, false},
    {5, "Upg1_2", 119, 117, 1.0, false},  {6, "Upg1_3", 716, 0, 1.0, false},
    {7, "Upg1_4", 953, 144, 1.0, false},  {8, "Upg2_1", 232, -2, 1.0, false},
    {9, "Upg2_2", 515, 190, 1.0, false},  {10, "Upg2_3", 836, 230, 1.0, false},
    {11, "Upg2_4", 340, 311, 1.0, false}, {12, "Upg3_1", 180, 137, 1.0, false},
    {13, "Upg3_2", 111, 270, 1.0, false}, {14, "Upg3_3", 402, 151, 1.0, false},
    {15, "Upg3_4", 697, 109, 1.0, false}, {16, "Upg4_1", 153, 257, 1.0, false},
    {17, "Upg4_2", 193, 367, 1.0, false}, {18, "Upg4_3", 764, 303, 1.0, false},
    {19, "Upg4_4", 85, 92, 1.0, false},   {20, "Upg5_1", 72, 314, 1.0, false},
    {21, "Upg5_2", 17, 361, 1.0, false},  {22, "Upg5_3", 158, 119, 1.0, false},
    {23, "Upg5_4", 363, 14, 1.0, false},
};

// What each picture shows and where (groups 3..23): chosen so that every sticker finds a
// free piece of the square, the skyline or the right-hand street.
constexpr TRect Boxes[TStickerBookLayout::DefinedObjects + 1] = {
    {},
    {},                       // 1 marker
    {},                       // 2 marker
    {1182, 531, 1362, 621},   // 3 zeppelin over the bottom-right corner
    {0, 292, 1366, 768},      // 4 the meadow: the whole square
    {142, 294, 272, 400},     // 5 market stall
    {838, 0, 936, 108},       // 6 windmill behind the restaurant
    {1020, 144, 1200, 238},   // 7 bakery on the right-hand street
    {236, 0, 420, 108},       // 8 lighthouse on the headland
    {580, 296, 780, 462},     // 9 fountain
    {840, 294, 1095, 412},    // 10 plum tree and baskets
    {380, 318, 576, 420},     // 11 the long table
    {276, 294, 378, 440},     // 12 cherry tree
    {278, 446, 396, 600},     // 13 beehives
    {790, 420, 1010, 520},    // 14 marigold beds
    {1240, 109, 1340, 238},   // 15 clock tower
    {276, 292, 800, 430},     // 16 lamp posts
    {525, 470, 778, 640},     // 17 pond
    {790, 525, 1010, 640},    // 18 lantern cart
    {140, 92, 556, 110},      // 19 lantern garland over the roofs
    {74, 344, 136, 402},      // 20 snowman
    {18, 362, 72, 402},       // 21 sleeping cat
    {160, 292, 1000, 332},    // 22 bunting along the square
    {420, 14, 556, 108},      // 23 fireworks
};

const std::vector<TStickerBookLayout::TKeepClear>& Areas() {
  static const std::vector<TStickerBookLayout::TKeepClear> areas = {
      {"street", {0, 110, 1000, 290}},
      {"restaurant", {560, 20, 830, 250}},
      {"menu button", {12, 10, 132, 52}},
      {"pocket", {8, 60, 138, 340}},
      {"top panel", {938, 0, 1366, 71}},
      {"counters", {1061, 63, 1220, 120}},
      {"rating panel", {24, 402, 274, 768}},
      {"special panel", {1099, 330, 1339, 530}},
      {"shop panel", {311, 644, 1218, 768}},
      {"shop panel right", {1218, 623, 1366, 768}},
  };
  return areas;
}
}  // namespace

const TObjectDef& TStickerBookLayout::Object(int index) {
  if (index < 1 || index > DefinedObjects) index = 1;
  return Objects[index - 1];
}

TRect TStickerBookLayout::ContentBox(int group) {
  return group >= 1 && group <= DefinedObjects ? Boxes[group] : TRect{};
}

const std::vector<TStickerBookLayout::TKeepClear>& TStickerBookLayout::KeepClear() {
  return Areas();
}

const TRect& TStickerBookLayout::StreetBand() { return Areas().front().Area; }

bool TStickerBookLayout::MayCover(int group, const TKeepClear& area) {
  return group == MeadowGroup && std::strcmp(area.Name, "street") != 0 &&
         std::strcmp(area.Name, "restaurant") != 0;
}
