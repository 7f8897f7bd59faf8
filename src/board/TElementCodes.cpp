#include "board/TElementCodes.h"

#include "board/TBoardTile.h"

bool TElementCodes::IndividualKindOf(int code, TIndividualElementKind& kind) {
  if (code >= 1 && code <= 8)
    kind = static_cast<TIndividualElementKind>(ieFruit1 + code - 1);
  else if (IsFlowerCode(code))
    kind = static_cast<TIndividualElementKind>(ieFlower1 + code - ecFirstFlower);
  else if (IsPotionCode(code))
    kind = static_cast<TIndividualElementKind>(iePotion1 + code - ecPotion1);
  else
    return false;
  return true;
}

bool TElementCodes::IsElement(int code) { return code >= 1 && code <= ecPotion2; }

int TElementCodes::PotionFlightOf(int potionCode) {
  return potionCode == ecPotion1 ? PotionFlight1 : PotionFlight2;
}

int TElementCodes::PotionOfFlight(int flight) { return flight == PotionFlight2 ? 2 : 1; }

TIndividualElementKind TElementCodes::PotionKindOfFlight(int flight) {
  return flight == PotionFlight2 ? iePotion2 : iePotion1;
}
