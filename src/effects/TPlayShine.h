#pragma once
#include "engine/TComponent.h"
#include "engine/TRaySet.h"

class TOmegaImageList;

// Rays turning over the map's play button; the whole shine breathes: it holds at full
// strength for a while, sinks to a third and swells back.
class TPlayShine : public TComponent {
 public:
  static constexpr int RayCount = 7;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 1080, Top = 307;
  float MinShineAlpha = 100, MaxShineAlpha = 130;
  int FullShineTime = 3500;

  TPlayShine();
  void UpdateAndDraw();
  // Strength back to its start; the rays keep turning where they are.
  void Reset();

  float Strength() const { return CurrentStrength; }
  const TRaySet& RaySet() const { return Rays; }

 private:
  enum TStrengthPhase { spRising, spHolding, spFalling };
  TRaySet Rays;
  TStrengthPhase Phase = spRising;
  float CurrentStrength = 0.9f;
  int HoldTimer = 0;
};
