#include "effects/TTubeBubbleEffect.h"

#include <algorithm>

#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TTubeBubbleEffect::UpdateAndDraw() {
  if (!Visible) return;
  int x = 0, y = 0;
  if (OnTubePosRequest) OnTubePosRequest(*this, x, y);
  int liquidTop = 0, maxProgress = AreaBottom - AreaTop, adjustY = AreaTop, percentLeft = 100;
  if (OnTubeEnergyParamsReq) OnTubeEnergyParamsReq(*this, liquidTop, maxProgress, adjustY, percentLeft);
  Surface = std::clamp(adjustY + liquidTop, AreaTop, AreaBottom);
  Bubbles.BurstTime = BurstTime;
  Bubbles.MinFloatTime = MinFloatTime;
  const bool liquid = percentLeft > 0 && liquidTop < maxProgress && AreaBottom - Surface > 10;
  if (liquid && TGameRandom::Random(std::max(1, OneBubbleEveryProb)) == 0)
    Bubbles.Spawn(AreaLeft, AreaRight, AreaBottom);
  Bubbles.Update(Surface);
  if (!OmgImgList) return;
  if (liquid)
    OmgImgList->DrawImage("TubeTimerSurface", static_cast<float>(x + AreaLeft),
                          static_cast<float>(y + Surface - 4), 0);
  Bubbles.Draw(*OmgImgList, "TubeBubble", x, y, BubbleAlpha);
}
