#include "engine/TRaySet.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TRaySet::Setup(int count, const std::vector<float>& sizes) {
  RayList.clear();
  for (int i = 1; i <= count; ++i) {
    TRay r{};
    bool odd = i % 2 == 1;
    r.Angle = 10.0f * TGameRandom::Random(20);
    r.TurnSpeed = odd ? -(0.1f + 0.2f * TGameRandom::Random(4)) : 0.5f + 0.4f * TGameRandom::Random(3);
    r.Alpha = 10.0f + TGameRandom::Random(10);
    r.AlphaStep = odd ? 1.0f + TGameRandom::Random(2) : 1.0f + TGameRandom::Random(3);
    r.Rising = TGameRandom::Random(2) == 0;
    r.Size = i - 1 < static_cast<int>(sizes.size()) ? sizes[i - 1] : 1.0f;
    RayList.push_back(r);
  }
}

void TRaySet::Update(float minAlpha, float maxAlpha) {
  for (TRay& r : RayList) {
    r.Angle += r.TurnSpeed;
    while (r.Angle >= 360) r.Angle -= 360;
    while (r.Angle < 0) r.Angle += 360;
    if (r.Rising) {
      r.Alpha += r.AlphaStep;
      if (r.Alpha >= maxAlpha) {
        r.Alpha = maxAlpha;
        r.Rising = false;
      }
    } else {
      r.Alpha -= r.AlphaStep;
      if (r.Alpha <= minAlpha) {
        r.Alpha = minAlpha;
        r.Rising = true;
      }
    }
  }
}

void TRaySet::Draw(TOmegaImageList& images, const std::string& name, float x, float y,
                   float scaleX, float scaleY, float strength) const {
  for (const TRay& r : RayList) {
    int a = RoundHalfEven(r.Alpha * strength);
    if (a < 0) a = 0;
    if (a > 255) a = 255;
    images.DrawImage(name, x, y, 0,
                     {.A = static_cast<std::uint8_t>(a), .ScaleX = r.Size * scaleX,
                      .ScaleY = r.Size * scaleY, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = r.Angle,
                      .Blend = bmAdditive});
  }
}
