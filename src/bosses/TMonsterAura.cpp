#include "bosses/TMonsterAura.h"

#include "engine/SharedTypes.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"

namespace {
constexpr float GrowStep = 0.1f, FadingGrowStep = 0.075f;
constexpr int AlphaGrowStep = 12, AlphaFadeStep = 10;
constexpr float FadeInStep = 0.03f, FadeOutStep = 0.04f;
constexpr float RotationStep = 0.45f;
constexpr float WobbleLimit = 0.05f;
// Float steps of 0.1 land a hair short of the peak; this much short counts as there.
constexpr float SizeSlack = 1e-4f;
constexpr int SparkGrid = 13, SparkCells = 20;
}  // namespace

void TMonsterAura::PlaceSpark(TSpark& s) {
  s.X = static_cast<float>(Left + SparksAdjX + SparkGrid * TGameRandom::Random(SparkCells));
  s.Y = static_cast<float>(Top + SparksAdjY + SparkGrid * TGameRandom::Random(SparkCells));
  s.Angle = 30.0f * static_cast<float>(TGameRandom::Random(12)) + 30;
  s.Alpha = 120 + 10 * TGameRandom::Random(11);
  s.Size = 0.5f + 0.15f * static_cast<float>(TGameRandom::Random(5));
  s.Frames.Restart();
  s.Frames.Next();
}

void TMonsterAura::Start() {
  FState = asGrowing;
  FFade = 0;
  FadingIn = true;
  FSize = MinBubbleSizeRatio;
  FAlpha = MinBubbleAlpha;
  // Fresh sparks around the new place, two frames apart so they do not blink in step.
  for (int i = 0; i < SparkCount; ++i) {
    PlaceSpark(Sparks[i]);
    for (int k = 0; k < 2 * i; ++k) Sparks[i].Frames.Next();
  }
}

// The creature ends every attempt's front view with a stop, also when no aura was raised:
// an aura that is off stays off rather than flashing its last place.
void TMonsterAura::Stop() {
  if (FState == asOff) return;
  FState = asFading;
  FadingIn = false;
}

void TMonsterAura::Clear() {
  FState = asOff;
  PeakTimer = 0;
  PeakDelayFired = false;
}

int TMonsterAura::SparkFrame(int i) const {
  TAnimData frames = Sparks[i].Frames;
  return frames.Frame();
}

void TMonsterAura::Update() {
  if (FadingIn)
    TMotion::ApproachFloat(FFade, 1, FadeInStep);
  else
    TMotion::ApproachFloat(FFade, 0, FadeOutStep);

  switch (FState) {
    case asOff:
      return;
    case asGrowing:
      FSize += GrowStep;
      FAlpha = FAlpha + AlphaGrowStep > MaxBubbleAlpha ? MaxBubbleAlpha : FAlpha + AlphaGrowStep;
      if (FSize >= MaxBubbleSizeRatio - SizeSlack) {
        FSize = MaxBubbleSizeRatio;
        FState = asPeak;
        if (OnAuraPeak) OnAuraPeak(*this);
      }
      break;
    case asPeak:
      if (!PeakDelayFired && TMotion::TimerTick(PeakTimer, AuraPeakDelayTime)) {
        PeakDelayFired = true;
        if (OnAuraPeakWithDelay) OnAuraPeakWithDelay(*this);
      }
      break;
    case asFading:
      FSize += FadingGrowStep;
      FAlpha -= AlphaFadeStep;
      if (FAlpha <= MinBubbleAlpha) {
        FAlpha = MinBubbleAlpha;
        FState = asOff;
        return;
      }
      break;
  }

  TMotion::TurnAngle(1, FRotation, RotationStep);
  FWobble += WobbleStep;
  if (FWobble >= WobbleLimit || FWobble <= -WobbleLimit) {
    FWobble = FWobble > 0 ? WobbleLimit : -WobbleLimit;
    WobbleStep = -WobbleStep;
  }
  for (TSpark& s : Sparks) {
    if (s.Frames.AtEnd())
      PlaceSpark(s);
    else
      s.Frames.Next();
  }
}
