#include "effects/TSpritePopper.h"

#include "engine/TMotion.h"

namespace {
// Steps of a hundredth add up in single precision short of the limit they aim at.
constexpr float kRatioSlack = 1e-4f;
}  // namespace

void TSpritePopper::Pop(float x, float y) {
  Delaying = false;
  CurrentRatio = MinRatio;
  CurrentAlpha = 255;
  PosX = x;
  PosY = y;
  Phase = 1;
}

void TSpritePopper::DelayedPop(int milliseconds, float x, float y) {
  Phase = 0;
  Delaying = true;
  DelayCounter = 0;
  DelayLimit = milliseconds;
  PosX = x;
  PosY = y;
}

void TSpritePopper::Reset() {
  Phase = 0;
  Delaying = false;
  CurrentRatio = NormalRatio;
  CurrentAlpha = 255;
}

void TSpritePopper::Update() {
  if (Delaying) {
    if (!TMotion::TimerTick(DelayCounter, DelayLimit)) return;
    Pop(PosX, PosY);
    if (OnDelayedPopHappens) OnDelayedPopHappens(*this);
  }
  if (!Running()) return;
  if (FloatType == ftRightAway || (FloatType == ftAfterPop && Phase == 3)) PosY -= FloatStep;
  switch (Phase) {
    case 1:
      CurrentRatio += UpStep;
      if (CurrentRatio >= MaxRatio - kRatioSlack) {
        CurrentRatio = MaxRatio;
        Phase = 2;
      }
      break;
    case 2:
      CurrentRatio -= DownStep;
      if (!(CurrentRatio > NormalRatio + kRatioSlack)) {
        CurrentRatio = NormalRatio;
        Phase = 3;
      }
      break;
    case 3:
      if (TMotion::ApproachInt(CurrentAlpha, FloatAlphaStep, FloatEndAlpha)) Phase = 4;
      break;
  }
}
