#pragma once
#include "board/TIndividualElementKind.h"

// The board's element codes as the gathering panel counts them.
class TElementCodes {
 public:
  // Fruits 1..8, flowers 13..16 and potions 17..18 each have a gathering slot; plain
  // elements, bubbles and items have none, and then the answer is false.
  static bool IndividualKindOf(int code, TIndividualElementKind& kind);
  // Codes 1..18: fruits, plain elements, flowers and potions, what a removal lets fall or fly;
  // bubbles and items are not.
  static bool IsElement(int code);

  // A needed potion flies to its slot on its own, in the new-diamond effect, which numbers
  // the two flights 7 and 8.
  static constexpr int PotionFlight1 = 7, PotionFlight2 = 8;
  static int PotionFlightOf(int potionCode);
  // The potion (1 or 2) a flight carries, and its gathering slot.
  static int PotionOfFlight(int flight);
  static TIndividualElementKind PotionKindOfFlight(int flight);
};
