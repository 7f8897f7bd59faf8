#pragma once

class TBoss;
class TMonsterAura;
class TOmegaImageList;

// Draws a creature and its aura from their state.
class TBossPainter {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  void DrawBoss(const TBoss& boss);
  void DrawAura(const TMonsterAura& aura);
};
