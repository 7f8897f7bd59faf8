#include "effects/TBookButterflies.h"

#include <cmath>

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
constexpr int EdgeMargin = 120;  // closer than this to the area's edge, a butterfly turns in
constexpr float AccelUnit = 0.04f;

float Clamped(float v, float limit) { return v > limit ? limit : (v < -limit ? -limit : v); }
}  // namespace

void TBookButterflies::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("PinkButterfly")) OrigButterflyWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("PinkButterfly"))
    OrigButterflyHeight = static_cast<float>(h);
}

void TBookButterflies::Reset() {
  int pink = VisiblePinkButterflies, blue = VisibleBlueButterflies;
  for (int i = 0; i < MaxButterflies; ++i) {
    TButterfly& b = Butterflies[i];
    b.Active = i < pink + blue;
    if (!b.Active) continue;
    b.Blue = i >= pink;
    b.X = static_cast<float>(AreaLeft + R(AreaRight - AreaLeft + 1));
    b.Y = static_cast<float>(AreaTop + R(AreaBottom - AreaTop + 1));
    b.SpeedX = MoveStepSpeedLimit * 0.1f * (R(11) - 5);
    b.SpeedY = MoveStepSpeedLimit * 0.1f * (R(11) - 5);
    b.Size = MinSizeRatio + (MaxSizeRatio - MinSizeRatio) * 0.1f * R(11);
    b.SizeStep = 0.0008f + 0.0004f * R(4);
    b.Growing = R(2) == 0;
    b.Tint = R(2);
    b.DirTimer = 0;
    b.Wings.Restart();
    for (int k = R(6); k > 0; --k) b.Wings.Next();
    Steer(b);
  }
}

// A new heading now and then; near the edges it always points back inside.
void TBookButterflies::Steer(TButterfly& b) {
  b.DirInterval = DirChangeMinInterval + 50 * R(8);
  b.AccelX = AccelUnit * (R(5) - 2);
  b.AccelY = AccelUnit * (R(5) - 2);
  if (b.X < AreaLeft + EdgeMargin) b.AccelX = AccelUnit * (1 + R(2));
  if (b.X > AreaRight - EdgeMargin) b.AccelX = -AccelUnit * (1 + R(2));
  if (b.Y < AreaTop + EdgeMargin) b.AccelY = AccelUnit * (1 + R(2));
  if (b.Y > AreaBottom - EdgeMargin) b.AccelY = -AccelUnit * (1 + R(2));
}

void TBookButterflies::Update(bool draw) {
  for (TButterfly& b : Butterflies) {
    if (!b.Active) continue;
    if (b.Blue ? !BlueEnabled : !PinkEnabled) continue;
    if (TMotion::TimerTick(b.DirTimer, b.DirInterval)) {
      b.DirTimer = 0;
      Steer(b);
    }
    b.SpeedX = Clamped(b.SpeedX + b.AccelX, MoveStepSpeedLimit);
    b.SpeedY = Clamped(b.SpeedY + b.AccelY, MoveStepSpeedLimit);
    b.X += b.SpeedX;
    b.Y += b.SpeedY;
    // The area is a fence: a butterfly that reaches it bounces back.
    if (b.X < AreaLeft || b.X > AreaRight) {
      b.X = b.X < AreaLeft ? static_cast<float>(AreaLeft) : static_cast<float>(AreaRight);
      b.SpeedX = -b.SpeedX;
      b.AccelX = -b.AccelX;
    }
    if (b.Y < AreaTop || b.Y > AreaBottom) {
      b.Y = b.Y < AreaTop ? static_cast<float>(AreaTop) : static_cast<float>(AreaBottom);
      b.SpeedY = -b.SpeedY;
      b.AccelY = -b.AccelY;
    }
    if (b.Growing) {
      b.Size += b.SizeStep;
      if (b.Size >= MaxSizeRatio) b.Growing = false;
    } else {
      b.Size -= b.SizeStep;
      if (b.Size <= MinSizeRatio) b.Growing = true;
    }
    // The pictures look up; the body turns toward the flight, never faster than 8 degrees.
    if (b.SpeedX != 0 || b.SpeedY != 0) {
      float target = static_cast<float>(std::atan2(b.SpeedY, b.SpeedX) * 180.0 / M_PI) + 90.0f;
      float diff = std::remainder(target - b.Angle, 360.0f);
      b.Angle += Clamped(diff, 8.0f);
    }
    int pattern = b.Wings.Frame() + 4 * b.Tint;
    b.Wings.Next();
    if (!draw || !OmgImgList) continue;
    OmgImgList->DrawImage(b.Blue ? "BlueButterfly" : "PinkButterfly",
                          b.X - OrigButterflyWidth / 2, b.Y - OrigButterflyHeight / 2, pattern,
                          {.ScaleX = b.Size, .ScaleY = b.Size * HeightRatioFactor,
                           .CenterX = 0.5f, .CenterY = 0.5f, .Angle = b.Angle});
  }
}

void TBookButterflies::PreRun(int updates) {
  for (int i = 0; i < updates; ++i) Update(false);
}

int TBookButterflies::ActiveCount() const {
  int n = 0;
  for (const TButterfly& b : Butterflies)
    n += b.Active && (b.Blue ? BlueEnabled : PinkEnabled) ? 1 : 0;
  return n;
}
