#include "levels/TPigeonScoring.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TPigeonScoring::Start() {
  FFlying = true;
  FX = StartX, FY = StartY;
  FSpeedX = StartSpeedX, FSpeedY = StartSpeedY;
  AccelX = AccelY = 0;
  FScale = 1;
  FTurning = false;
  Updates = 0;
}

void TPigeonScoring::Clear() { FFlying = false; }

double TPigeonScoring::Angle() const { return 23 + std::clamp(1.4 * FSpeedX + 2, -55.0, 55.0); }

void TPigeonScoring::Update() {
  if (!FFlying || !Visible) return;
  ++Updates;
  FX += FSpeedX;
  FY += FSpeedY;
  if (!FTurning) {
    AccelX += 0.15;
    if (FSpeedX > 0.17) FTurning = true;
  } else {
    AccelX -= AccelX > 0 ? 0.85 : 0.255;
  }
  AccelY += 0.014;
  FSpeedX += AccelX;
  FSpeedY = std::min(FSpeedY + AccelY, -9.0);  // it always climbs
  FScale = std::max(FScale - 0.014, 0.8);
  if (FX < OffScreen || FY < OffScreen) {
    FFlying = false;
    return;
  }
  const int x = RoundHalfEven(FX), y = RoundHalfEven(FY);
  if (OmgImgList) {
    const float s = static_cast<float>(1.25 * FScale);
    OmgImgList->DrawImage("Birdie", static_cast<float>(x), static_cast<float>(y), 0,
                          {.ScaleX = s, .ScaleY = s, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = static_cast<float>(Angle())});
  }
  if (OnPosUpdate) OnPosUpdate(*this, x, y);
  if (OnSparkleRequest)
    for (int i = x < 600 ? 3 : 2; i > 0; --i)
      OnSparkleRequest(*this, x + 18 + TGameRandom::Random(31), y + 65 + TGameRandom::Random(31));
}
