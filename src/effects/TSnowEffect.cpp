#include "effects/TSnowEffect.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TSnowEffect::Update(int interval) {
  if (++Counter >= interval) {
    Counter = 0;
    for (TFlake& f : Flakes) {
      if (f.Active) continue;
      auto r = TGameRandom::Random;
      f.Active = true;
      f.X = static_cast<float>(70 * r(21) + 3 * r(15) - 2 * r(15));
      f.Y = -40;
      f.SpeedX = 1.65f * (0.2f + 0.1f * r(7) - 0.085f * r(4));
      f.SpeedY = 1.65f * (1.4f + 0.15f * r(9));
      f.Size = 0.45f + 0.06f * r(5);
      f.Alpha = 165 + 9 * r(9);
      break;
    }
  }
  for (TFlake& f : Flakes) {
    if (!f.Active) continue;
    f.X += f.SpeedX;
    f.Y += f.SpeedY;
    if (f.Y > 768) f.Active = false;
  }
}

void TSnowEffect::UpdateAndDraw(int interval, float alphaFactor) {
  if (interval != Interval) {
    // A new rate starts from a sky already full of snow.
    Interval = interval;
    for (TFlake& f : Flakes) f.Active = false;
    Counter = 0;
    for (int i = 0; i < 400; ++i) Update(interval);
  }
  Update(interval);
  for (const TFlake& f : Flakes) {
    if (!f.Active) continue;
    int a = RoundHalfEven(f.Alpha * alphaFactor);
    OmgImgList.DrawImage(
        "Snow", static_cast<float>(RoundHalfEven(f.X)), static_cast<float>(RoundHalfEven(f.Y)), 0,
        {.A = static_cast<std::uint8_t>(a > 255 ? 255 : a), .ScaleX = f.Size, .ScaleY = f.Size});
  }
}

int TSnowEffect::ActiveCount() const {
  int n = 0;
  for (const TFlake& f : Flakes) n += f.Active;
  return n;
}
