#include "levels/TAbsorbedEnergy.h"

#include <algorithm>
#include <cmath>

#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "levels/TTubeTimer.h"

namespace {
constexpr float SpinStep = 7;
constexpr float MinSize = 5;

void Tint(TEnergyColor c, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
  switch (c) {
    case ecGreen:
      r = 90, g = 255, b = 110;
      return;
    case ecYellow:
      r = 255, g = 220, b = 60;
      return;
    case ecRed:
      r = 255, g = 70, b = 50;
      return;
  }
}
}  // namespace

TEnergyColor TAbsorbedEnergy::ColorForPercent(int percentLeft) {
  if (percentLeft < 41) return ecRed;
  if (percentLeft < 78) return ecYellow;
  return ecGreen;
}

void TAbsorbedEnergy::Start(int sourceX, int sourceY, int targetX, int targetY) {
  SourceX = sourceX;
  SourceY = sourceY;
  TargetX = targetX;
  TargetY = targetY;
  FEmitting = true;
  EmitTimer = 0;
}

void TAbsorbedEnergy::StartFromTube(const TTubeTimer& tube, TPoint bossPos) {
  int y = tube.Top + tube.EnergyAdjustY + tube.LiquidOffset() + 8;
  // Near empty the surface sits in the tube's rounded foot; the sparks leave above it.
  if (tube.PercentLeft() < 11) y -= 45;
  EnergyColor = ColorForPercent(tube.PercentLeft());
  Start(tube.Left + 68, y, bossPos.X + 210, bossPos.Y + 68);
}

void TAbsorbedEnergy::Reset() {
  for (TParticle& p : Ring) p.Active = false;
  Next = 0;
  FEmitting = false;
  EmitTimer = 0;
}

int TAbsorbedEnergy::ActiveCount() const {
  return static_cast<int>(
      std::count_if(std::begin(Ring), std::end(Ring), [](const TParticle& p) { return p.Active; }));
}

void TAbsorbedEnergy::Emit() {
  TParticle& p = Ring[Next];
  Next = (Next + 1) % RingSize;
  p = TParticle{};
  p.Active = true;
  p.X = static_cast<float>(SourceX);
  p.Y = static_cast<float>(SourceY);
  p.TargetX = static_cast<float>(TargetX);
  p.TargetY = static_cast<float>(TargetY);
  float sx, sy;
  TMotion::StraightLineSpeeds(p.X, p.Y, p.TargetX, p.TargetY, Pace, sx, sy);
  p.SpeedX = p.TargetX < p.X ? -sx : sx;
  p.SpeedY = p.TargetY < p.Y ? -sy : sy;
  p.Pattern = 1 + TGameRandom::Random(5);
  p.Angle = 30.0f * static_cast<float>(TGameRandom::Random(12));
  p.Size = static_cast<float>(60 + 7 * TGameRandom::Random(7));
  const float d = std::hypot(p.TargetX - p.X, p.TargetY - p.Y);
  // The farther the flight, the slower it shrinks: every spark arrives about as small.
  p.SizeStep = d > 0 ? 433.0f / d : 0;
  p.ScaleStep = 0.029f * p.SizeStep;
}

bool TAbsorbedEnergy::Advance(TParticle& p) {
  const bool xThere = std::fabs(p.TargetX - p.X) <= std::fabs(p.SpeedX);
  const bool yThere = std::fabs(p.TargetY - p.Y) <= std::fabs(p.SpeedY);
  if (xThere && yThere) return false;
  p.X += p.SpeedX;
  p.Y += p.SpeedY;
  TMotion::TurnAngle(1, p.Angle, SpinStep);
  p.Size -= p.SizeStep;
  p.Scale += p.ScaleStep;
  return p.Size >= MinSize;
}

void TAbsorbedEnergy::Update() {
  if (FEmitting) {
    Emit();
    if (TMotion::TimerTick(EmitTimer, AbsorbInterval)) FEmitting = false;
  }
  for (TParticle& p : Ring)
    if (p.Active && !Advance(p)) p.Active = false;
}

// Each spark is a soft glow of its size in the energy's colour around a small bright core.
void TAbsorbedEnergy::Draw() {
  if (!Visible || !OmgImgList) return;
  const int glowW = std::max(1, OmgImgList->TileWidthOf("CyanParticle"));
  const int coreW = std::max(1, OmgImgList->TileWidthOf("ScreenDustEffect"));
  std::uint8_t r = 255, g = 255, b = 255;
  Tint(EnergyColor, r, g, b);
  for (const TParticle& p : Ring) {
    if (!p.Active) continue;
    const float gs = p.Size / static_cast<float>(glowW);
    OmgImgList->DrawImage("CyanParticle", p.X - glowW / 2.0f, p.Y - glowW / 2.0f, p.Pattern - 1,
                          {.R = r, .G = g, .B = b, .A = 40, .ScaleX = gs, .ScaleY = gs,
                           .CenterX = 0.5f, .CenterY = 0.5f, .Angle = p.Angle,
                           .Blend = bmAdditive});
    const float cs = p.Scale * 0.6f;
    OmgImgList->DrawImage("ScreenDustEffect", p.X - coreW / 2.0f, p.Y - coreW / 2.0f, 0,
                          {.R = r, .G = g, .B = b, .A = 110, .ScaleX = cs, .ScaleY = cs,
                           .CenterX = 0.5f, .CenterY = 0.5f, .Blend = bmAdditive});
  }
}
