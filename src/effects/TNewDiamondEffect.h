#pragma once
#include <functional>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "engine/TRaySet.h"
#include "engine/TValueUpDown.h"

class TOmegaImageList;

// A potion the level still needs: it flies from its tile to the middle of the screen,
// grows there among turning shine rays and then flies on to its slot on the gathering
// panel, where the rays fade out.
class TNewDiamondEffect : public TComponent {
 public:
  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int BoardLeft = 0, BoardTop = 0;
  int StretchingTime = 1800;
  int RootedTime = 4000;
  int ResizeAddition = 11;
  int MaxResizeCount = 169;
  int RootedFlowerSize = 70;
  int ShadowAlpha = 90;
  float MinShineAlpha = 45, MaxShineAlpha = 135;
  float OrigBigFlowerWidth = 169, OrigBigFlowerHeight = 172;
  float OrigFlowerShineWidth = 259, OrigFlowerShineHeight = 259;
  int AcquiredFlowerIdx = 0;

  using TNotify = std::function<void(TNewDiamondEffect& sender)>;
  TNotify OnArrivedToCenter;
  TNotify OnStretchingStarsEffectRequest;
  TNotify OnStretchingFinished;
  TNotify OnFlowerArrivedOnRoot;

  TNewDiamondEffect();
  void RefreshSizes();
  // Index 7 for potion 1, 8 for potion 2; root is the slot's point on the gathering panel.
  void Start(TPoint tile, int index, TPoint root);
  void UpdateAndDraw();
  bool Busy() const { return Phase >= 1 && Phase <= 3; }
  void Stop();
  void Reset() { Stop(); }

  int CurrentPhase() const { return Phase; }
  int Size() const { return CurrentSize; }
  float X() const { return PosX; }
  float Y() const { return PosY; }

 private:
  void Draw();

  int Phase = 0;
  float PosX = 0, PosY = 0, DestX = 0, DestY = 0, SpeedX = 0, SpeedY = 0;
  TPoint Root;
  int CurrentSize = 0;
  int Timer = 0;
  int RootedTimer = 0;
  bool StarsRequested = false;
  TValueUpDown Swing{-9, 9, 0.4f, 0.4f};
  TRaySet Rays;
};
