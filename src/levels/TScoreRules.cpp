#include "levels/TScoreRules.h"

#include <algorithm>

TScoreRules::TOwnedGain TScoreRules::RemovedElementGain(int code, int island) {
  switch (code) {
    case 1: case 2: case 3: return {true, elFruit, 1.0f};
    case 4: case 5: case 6: return {true, elFruit, 1.2f};
    case 7: return {true, elFruit, 1.4f};
    case 8: return {true, elFruit, 1.6f};
    case 13: return {true, elFlower, 1.0f};
    case 14: return {true, elFlower, 1.2f};
    case 15: return {true, elFlower, 1.4f};
    case 16: return {true, elFlower, 1.6f};
    case 17: return {true, elPotion, island == 4 ? 1.4f : 1.0f};
    case 18: return {true, elPotion, 1.4f};
    default: return {};
  }
}

float TScoreRules::GoldLayerGain(int island, bool goldUpgradeBought) {
  return island == 3 || goldUpgradeBought ? 1.4f : 1.0f;
}

TScoreRules::TComboBonus TScoreRules::ComboBonus(int m) {
  switch (m) {
    case 4: return {2, 6, 0};
    case 5: return {5, 15, 1};
    case 6: return {12, 36, 1};
    case 7: return {14, 42, 2};
    default: return {};
  }
}

TScoreRules::TWinBonus TScoreRules::WinBonus(TMedalKind medal, TElementKind kind, int count) {
  if (medal != mdGold || count <= 0) return {};
  return {kind, count};
}

