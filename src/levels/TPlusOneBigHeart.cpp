#include "levels/TPlusOneBigHeart.h"

#include <algorithm>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TPlusOneBigHeart::Start(int delayMs) {
  Clear();
  Delay = std::max(delayMs, 0);
  FPhase = TPhase::Waiting;
}

void TPlusOneBigHeart::Clear() {
  FPhase = TPhase::Off;
  Timer = 0;
  FShineOn = false;
}

void TPlusOneBigHeart::Step() {
  switch (FPhase) {
    case TPhase::Off:
      return;
    case TPhase::Waiting:
      // The first frame shows it at its starting size, delayed or not.
      if (Delay == 0 || TMotion::TimerTick(Timer, Delay)) {
        FPhase = TPhase::Landing;
        FAlpha = StartAlpha;
        FSize = StartSize;
        Timer = 0;
      }
      return;
    case TPhase::Landing:
      FAlpha = std::min(FAlpha + StartAlphaStep, AttachedAlpha);
      FSize -= StartSizeStep;
      if (FSize <= AttachedSize) {
        FSize = AttachedSize;
        FPhase = TPhase::Attached;
        Timer = 0;
        FShineOn = true;
        FShineAlpha = ShineStartAlpha;
        FShineSize = ShineStartSize;
        if (PlaySound) PlaySound("Stamper");
        if (OnAttached) OnAttached(*this);
      }
      return;
    case TPhase::Attached:
      FAlpha = std::min(FAlpha + StartAlphaStep, AttachedAlpha);
      if (AttachedTime != 0 && TMotion::TimerTick(Timer, AttachedTime)) FPhase = TPhase::Leaving;
      return;
    case TPhase::Leaving:
      FAlpha = std::max(FAlpha - EndAlphaStep, EndAlpha);
      FSize += EndSizeStep;
      if (FAlpha <= EndAlpha) FPhase = TPhase::Off;
      return;
  }
}

void TPlusOneBigHeart::DrawFrame(int pattern, int alpha, double size, TBlendMode blend) {
  if (!OmgImgList) return;
  const float w = static_cast<float>(OmgImgList->TileWidthOf(PlusOneBigHeartImg));
  const float h = static_cast<float>(OmgImgList->TileHeightOf(PlusOneBigHeartImg));
  const float s = static_cast<float>(size);
  OmgImgList->DrawImage(PlusOneBigHeartImg, Left - w / 2, Top - h / 2, pattern,
                        {.A = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255)), .ScaleX = s,
                         .ScaleY = s, .CenterX = 0.5f, .CenterY = 0.5f, .Blend = blend});
}

void TPlusOneBigHeart::Update() {
  Step();
  if (FPhase == TPhase::Landing || FPhase == TPhase::Attached || FPhase == TPhase::Leaving)
    DrawFrame(MainFrameIdx, FAlpha, FSize, bmNormal);
  if (FShineOn) {
    DrawFrame(ShineFrameIdx, FShineAlpha, FShineSize, bmAdditive);
    FShineAlpha -= ShineAlphaStep;
    FShineSize += ShineSizeStep;
    if (FShineAlpha <= ShineEndAlpha) FShineOn = false;
  }
}
