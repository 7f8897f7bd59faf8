#include "effects/TShuffleBubbleEffect.h"

#include <algorithm>

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TShuffleBubbleEffect::UpdateAndDraw() {
  if (!Visible) return;
  int x = 0, y = 0;
  if (OnButtonPosRequest) OnButtonPosRequest(*this, x, y);
  Bubbles.BurstTime = BurstTime;
  Bubbles.MinFloatTime = MinFloatTime;
  if (TMotion::TimerTick(Timer, TriggerTime)) {
    Timer = 0;
    if (TGameRandom::Random(std::max(1, OneTriggerEveryProb)) == 0)
      Bubbles.Spawn(AreaLeft, AreaRight, AreaBottom);
  }
  Bubbles.Update(AreaTop);
  if (OmgImgList) Bubbles.Draw(*OmgImgList, "TubeBubble", x, y, BubbleAlpha);
}
