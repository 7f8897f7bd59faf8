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

TEST(ElementCodes, ElementsAndPotionFlights) {
  for (int code = -1; code <= 256; ++code) {
    TIndividualElementKind kind;
    const bool element = TElementCodes::IsElement(code);
    EXPECT_EQ(element, code >= 1 && code <= 18) << code;
    if (TElementCodes::IndividualKindOf(code, kind)) {
      EXPECT_TRUE(element) << code;  // 9..12 none
    }
  }
  EXPECT_FALSE(TElementCodes::IsElement(ecMultiBubble));
  EXPECT_FALSE(TElementCodes::IsElement(ecHammer));

  // Each potion's flight brings it, by number and slot, to where its code would have gone.
  for (int code : {ecPotion1, ecPotion2}) {
    const int flight = TElementCodes::PotionFlightOf(code);
    TIndividualElementKind kind;
    ASSERT_TRUE(TElementCodes::IndividualKindOf(code, kind));
    EXPECT_EQ(TElementCodes::PotionKindOfFlight(flight), kind) << code;
    EXPECT_EQ(TElementCodes::PotionOfFlight(flight), code == ecPotion1 ? 1 : 2);
  }
  // The effect draws flight - 7 as the potion's pattern.
  EXPECT_EQ(TElementCodes::PotionFlightOf(ecPotion1), 7);
  EXPECT_EQ(TElementCodes::PotionFlightOf(ecPotion2), 8);
}
