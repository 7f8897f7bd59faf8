#pragma once
#include "engine/TComponent.h"
#include "engine/TRaySet.h"

class TOmegaImageList;

// A shine over the shuffle button that lights up when a tool becomes usable and fades away.
class TShuffleButtonShine : public TComponent {
 public:
  static constexpr int RayCount = 6;

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int Left = 0, Top = 0;
  float OrigShineWidth = 110, OrigShineHeight = 110;
  float MinShineAlpha = 70, MaxShineAlpha = 90;
  float GlobalAlphaDecrement = 0.3f;
  float MinGlobalAlpha = 6;

  TShuffleButtonShine();
  void RefreshSizes();
  void Start();
  void Stop() { Running = false; }
  void Reset() { Stop(); }
  void UpdateAndDraw();

  bool Active() const { return Running; }
  float Fade() const { return FadeAmount; }

 private:
  TRaySet Rays;
  bool Running = false;
  float FadeAmount = 0;
};
