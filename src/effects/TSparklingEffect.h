#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// One sparkle that turns, flashes up and fades, then flashes again at another point of its
// area, snapped to a grid and jittered a little.
class TSparklingEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  float AngleStep = 7;
  int AlphaInc = 45;
  int AlphaDec = 30;
  float SizeRatio = 1.0f;
  int AreaLeft = 300, AreaTop = 300, AreaRight = 350, AreaBottom = 350;
  int GridStepX = 10, GridStepY = 10;
  // Each new point moves by r(Jitter) - r(Jitter) per axis.
  int JitterX = 6, JitterY = 6;
  int OffsetX = -18, OffsetY = -18;
  // The owner's fade over the sparkle's own; clamped to 0..1.
  float AlphaFactor = 1.0f;

  void UpdateAndDraw();
  // Unseen off-screen again, fading in: the first flash is spent there.
  void Reset();

  float X() const { return PosX; }
  float Y() const { return PosY; }
  int Alpha() const { return CurrentAlpha; }
  float Angle() const { return CurrentAngle; }
  bool FadingIn() const { return Rising; }

 private:
  void MoveToNewPoint();

  float PosX = -999, PosY = -999;
  int CurrentAlpha = 0;
  float CurrentAngle = 0;
  bool Rising = true;
};
