#include "effects/TConfettiFireworks.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
constexpr float RocketPace = 14;
constexpr float ConfettiPace = 23;
constexpr float MinConfettiSize = 0.1f;
constexpr float ConfettiSizeStep = 0.1f;
constexpr float FallGrowth = 0.3f;

int Random(int n) { return TGameRandom::Random(n); }
float Fraction() { return static_cast<float>(TGameRandom::RandomFraction()); }

std::uint8_t Alpha8(float alpha) {
  int a = RoundHalfEven(alpha);
  return static_cast<std::uint8_t>(a < 0 ? 0 : (a > 255 ? 255 : a));
}
}  // namespace

void TConfettiFireworks::Launch(float x, float y) {
  for (TSpark& s : Sparks) s.Active = false;
  X = x;
  Y = y;
  TMotion::StraightLineSpeeds(X, Y, BurstX, BurstY, RocketPace, SpeedX, SpeedY);
  CurrentPhase = fpRising;
  if (PlaySound) PlaySound("Fireworks");
  TGameRandom::Randomize();
}

void TConfettiFireworks::Reset() {
  CurrentPhase = fpIdle;
  for (TSpark& s : Sparks) s.Active = false;
  for (TConfetti& c : Confetti) c.Active = false;
  Timer = 0;
}

bool TConfettiFireworks::Active() const {
  return CurrentPhase == fpRising || CurrentPhase == fpBursting || LiveSparks() > 0 ||
         LiveConfetti() > 0;
}

int TConfettiFireworks::LiveSparks() const {
  int n = 0;
  for (const TSpark& s : Sparks) n += s.Active;
  return n;
}

int TConfettiFireworks::LiveConfetti() const {
  int n = 0;
  for (const TConfetti& c : Confetti) n += c.Active;
  return n;
}

int TConfettiFireworks::PatternOf(const TConfetti& piece) const {
  return (piece.Kind - 1) * MaxConfettiKind + (piece.Color - 1) * MaxConfettiColor;
}

void TConfettiFireworks::EmitSpark() {
  for (TSpark& s : Sparks) {
    if (s.Active) continue;
    s.Active = true;
    float dx = Fraction() - Fraction();
    float dy = Fraction() - Fraction();
    s.X = X + dx;
    s.Y = Y + dy;
    s.Alpha = 255;
    s.Size = 0.83f;
    s.Angle = 0;
    return;
  }
}

void TConfettiFireworks::EmitConfetti() {
  for (TConfetti& c : Confetti) {
    if (c.Active) continue;
    c.Active = true;
    int jx = Random(19);
    jx -= Random(19);
    int jy = Random(19);
    jy -= Random(19);
    c.X = X + jx;
    c.Y = Y + jy;
    // Spread over a wide fan around the burst, most of it above and to the sides.
    int spreadX = 17 * Random(90);
    spreadX += Random(50);
    spreadX -= Random(50);
    int spreadY = 13 * Random(70);
    spreadY += Random(40);
    spreadY -= Random(40);
    c.DestX = X - 775 + spreadX;
    c.DestY = Y - 450 + spreadY;
    TMotion::StraightLineSpeeds(c.X, c.Y, c.DestX, c.DestY, ConfettiPace, c.SpeedX, c.SpeedY);
    c.SpeedX *= 0.7f + 0.1f * Random(8);
    c.SpeedY *= 0.7f + 0.1f * Random(8);
    c.Alpha = 100;
    c.Angle = 10.0f * Random(10);
    c.Size = 0.15f;
    c.Growing = true;
    c.Kind = 1 + Random(MaxConfettiKind);
    c.Color = 1 + Random(MaxConfettiColor);
    c.FallSpeed = Fraction();
    c.FallLimit = 1.9f + 0.32f * Random(10);
    c.Arrived = false;
    return;
  }
}

void TConfettiFireworks::UpdateSparks() {
  for (TSpark& s : Sparks) {
    if (!s.Active) continue;
    s.Alpha -= 7 + Random(5);
    if (s.Alpha < 15) s.Active = false;
    s.Size -= 0.013f + 0.003f * Random(5);
    if (s.Size < 0.14f) s.Active = false;
    TMotion::TurnAngle(1, s.Angle, static_cast<float>(12 + Random(8)));
    s.Y += Fraction();
    if (!s.Active || !OmgImgList) continue;
    OmgImgList->DrawImage("Firework", static_cast<float>(RoundHalfEven(s.X)),
                          static_cast<float>(RoundHalfEven(s.Y)), 0,
                          {.A = Alpha8(s.Alpha), .ScaleX = s.Size, .ScaleY = s.Size,
                           .CenterX = 0.45f, .CenterY = 0.45f, .Angle = s.Angle,
                           .Blend = bmAdditive});
  }
}

void TConfettiFireworks::UpdateConfetti() {
  for (TConfetti& c : Confetti) {
    if (!c.Active) continue;
    if (!c.Arrived) {
      c.Alpha += 10 + Random(5);
      if (c.Alpha > MaxConfettiAlpha) c.Alpha = MaxConfettiAlpha;
      TMotion::ApproachFloat(c.X, c.DestX, c.SpeedX);
      if (TMotion::ApproachFloat(c.Y, c.DestY, c.SpeedY)) c.Arrived = true;
    }
    // The piece flutters: it narrows to an edge and opens again, showing a new colour.
    if (c.Growing) {
      c.Size += ConfettiSizeStep;
      if (c.Size >= MaxConfettiSizeRatio) {
        c.Size = MaxConfettiSizeRatio;
        c.Growing = false;
      }
    } else {
      c.Size -= ConfettiSizeStep;
      if (c.Size <= MinConfettiSize) {
        c.Size = MinConfettiSize;
        c.Growing = true;
        c.Color = 1 + Random(MaxConfettiColor);
      }
    }
    c.FallSpeed += FallGrowth;
    if (c.FallSpeed > c.FallLimit) c.FallSpeed = c.FallLimit;
    c.Y += c.FallSpeed;
    if (c.Y > 768) {
      c.Active = false;
      continue;
    }
    TMotion::TurnAngle(1, c.Angle, static_cast<float>(6 + Random(8)));
    if (!OmgImgList) continue;
    // Past the picture's six patterns the last one is drawn. Paper is laid over the picture,
    // not added to it: added to a bright sky every colour comes out white.
    OmgImgList->DrawImage("Confetti", c.X, c.Y, std::min(PatternOf(c), 5),
                          {.A = Alpha8(c.Alpha), .ScaleX = MaxConfettiSizeRatio, .ScaleY = c.Size,
                           .CenterX = 0.5f, .CenterY = 0.5f, .Angle = c.Angle});
  }
}

void TConfettiFireworks::UpdateAndDraw() {
  if (CurrentPhase == fpIdle) return;
  bool arrivedX = TMotion::ApproachFloat(X, BurstX, SpeedX);
  bool arrivedY = TMotion::ApproachFloat(Y, BurstY, SpeedY);
  switch (CurrentPhase) {
    case fpRising:
      if (!(arrivedX && arrivedY)) {
        EmitSpark();
      } else {
        CurrentPhase = fpBursting;
        Timer = 0;
      }
      break;
    case fpBursting:
      for (int i = 0; i < ConfettiCount; ++i) EmitConfetti();
      CurrentPhase = fpFalling;
      break;
    default:
      break;
  }
  UpdateSparks();
  UpdateConfetti();
  if (TMotion::TimerTick(Timer, TimeToSyncExplodeParticlesToDest))
    for (TConfetti& c : Confetti) c.Arrived = true;
}
