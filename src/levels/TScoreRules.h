#pragma once
#include <cstdint>

#include "board/TElementKind.h"
#include "levels/TElementsCount.h"
#include "levels/TMedalKind.h"

// What the player earns for each event of a round: points for the total and the level score,
// owned elements for the shop purse, and the combo bonus. The shell adds them at the moment
// of the event; nothing here keeps state.
class TScoreRules {
 public:
  // Each cell of a removal (match, tool, bomb or blast); total and level score alike.
  static constexpr int RemovedElementPoints = 3;
  // Total score only.
  static constexpr int GoldLayerPoints = 25;
  static constexpr int NeededPotionPoints = 60;
  static constexpr float SpiderKnockedGain = 1.0f;

  struct TOwnedGain {
    bool Any = false;
    TElementKind Kind = elFruit;
    float Amount = 0;
  };
  // The owned element a removed cell is worth, by its board code.
  static TOwnedGain RemovedElementGain(int elementCode, int island);
  // Gold tiles are worth more on island 3 and once that island's second shop item is bought.
  static float GoldLayerGain(int island, bool goldUpgradeBought);

  struct TComboBonus {
    int EnergyUnits = 0;
    int Score = 0;
    int BonusTextPattern = 0;
  };
  // The bonus a combo of m equal elements carries to the energy flask; none outside 4..7.
  static TComboBonus ComboBonus(int matchCount);

  struct TWinBonus {
    TElementKind Kind = elFruit;
    int Count = 0;
  };
  // Only a gold medal earns the level's bonus elements.
  static TWinBonus WinBonus(TMedalKind medal, TElementKind levelBonusKind, int levelBonusCount);
};
