#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// The blaster's spin at its tool: a coloured blur that grows, spins and fades, inside
// twenty turning rings of light.
class TCollectorEffect : public TComponent {
 public:
  static constexpr int RingCount = 20;
  enum TPhase { cpIdle, cpGrowing, cpSpinning, cpFading };

  struct TRing {
    float Angle = 0, Scale = 0, Alpha = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int SpinningTime = 1050;

  // The wave picture (1..6) that suits an element colour.
  static int WavePatternFor(int colour);

  void Start(int x, int y, int colour);
  void UpdateAndDraw();
  void Reset() { Phase = cpIdle; }
  bool Busy() const { return Phase == cpGrowing || Phase == cpSpinning; }
  bool Running() const { return Phase != cpIdle; }

  TPhase CurrentPhase() const { return Phase; }
  float BlurScale() const { return BlurScaleValue; }
  float BlurAlpha() const { return BlurAlphaValue; }
  const TRing& Ring(int i) const { return Rings[i - 1]; }  // 1-based

 private:
  TPhase Phase = cpIdle;
  int X = 0, Y = 0, Colour = 0, WavePattern = 1;
  float BlurScaleValue = 0, BlurAlphaValue = 0, BlurAngle = 0;
  int SpinTimer = 0;
  float RingGrowth = 0, RingAlphaFactor = 1;
  TRing Rings[RingCount];
};
