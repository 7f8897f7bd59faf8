#pragma once
#include <string>

class TBoss;
class TMonsterAura;
class TOmegaImageList;

// Draws a boss round's creature and its aura from their state and pose values. The
// creature's pictures come from the island's creature folder, all with the same names
// (TBossFigure), the energy bar's portrait among them; the aura's and the energy bar's
// panel from the main folder.
class TBossPainter {
 public:
  TBossPainter();
  TOmegaImageList* OmgImgList = nullptr;

  void DrawBoss(const TBoss& boss);
  void DrawAura(const TMonsterAura& aura);
  // At its fixed place on the screen, over the creature and its aura.
  void DrawEnergyBar(const TBoss& boss);

 private:
  void DrawDead(const TBoss& boss, float x, float y);

  // Built once: a frame names its pictures without making strings.
  const std::string Walking, Front, Absorbing, Dying, DeadParts, Shadow;
  const std::string Aura, AuraGlow, AuraSpark, EnergyFrame, EnergyFill, Badge;
};
