#pragma once
#include "board/TIndividualElementKind.h"

// The board's element codes as the gathering panel counts them.
class TElementCodes {
 public:
  // Fruits 1..8, flowers 13..16 and potions 17..18 each have a gathering slot; plain
  // elements, bubbles and items have none, and then the answer is false.
  static bool IndividualKindOf(int code, TIndividualElementKind& kind);
};
