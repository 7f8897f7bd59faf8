#pragma once
#include <functional>

#include "effects/TRisingBubbles.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// Bubbles rising from the shuffle button.
class TShuffleBubbleEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int AreaLeft = 0, AreaTop = 0, AreaRight = 63, AreaBottom = 68;
  int TriggerTime = 90;
  int OneTriggerEveryProb = 2;
  int BurstTime = 60;
  int MinFloatTime = 90;
  int BubbleAlpha = 170;

  std::function<void(TShuffleBubbleEffect& sender, int& x, int& y)> OnButtonPosRequest;

  void UpdateAndDraw();
  void Reset() {
    Bubbles.Clear();
    Timer = 0;
  }
  const TRisingBubbles& Pool() const { return Bubbles; }

 private:
  TRisingBubbles Bubbles;
  int Timer = 0;
};
