#include "effects/TGeneralShine.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

namespace {
constexpr float StrengthPerRay = 0.0033f;
}  // namespace

TGeneralShine::TGeneralShine() {
  // Ray sizes in pixels across; the last one reaches well past the rest.
  std::vector<float> sizes;
  for (int i = 1; i < RayCount; ++i) sizes.push_back(110.0f + 5.0f * i);
  sizes.push_back(170.0f);
  Rays.Setup(RayCount, sizes);
}

void TGeneralShine::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("GeneralShine")) OrigShineWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("GeneralShine")) OrigShineHeight = static_cast<float>(h);
}

void TGeneralShine::Start() {
  Running = true;
  CurrentStrength = 0;
}

void TGeneralShine::UpdateAndDraw() {
  if (!Running || !Visible) return;
  Rays.Update(MinShineAlpha, MaxShineAlpha);
  for (const TRaySet::TRay& ray : Rays.Rays()) {
    int a = std::clamp(RoundHalfEven(ray.Alpha * CurrentStrength), 0, 255);
    if (OmgImgList)
      OmgImgList->DrawImage("GeneralShine", static_cast<float>(Left), static_cast<float>(Top), 0,
                            {.A = static_cast<std::uint8_t>(a),
                             .ScaleX = ray.Size / OrigShineWidth * SizeRatio,
                             .ScaleY = ray.Size / OrigShineHeight * SizeRatio, .CenterX = 0.5f,
                             .CenterY = 0.5f, .Angle = ray.Angle, .Blend = bmAdditive});
    CurrentStrength = std::min(1.0f, CurrentStrength + StrengthPerRay);
  }
}
