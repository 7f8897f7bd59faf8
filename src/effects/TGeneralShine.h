#pragma once
#include "engine/TComponent.h"
#include "engine/TRaySet.h"

class TOmegaImageList;

// Rays that light up at a point when started, brightening from nothing over the first
// fifty updates, and turn there until stopped.
class TGeneralShine : public TComponent {
 public:
  static constexpr int RayCount = 6;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 0, Top = 0;
  float OrigShineWidth = 110, OrigShineHeight = 110;
  float SizeRatio = 1.0f;
  float MinShineAlpha = 70, MaxShineAlpha = 90;

  TGeneralShine();
  void RefreshSizes();
  void Start();
  void Stop() { Running = false; }
  void Reset() { Stop(); }
  void UpdateAndDraw();

  bool Active() const { return Running; }
  float Strength() const { return CurrentStrength; }
  const TRaySet& RaySet() const { return Rays; }

 private:
  TRaySet Rays;
  bool Running = false;
  float CurrentStrength = 0;
};
