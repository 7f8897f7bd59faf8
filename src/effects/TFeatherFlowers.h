#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// Feather flowers (dandelion-like seeds) drifting on the breeze over the whole screen,
// turning slowly and fading in where they appear.
class TFeatherFlowers : public TComponent {
 public:
  static constexpr int MaxFlowers = 20;

  struct TFlower {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0;
    float Sway = 0, SwayStep = 0;  // phase of the side-to-side swing, radians
    float Size = 0, SizeStep = 0;
    bool Growing = true;
    float Alpha = 0, TargetAlpha = 0;
    float Angle = 0, AngleStep = 0;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int VisibleFlowersCount = 8;
  float MinSize = 42, MaxSize = 58;  // pixels across
  int MinAlpha = 180, MaxAlpha = 240, StartAlpha = 60;
  float AlphaStep = 2;
  float MoveStepSpeedLimit = 3;
  int AreaLeft = -60, AreaTop = -60, AreaRight = 1426, AreaBottom = 828;
  float OrigFlowerWidth = 48, OrigFlowerHeight = 48;

  void RefreshSizes();
  // Scatters the visible flowers over the area, each fading in.
  void Reset();
  void UpdateAndDraw() { Update(Visible); }
  void PreRun(int updates);

  bool Active() const { return ActiveCount() > 0; }
  int ActiveCount() const;
  const TFlower& Flower(int i) const { return Flowers[i]; }

 private:
  void Update(bool draw);
  void Start(TFlower& f, bool atEdge);
  TFlower Flowers[MaxFlowers];
};
