#pragma once
#include <functional>

#include "effects/TRisingBubbles.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Bubbles rising in the liquid of the tube timer, bursting at its surface.
class TTubeBubbleEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int AreaLeft = 36, AreaTop = 28, AreaRight = 58, AreaBottom = 332;
  int BurstTime = 60;
  int MinFloatTime = 90;
  // One new bubble in this many updates while the tube holds liquid.
  int OneBubbleEveryProb = 4;
  int BubbleAlpha = 150;

  std::function<void(TTubeBubbleEffect& sender, int& x, int& y)> OnTubePosRequest;
  // Liquid top (pixels drained from the top), the tube's full height in pixels, the
  // liquid's offset in the tube picture and the percentage of time left.
  std::function<void(TTubeBubbleEffect& sender, int& liquidTop, int& maxPixelProgress,
                     int& energyAdjustY, int& percentLeft)>
      OnTubeEnergyParamsReq;

  void UpdateAndDraw();
  void Reset() { Bubbles.Clear(); }
  const TRisingBubbles& Pool() const { return Bubbles; }
  // The surface's height inside the area at the last update.
  int SurfaceY() const { return Surface; }

 private:
  TRisingBubbles Bubbles;
  int Surface = 0;
};
