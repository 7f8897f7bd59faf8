#pragma once
#include <array>

#include "engine/TComponent.h"

class TOmegaImageList;

// A few glowing motes drifting over the whole screen.
class TScreenDustEffect : public TComponent {
 public:
  static constexpr int MoteCount = 12;
  struct TMote {
    bool Active = false;
    float X = 0, Y = 0, SpeedX = 0, SpeedY = 0, AccelX = 0, AccelY = 0;
    float Size = 0, SizeStep = 0, Alpha = 0, AlphaStep = 0;
    bool Growing = true, Brightening = true;
    int Kind = 1;
  };

  explicit TScreenDustEffect(TOmegaImageList& images) : OmgImgList(images) {}

  bool IsWindows8OrLater = false;
  int AreaLeft = -10, AreaTop = -10, AreaRight = 1376, AreaBottom = 778;
  float MinSize = 6, MaxSize = 8;
  float StartingAlpha = 20, MinAlpha = 50, MaxAlpha = 180;
  int MaxKind = 3;
  float MoveStepSpeedLimit = 6;
  float DustOrigWidth = 27, DustOrigHeight = 27;

  void RefreshSizes();
  void UpdateAndDraw();
  void Reset();
  const TMote& Mote(int i) const { return Motes[i]; }

 private:
  void StartOne();
  TOmegaImageList& OmgImgList;
  std::array<TMote, MoteCount> Motes;
};
