#include "levels/TWynnetScoring.h"

#include <algorithm>
#include <numbers>

#include "engine/TOmegaImageList.h"

void TWynnetScoring::Start() {
  FActive = true;
  Leaving = false;
}

void TWynnetScoring::Leave() {
  if (FActive) Leaving = true;
}

void TWynnetScoring::Clear() {
  FActive = Leaving = false;
  FAlpha = 0;
  Eyes.Restart();
}

float TWynnetScoring::HandAngle() const {
  // The swing is a turn in radians, scaled down; the screen turns by degrees.
  return static_cast<float>(-0.059 * FSwing.Value * 180 / std::numbers::pi);
}

void TWynnetScoring::Update() {
  if (!FActive) return;
  if (Leaving) {
    FAlpha = std::max(FAlpha - AlphaStep, 0);
    if (FAlpha == 0) {
      FActive = Leaving = false;
      return;
    }
  } else {
    FAlpha = std::min(FAlpha + AlphaStep, 255);
  }
  FSwing.Step();
  const int eyes = Eyes.Frame();
  Eyes.Next();
  if (!OmgImgList) return;
  const auto a = static_cast<std::uint8_t>(FAlpha);
  const float x = static_cast<float>(Left), y = static_cast<float>(Top);
  OmgImgList->DrawImage("CharScoringBody", x, y, 0, {.A = a});
  OmgImgList->DrawImage("CharScoringEyes", x + 160, y + 66, eyes, {.A = a});
  // The arm turns about its elbow, which the sleeve cover hides.
  OmgImgList->DrawImage("CharScoringHand", x + 273, y + 48, 0,
                        {.A = a, .CenterX = 0.5f, .CenterY = 0.92f, .Angle = HandAngle()});
  OmgImgList->DrawImage("CharScoringHandCover", x + 300, y + 269, 0, {.A = a});
}
