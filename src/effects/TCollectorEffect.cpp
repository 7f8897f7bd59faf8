#include "effects/TCollectorEffect.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

int TCollectorEffect::WavePatternFor(int colour) {
  switch (colour) {
    case 1: case 2: case 4: case 11: return 2;
    case 10: case 16: return 3;
    case 8: case 13: return 4;
    case 5: case 6: case 15: return 5;
    case 3: case 9: case 14: return 6;
    default: return 1;
  }
}

void TCollectorEffect::Start(int x, int y, int colour) {
  X = x;
  Y = y;
  Colour = colour;
  BlurScaleValue = 0.5f;
  BlurAlphaValue = 255;
  BlurAngle = 0;
  SpinTimer = 0;
  WavePattern = WavePatternFor(colour);
  int roll = TGameRandom::Random(20);
  float spread = (roll == 8 || roll == 11 || roll == 17) ? 50.0f : 10.0f * (1 + roll);
  for (int i = 1; i <= RingCount; ++i) {
    TRing& r = Rings[i - 1];
    r.Angle = spread * (i - 1);
    r.Scale = 0.3f;
    r.Alpha = 10.0f * i + 45;
  }
  RingGrowth = 0.00075f;
  RingAlphaFactor = 1;
  Phase = cpGrowing;
}

void TCollectorEffect::UpdateAndDraw() {
  if (Phase == cpIdle || !Visible) return;
  switch (Phase) {
    case cpGrowing:
      TMotion::TurnAngle(1, BlurAngle, 20);
      BlurScaleValue += 0.07f;
      if (BlurScaleValue >= 1) Phase = cpSpinning;
      break;
    case cpSpinning:
      TMotion::TurnAngle(1, BlurAngle, 38);
      if (TMotion::TimerTick(SpinTimer, SpinningTime)) Phase = cpFading;
      break;
    case cpFading:
      TMotion::TurnAngle(1, BlurAngle, 25);
      BlurAlphaValue = std::max(0.0f, BlurAlphaValue - 15);
      BlurScaleValue += 0.07f;
      if (BlurScaleValue > 4) Phase = cpIdle;  // this last update is still drawn
      break;
    case cpIdle:
      break;
  }
  for (int i = 1; i <= RingCount; ++i) {
    TRing& r = Rings[i - 1];
    TMotion::TurnAngle(1, r.Angle, 35);
    RingGrowth += 0.00024f;
    r.Scale += RingGrowth;
    if (r.Scale > 1) RingAlphaFactor = std::max(0.0f, RingAlphaFactor - 0.004f);
    r.Alpha -= 2;
    if (r.Alpha < 10) r.Alpha = 0;
    const int h = i <= 2 ? 255 : 6 * i + 55;
    const int l = i <= 6 ? 255 : 3 * i + 55;
    const int m = i <= 10 ? 255 : i + 55;
    int red = h, green = l, blue = m;
    switch (TGameRandom::Random(3)) {
      case 1: red = l; green = m; blue = h; break;
      case 2: red = m; green = l; blue = h; break;
      default: break;
    }
    const float alpha = r.Alpha * RingAlphaFactor;
    if (alpha <= 10 || !OmgImgList) continue;
    OmgImgList->DrawImage("CollectorWave",
                          static_cast<float>(RoundHalfEven(X - 44 - 140.0 * r.Scale)),
                          static_cast<float>(Y - 51), WavePattern - 1,
                          {.R = static_cast<std::uint8_t>(red),
                           .G = static_cast<std::uint8_t>(green),
                           .B = static_cast<std::uint8_t>(blue),
                           .A = static_cast<std::uint8_t>(std::min(255, RoundHalfEven(alpha))),
                           .ScaleX = r.Scale, .ScaleY = r.Scale, .CenterX = 0.5f + 1.4f * r.Scale,
                           .CenterY = 0.5f, .Angle = r.Angle, .Blend = bmAdditive});
  }
  if (BlurAlphaValue > 10 && OmgImgList)
    OmgImgList->DrawImage("CollectorBlur", static_cast<float>(X), static_cast<float>(Y),
                          std::max(0, Colour - 1),
                          {.A = static_cast<std::uint8_t>(RoundHalfEven(BlurAlphaValue)),
                           .ScaleX = BlurScaleValue, .ScaleY = BlurScaleValue, .CenterX = 0.5f,
                           .CenterY = 0.5f, .Angle = BlurAngle});
}
