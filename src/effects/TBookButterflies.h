#pragma once
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Pink and blue butterflies wandering over the sticker book (and the island pictures).
class TBookButterflies : public TComponent {
 public:
  static constexpr int MaxButterflies = 16;

  struct TButterfly {
    bool Active = false;
    bool Blue = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0, AccelX = 0, AccelY = 0;
    int DirTimer = 0, DirInterval = 0;
    float Size = 0, SizeStep = 0;
    bool Growing = true;
    int Tint = 0;  // the row of the picture
    float Angle = 0;
    TAnimData Wings{"123432", true};
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int VisiblePinkButterflies = 6, VisibleBlueButterflies = 4;
  bool PinkEnabled = true, BlueEnabled = true;
  int DirChangeMinInterval = 350;
  float MoveStepSpeedLimit = 3;
  float MinSizeRatio = 0.35f, MaxSizeRatio = 0.5f;
  // How much of its height a butterfly keeps: the book is seen at a slant.
  float HeightRatioFactor = 0.6f;
  int AreaLeft = -45, AreaTop = -45, AreaRight = 1376, AreaBottom = 778;
  // A butterfly's position is the middle of its body; the picture is placed around it.
  float OrigButterflyWidth = 96, OrigButterflyHeight = 96;

  void RefreshSizes();

  // Scatters the visible butterflies over the area.
  void Reset();
  void UpdateAndDraw() { Update(Visible); }
  void PreRun(int updates);

  bool Active() const { return ActiveCount() > 0; }
  int ActiveCount() const;
  const TButterfly& Butterfly(int i) const { return Butterflies[i]; }

 private:
  void Update(bool draw);
  void Steer(TButterfly& b);
  TButterfly Butterflies[MaxButterflies];
};
