#include "metagame/TCompletedStamps.h"

#include <algorithm>

#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

TPoint TCompletedStamps::StampPosition(int island) {
  return island >= 1 && island <= StampCount ? Stamps[island - 1] : TPoint{};
}

void TCompletedStamps::AnimateNewStamp() {
  const int island = LastOpenedIslandIdx - 1;
  if (island < 1 || island > StampCount) return;
  Animated = island;
  StampSize = StartSize;
  StampAngle = StartAngle;
  StampAlpha = StartAlpha;
}

void TCompletedStamps::Clear() { Animated = 0; }

void TCompletedStamps::Draw() {
  if (Animated && !Holding) {
    StampSize -= SizeStep;
    TMotion::TurnAngle(1, StampAngle, AngleStep);
    StampAlpha = std::min(255, StampAlpha + AlphaStep);
    if (StampSize <= 1) {
      Animated = 0;
      if (PlaySound) PlaySound("Combo");
    }
  }
  if (!OmgImgList) return;
  const int last = std::min<int>(LastOpenedIslandIdx - 1, StampCount);
  for (int island = 1; island <= last; ++island) {
    const TPoint p = Stamps[island - 1];
    const float x = static_cast<float>(p.X), y = static_cast<float>(p.Y);
    if (island == Animated && Holding) continue;
    if (island == Animated)
      OmgImgList->DrawImage("CompletedStamp", x, y, 0,
                            {.A = static_cast<std::uint8_t>(StampAlpha), .ScaleX = StampSize,
                             .ScaleY = StampSize, .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = StampAngle});
    else
      OmgImgList->DrawImage("CompletedStamp", x, y, 0);
  }
}
