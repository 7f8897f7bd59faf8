#include "effects/TNewPlopEffect.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
// Where the emitters head, relative to the origin: a rough circle of some 280 pixels.
constexpr float Targets[TNewPlopEffect::EmitterCount][2] = {
    {0, -281},  {153, -240}, {256, -135},  {284, 0},   {256, 138},    {140, 253},
    {0, 286},   {-167, 235}, {-256, 130},  {-284, 0},  {-250, -139},  {-152, -243}};
constexpr float MinStarSize = 0.02f;
constexpr float StarEndAlpha = 3;
}  // namespace

void TNewPlopEffect::Reset() {
  Waiting = false;
  for (TEmitter& e : Emitters) e.Running = false;
  for (TStar& s : Stars) s.Active = false;
  Emitted = 0;
}

void TNewPlopEffect::Plop(float x, float y) {
  Reset();
  OrgX = x + OffsetX;
  OrgY = y + OffsetY;
  if (SoundOn && PlaySound) PlaySound("NewChapter");
  for (int i = 0; i < EmitterCount; ++i) {
    TEmitter& e = Emitters[i];
    e.Running = true;
    e.X = OrgX;
    e.Y = OrgY;
    e.TargetX = OrgX + Targets[i][0];
    e.TargetY = OrgY + Targets[i][1];
    TMotion::StraightLineSpeeds(e.X, e.Y, e.TargetX, e.TargetY, MoveSpeed, e.SpeedX, e.SpeedY);
    e.Updates = 0;
  }
}

void TNewPlopEffect::DelayedPlop(float x, float y) {
  Reset();
  Waiting = true;
  DelayTimer = 0;
  DelayedX = x;
  DelayedY = y;
}

bool TNewPlopEffect::Active() const {
  if (Waiting || LiveStars() > 0) return true;
  return std::any_of(Emitters.begin(), Emitters.end(), [](const TEmitter& e) { return e.Running; });
}

int TNewPlopEffect::LiveStars() const {
  int n = 0;
  for (const TStar& s : Stars) n += s.Active;
  return n;
}

void TNewPlopEffect::EmitStar(float x, float y) {
  auto slot = std::find_if(Stars.begin(), Stars.end(), [](const TStar& s) { return !s.Active; });
  if (slot == Stars.end()) return;
  TStar& s = *slot;
  s.Active = true;
  s.X = x;
  s.Y = y;
  s.Size = StartSize;
  s.Angle = 20.0f * TGameRandom::Random(9);
  s.Alpha = StartAlpha;
  s.R = static_cast<std::uint8_t>(50 + 50 * TGameRandom::Random(5));
  s.G = static_cast<std::uint8_t>(50 + 50 * TGameRandom::Random(5));
  s.B = static_cast<std::uint8_t>(50 + 50 * TGameRandom::Random(5));
  ++Emitted;
}

void TNewPlopEffect::UpdateAndDraw() {
  if (Waiting) {
    if (!TMotion::TimerTick(DelayTimer, DelayTime)) return;
    Plop(DelayedX, DelayedY);
  }
  for (TEmitter& e : Emitters) {
    if (!e.Running) continue;
    bool atX = TMotion::ApproachFloat(e.X, e.TargetX, e.SpeedX);
    bool atY = TMotion::ApproachFloat(e.Y, e.TargetY, e.SpeedY);
    ++e.Updates;
    if (e.Updates >= MinMoveUpdCount) EmitStar(e.X, e.Y);
    if ((atX && atY) || e.Updates >= MaxMoveUpdCount) e.Running = false;
  }
  for (TStar& s : Stars) {
    if (!s.Active) continue;
    s.Size = std::max(MinStarSize, s.Size - SizeStep);
    TMotion::TurnAngle(1, s.Angle, AngleStep);
    s.Alpha -= AlphaStep;
    if (s.Alpha < StarEndAlpha) {
      s.Active = false;
      continue;
    }
    if (!OmgImgList) continue;
    OmgImgList->DrawImage("StarEffect", s.X, s.Y, 0,
                          {.R = s.R, .G = s.G, .B = s.B,
                           .A = static_cast<std::uint8_t>(std::min(255, RoundHalfEven(s.Alpha))),
                           .ScaleX = s.Size, .ScaleY = s.Size, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = s.Angle, .Blend = bmAdditive});
  }
}
