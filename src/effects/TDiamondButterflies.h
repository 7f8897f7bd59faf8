#pragma once
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Twenty glittering butterflies released at a point, scattering and fading as they fly.
class TDiamondButterflies : public TComponent {
 public:
  static constexpr int ButterflyCount = 20;
  static constexpr int WingFrames = 5;

  struct TButterfly {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
    float Size = 0, SizeStep = 0;
    float Alpha = 0, AlphaStep = 0;
    float Accel = 0;
    int Direction = 0;  // 0 the acceleration falls, 1 it rises
    int Timer = 0, Interval = 0;
    float Angle = 0;
    int Image = 1;
    TAnimData Wings{"1234565432", true};
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  float MaxSize = 0.8f;
  float MaxMoveStep = 4.8f;
  float MinAlpha = 20;

  void Release(int x, int y);
  void UpdateAndDraw();
  void Reset();

  bool Active() const { return ActiveCount() > 0; }
  int ActiveCount() const;
  const TButterfly& Butterfly(int i) const { return Butterflies[i]; }

 private:
  TButterfly Butterflies[ButterflyCount];
};
