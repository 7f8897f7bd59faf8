#include "effects/TFog.h"

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

void TFog::StartOne() {
  for (TBank& b : Banks) {
    if (b.Active) continue;
    b.X = static_cast<float>(1366 + 25 * R(7));
    b.Y = static_cast<float>(TopLimit + 165 * R(3));
    b.Scale = 1.0f + 0.1f * R(6);
    b.Growing = R(2) == 0;
    b.Alpha = 25 + 2 * R(4);
    b.Pattern = 1 + R(3);
    b.DrawX = b.X, b.DrawY = b.Y, b.DrawScale = b.Scale;
    b.Active = true;
    return;
  }
}

void TFog::Update(bool draw) {
  if (Enabled && TMotion::TimerTick(Timer, StartInterval)) {
    Timer = 0;
    StartOne();
  }
  const bool refresh = Updates++ % DrawEvery == 0;
  for (TBank& b : Banks) {
    if (!b.Active) continue;
    b.X -= MoveStep;
    if (b.X < -380) {
      b.Active = false;
      continue;
    }
    if (b.Growing) {
      b.Scale += 0.0035f;
      if (b.Scale > 1.5f) b.Growing = false;
    } else {
      b.Scale -= 0.0025f;
      if (b.Scale < 1.0f) b.Growing = true;
    }
    if (refresh) b.DrawX = b.X, b.DrawY = b.Y, b.DrawScale = b.Scale;
    if (!draw || !OmgImgList) continue;
    int alpha = AlphaAdd + b.Alpha;
    OmgImgList->DrawImage("Fog", b.DrawX, b.DrawY, b.Pattern - 1,
                          {.A = static_cast<std::uint8_t>(alpha > 255 ? 255 : alpha),
                           .ScaleX = b.DrawScale, .ScaleY = b.DrawScale, .CenterX = 0.5f,
                           .CenterY = 0.5f});
  }
}

void TFog::Reset() {
  for (TBank& b : Banks) b.Active = false;
  Timer = 0;
  Updates = 0;
  for (int i = 0; i < 2500; ++i) Update(false);
}

int TFog::ActiveCount() const {
  int n = 0;
  for (const TBank& b : Banks) n += b.Active ? 1 : 0;
  return n;
}
