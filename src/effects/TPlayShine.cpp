#include "effects/TPlayShine.h"

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
constexpr float StartStrength = 0.9f;
constexpr float LowStrength = 0.3f;
constexpr float StrengthRise = 0.022f;
constexpr float StrengthFall = 0.0135f;
}  // namespace

TPlayShine::TPlayShine() {
  // The outermost ray stands out well beyond the others.
  std::vector<float> scales;
  for (int i = 1; i < RayCount; ++i) scales.push_back(1.2f + 0.055f * i);
  scales.push_back(2.0f);
  Rays.Setup(RayCount, scales);
}

void TPlayShine::Reset() {
  Phase = spRising;
  CurrentStrength = StartStrength;
  HoldTimer = 0;
}

void TPlayShine::UpdateAndDraw() {
  if (!Visible) return;
  Rays.Update(MinShineAlpha, MaxShineAlpha);
  switch (Phase) {
    case spRising:
      if (TMotion::ApproachFloat(CurrentStrength, 1.0f, StrengthRise)) {
        Phase = spHolding;
        HoldTimer = 0;
      }
      break;
    case spHolding:
      if (TMotion::TimerTick(HoldTimer, FullShineTime)) Phase = spFalling;
      break;
    case spFalling:
      if (TMotion::ApproachFloat(CurrentStrength, LowStrength, StrengthFall)) Phase = spRising;
      break;
  }
  if (OmgImgList)
    Rays.Draw(*OmgImgList, "PlayShine", static_cast<float>(Left), static_cast<float>(Top), 1, 1,
              CurrentStrength);
}
