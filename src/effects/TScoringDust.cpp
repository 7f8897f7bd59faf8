#include "effects/TScoringDust.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int Random(int n) { return TGameRandom::Random(n); }
}  // namespace

void TScoringDust::Reset() {
  for (TSpeck& s : Specks) s.Active = false;
}

int TScoringDust::LiveCount() const {
  int n = 0;
  for (const TSpeck& s : Specks) n += s.Active;
  return n;
}

void TScoringDust::Emit(float x, float y) {
  auto slot = std::find_if(Specks.begin(), Specks.end(), [](const TSpeck& s) { return !s.Active; });
  if (slot == Specks.end()) return;
  TSpeck& s = *slot;
  s.Active = true;
  s.X = x;
  s.Y = y;
  s.SpeedX = 0.08f * Random(5);
  s.SpeedX -= 0.07f * Random(5);
  // A speck must drift one way or the other.
  if (s.SpeedX == 0) s.SpeedX = Random(2) == 0 ? 0.04f : -0.04f;
  s.AccelX = 0.0025f * Random(3) - 0.0038f;
  s.SpeedY = 0.15f * (1 + Random(9));
  s.Fall = 0.00023f + 0.00015f * Random(4);
  s.Alpha = 100.0f + 10.0f * Random(11);
  s.AlphaStep = 0.1f + 0.01f * Random(3);
  s.Size = 0.4f + 0.04f * Random(6);
  s.SizeStep = 0.001f + 0.00038f * Random(5);
  s.Angle = 10.0f * Random(20);
  s.AngleStep = 2.0f + 1.2f * Random(7);
  // Yellow, a greener yellow or an orange yellow.
  static constexpr std::uint8_t Tints[3][2] = {{255, 255}, {225, 255}, {255, 225}};
  const int tint = Random(3);
  s.R = Tints[tint][0];
  s.G = Tints[tint][1];
  s.B = 0;
}

void TScoringDust::UpdateAndDraw() {
  const float sign = ReverseFall ? -1.0f : 1.0f;
  for (TSpeck& s : Specks) {
    if (!s.Active) continue;
    s.X += s.SpeedX;
    s.Y += sign * s.SpeedY;
    if (s.Y < 0 || s.Y > 768 || s.Alpha - s.AlphaStep < 0 || s.Size - s.SizeStep < 0) {
      s.Active = false;
      continue;
    }
    s.Alpha -= s.AlphaStep;
    s.Size -= s.SizeStep;
    s.Fall += sign * GravityAccel;
    TMotion::TurnAngle(1, s.Angle, s.AngleStep);
    s.SpeedX += s.AccelX;
    s.SpeedY += sign * s.Fall;
    if (!OmgImgList) continue;
    int a = std::clamp(RoundHalfEven(s.Alpha * AlphaRatio), 0, 255);
    OmgImgList->DrawImage("ScoringDust", s.X, s.Y, 0,
                          {.R = s.R, .G = s.G, .B = s.B, .A = static_cast<std::uint8_t>(a),
                           .ScaleX = s.Size, .ScaleY = s.Size, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = s.Angle, .Blend = bmAdditive});
  }
}
