#pragma once
#include "engine/SharedTypes.h"
#include "engine/TAnimData.h"
#include "engine/TComponent.h"

class TOmegaImageList;

// A uni bubble bursting on its tile.
class TUniBubbleEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int BubbleAdjustX = 3, BubbleAdjustY = 3;
  // Kept for the image's tile size; the burst is drawn at scale 1.
  int Width = 40, Height = 40;
  int BubbleMaskIdxAdd = 7;

  TUniBubbleEffect() : Burst("11223344455566677777-", false) {}
  void RefreshSizes();
  void Start(TPoint tile);
  void UpdateAndDraw();
  void Reset() { Started = false; }
  bool Active() const { return Started; }

 private:
  TAnimData Burst;
  bool Started = false;
  int X = 0, Y = 0;
};
