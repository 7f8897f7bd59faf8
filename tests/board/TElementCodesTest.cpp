#include <gtest/gtest.h>

#include <map>

#include "board/TBoardTile.h"
#include "board/TElementCodes.h"

TEST(ElementCodes, OnlyFruitsFlowersAndPotionsHaveAGatheringSlot) {
  std::map<int, TIndividualElementKind> slots;
  for (int code = -1; code <= 256; ++code) {
    TIndividualElementKind kind = ieSpider;
    if (TElementCodes::IndividualKindOf(code, kind))
      slots[code] = kind;
    else
      EXPECT_EQ(kind, ieSpider) << code;  // untouched when there is no slot
  }
  const std::map<int, TIndividualElementKind> expected = {
      {1, ieFruit1},   {2, ieFruit2},   {3, ieFruit3},   {4, ieFruit4},   {5, ieFruit5},
      {6, ieFruit6},   {7, ieFruit7},   {8, ieFruit8},   {13, ieFlower1}, {14, ieFlower2},
      {15, ieFlower3}, {16, ieFlower4}, {17, iePotion1}, {18, iePotion2}};
  EXPECT_EQ(slots, expected);
  TIndividualElementKind kind;
  EXPECT_FALSE(TElementCodes::IndividualKindOf(ecMultiBubble, kind));
  EXPECT_FALSE(TElementCodes::IndividualKindOf(ecUniBubble, kind));
}
