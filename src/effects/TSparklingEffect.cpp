#include "effects/TSparklingEffect.h"

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TSparklingEffect::Reset() {
  PosX = -999;
  PosY = -999;
  CurrentAlpha = 0;
  CurrentAngle = 0;
  Rising = true;
}

void TSparklingEffect::MoveToNewPoint() {
  int x = TMotion::RandomGridPoint(AreaLeft, AreaRight, GridStepX);
  x += TGameRandom::Random(JitterX);
  x -= TGameRandom::Random(JitterX);
  int y = TMotion::RandomGridPoint(AreaTop, AreaBottom, GridStepY);
  y += TGameRandom::Random(JitterY);
  y -= TGameRandom::Random(JitterY);
  PosX = static_cast<float>(x);
  PosY = static_cast<float>(y);
}

void TSparklingEffect::UpdateAndDraw() {
  if (!Visible) return;
  TMotion::TurnAngle(1, CurrentAngle, AngleStep);
  if (Rising) {
    if (TMotion::ApproachInt(CurrentAlpha, AlphaInc, 255)) Rising = false;
  } else if (TMotion::ApproachInt(CurrentAlpha, AlphaDec, 0)) {
    MoveToNewPoint();
    Rising = true;
  }
  if (!OmgImgList) return;
  float factor = AlphaFactor < 0 ? 0 : (AlphaFactor > 1 ? 1 : AlphaFactor);
  int a = RoundHalfEven(CurrentAlpha * factor);
  OmgImgList->DrawImage("Sparkling", PosX + OffsetX, PosY + OffsetY, 0,
                        {.A = static_cast<std::uint8_t>(a), .ScaleX = SizeRatio,
                         .ScaleY = SizeRatio, .CenterX = 0.5f, .CenterY = 0.5f,
                         .Angle = CurrentAngle});
}
