#pragma once
#include <cstdint>

#include "engine/TComponent.h"

class TOmegaImageList;

// The smoke curling up from the practice stove while the cook cooks.
class TStoveSmoke : public TComponent {
 public:
  static constexpr int PuffCount = 30;

  struct TPuff {
    bool Active = false;
    double Size = 0, SizeStep = 0;
    double X = 0, Y = 0, StepX = 0, StepY = 0;
    std::int32_t Alpha = 0, AlphaStep = 0;
    double Angle = 0, AngleStep = 0;
    std::uint8_t Pattern = 1;
  };

  TStoveSmoke() { Reset(); }

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 0, Top = 0;

  // Advances always; draws only when asked to (and Visible).
  void UpdateAndDraw(bool draw);
  // Clears the puffs and lets the smoke rise for a while unseen, so it is already going.
  void Reset();

  bool Active() const;
  int ActiveCount() const;
  const TPuff& Puff(int i) const { return Puffs[i]; }

 private:
  void Spawn();
  TPuff Puffs[PuffCount];
  int SpawnCounter = 0;
};
