#include "effects/TDiamondButterflies.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }

// A release that would leave a butterfly hovering in place gives it a small push instead.
float Nudged(float speed) { return speed >= -0.384f && speed <= 0.384f ? 0.448f : speed; }

// Grows the magnitude of a speed by step, keeping its sign, within the limit.
float Boosted(float speed, float step, float limit) {
  speed += speed < 0 ? -step : step;
  if (speed > limit) speed = limit;
  if (speed < -limit) speed = -limit;
  return speed;
}

// Kept as strings: names this long would otherwise be built anew for every draw.
const std::string kImages[3] = {"DiamondButterfly1", "DiamondButterfly2", "DiamondButterfly3"};
}  // namespace

void TDiamondButterflies::Release(int x, int y) {
  TGameRandom::Randomize();
  for (TButterfly& b : Butterflies) {
    b.X = static_cast<float>(x + 3 * R(10) - 3 * R(10));
    b.Y = static_cast<float>(y + 3 * R(10) - 3 * R(10));
    b.SpeedX = Nudged(0.3f * R(20) - 0.3f * R(15));
    b.SpeedY = Nudged(0.3f * R(15) - 0.3f * R(20));
    b.Size = 0.3f;
    b.SizeStep = 0.005f + 0.001f * R(8);
    b.Alpha = 225;
    b.AlphaStep = 0.8f + 0.12f * R(10);
    b.Accel = 0.013f + 0.0013f * R(9);
    b.Direction = R(2);
    b.Timer = 0;
    b.Interval = 200 + 100 * R(5);
    b.Wings.Restart();
    for (int k = R(10); k > 0; --k) b.Wings.Next();
    b.Image = 1 + R(3);
    b.Angle = 0;
    b.Active = true;
  }
}

void TDiamondButterflies::UpdateAndDraw() {
  if (!Visible) return;
  for (TButterfly& b : Butterflies) {
    if (!b.Active) continue;
    if (TMotion::TimerTick(b.Timer, b.Interval)) {
      b.Timer = 0;
      b.Direction = R(2);
      b.Accel = 0.013f + 0.0038f * R(9);
      b.Interval = 1000 + 200 * R(6);
    }
    float change = 0.0013f * R(3);
    b.Accel += b.Direction == 1 ? change : -change;
    b.SpeedX = Boosted(b.SpeedX, b.Accel, MaxMoveStep);
    b.SpeedY = Boosted(b.SpeedY, b.Accel, MaxMoveStep);
    b.X += b.SpeedX;
    b.Y += b.SpeedY;
    b.Size += b.SizeStep;
    if (b.Size > MaxSize) b.Size = MaxSize;
    // The body faces the flight: the pictures look up, hence the quarter turn.
    b.Angle = static_cast<float>(std::atan2(b.SpeedY, b.SpeedX) * 180.0 / M_PI) + 90.0f;
    b.Alpha -= b.AlphaStep;
    if (b.Alpha < MinAlpha) {
      b.Active = false;
      continue;
    }
    // The strips hold five frames; the wing beat's sixth shows the last of them.
    int pattern = std::min(b.Wings.Frame(), WingFrames - 1);
    b.Wings.Next();
    if (!OmgImgList) continue;
    OmgImgList->DrawImage(kImages[b.Image - 1], b.X, b.Y, pattern,
                          {.A = static_cast<std::uint8_t>(b.Alpha > 255 ? 255 : b.Alpha),
                           .ScaleX = b.Size, .ScaleY = b.Size, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = b.Angle, .Blend = bmAdditive});
  }
}

void TDiamondButterflies::Reset() {
  for (TButterfly& b : Butterflies) b.Active = false;
}

int TDiamondButterflies::ActiveCount() const {
  int n = 0;
  for (const TButterfly& b : Butterflies) n += b.Active ? 1 : 0;
  return n;
}
