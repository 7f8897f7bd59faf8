#include "effects/TShuffleButtonShine.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

namespace {
constexpr float RaySize = 180;
}  // namespace

TShuffleButtonShine::TShuffleButtonShine() {
  Rays.Setup(RayCount, std::vector<float>(RayCount, RaySize));
}

void TShuffleButtonShine::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("MannaShine")) OrigShineWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("MannaShine")) OrigShineHeight = static_cast<float>(h);
}

void TShuffleButtonShine::Start() {
  FadeAmount = 0;
  Running = true;
}

void TShuffleButtonShine::UpdateAndDraw() {
  if (!Running || !Visible) return;
  FadeAmount += GlobalAlphaDecrement;
  Rays.Update(MinShineAlpha, MaxShineAlpha);
  if (!OmgImgList) return;
  for (const TRaySet::TRay& ray : Rays.Rays()) {
    float alpha = ray.Alpha - FadeAmount;
    if (alpha < MinGlobalAlpha) continue;
    OmgImgList->DrawImage("MannaShine", static_cast<float>(Left), static_cast<float>(Top), 0,
                          {.A = static_cast<std::uint8_t>(std::min(255, RoundHalfEven(alpha))),
                           .ScaleX = ray.Size / OrigShineWidth,
                           .ScaleY = ray.Size / OrigShineHeight, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = ray.Angle, .Blend = bmAdditive});
  }
}
