#include "effects/TFeatherFlowers.h"

#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
}  // namespace

void TFeatherFlowers::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("FeatherFlower")) OrigFlowerWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("FeatherFlower")) OrigFlowerHeight = static_cast<float>(h);
}

// The breeze blows to the right: a new flower comes in at the left edge (or, at a reset,
// anywhere) and sinks a little as it goes.
void TFeatherFlowers::Start(TFlower& f, bool atEdge) {
  f.X = static_cast<float>(atEdge ? AreaLeft : AreaLeft + R(AreaRight - AreaLeft + 1));
  f.Y = static_cast<float>(AreaTop + R(AreaBottom - AreaTop + 1));
  float limit = MoveStepSpeedLimit;
  f.SpeedX = limit * (0.2f + 0.05f * R(8));
  f.SpeedY = limit * (0.02f + 0.02f * R(4));
  f.Sway = 0.5f * R(13);
  f.SwayStep = 0.02f + 0.005f * R(5);
  f.Size = MinSize + (MaxSize - MinSize) * 0.1f * R(11);
  f.SizeStep = 0.04f + 0.02f * R(4);
  f.Growing = R(2) == 0;
  f.Alpha = static_cast<float>(StartAlpha);
  f.TargetAlpha = static_cast<float>(MinAlpha + R(MaxAlpha - MinAlpha + 1));
  f.Angle = static_cast<float>(10 * R(36));
  f.AngleStep = 0.3f + 0.15f * R(6);
  if (R(2) == 0) f.AngleStep = -f.AngleStep;
  f.Active = true;
}

void TFeatherFlowers::Reset() {
  for (int i = 0; i < MaxFlowers; ++i) {
    Flowers[i].Active = false;
    if (i < VisibleFlowersCount) Start(Flowers[i], false);
  }
}

void TFeatherFlowers::Update(bool draw) {
  for (int i = 0; i < MaxFlowers; ++i) {
    TFlower& f = Flowers[i];
    if (!f.Active) {
      if (i < VisibleFlowersCount) Start(f, true);
      continue;
    }
    if (i >= VisibleFlowersCount) {
      f.Active = false;
      continue;
    }
    f.Sway += f.SwayStep;
    if (f.Sway > 2 * static_cast<float>(M_PI)) f.Sway -= 2 * static_cast<float>(M_PI);
    float dx = f.SpeedX + 0.5f * std::sin(f.Sway);  // never backwards
    float dy = f.SpeedY + 0.35f * std::cos(f.Sway * 0.5f);
    f.X += dx > MoveStepSpeedLimit ? MoveStepSpeedLimit : dx;
    f.Y += dy > MoveStepSpeedLimit ? MoveStepSpeedLimit : dy;
    if (f.X < AreaLeft || f.X > AreaRight || f.Y < AreaTop || f.Y > AreaBottom) Start(f, true);
    if (f.Growing) {
      f.Size += f.SizeStep;
      if (f.Size >= MaxSize) f.Growing = false;
    } else {
      f.Size -= f.SizeStep;
      if (f.Size <= MinSize) f.Growing = true;
    }
    TMotion::ApproachFloat(f.Alpha, f.TargetAlpha, AlphaStep);
    TMotion::TurnAngle(1, f.Angle, f.AngleStep);
    if (!draw || !OmgImgList) continue;
    OmgImgList->DrawImage("FeatherFlower", f.X, f.Y, 0,
                          {.A = static_cast<std::uint8_t>(RoundHalfEven(f.Alpha)),
                           .ScaleX = f.Size / OrigFlowerWidth, .ScaleY = f.Size / OrigFlowerHeight,
                           .CenterX = 0.5f, .CenterY = 0.5f, .Angle = f.Angle});
  }
}

void TFeatherFlowers::PreRun(int updates) {
  for (int i = 0; i < updates; ++i) Update(false);
}

int TFeatherFlowers::ActiveCount() const {
  int n = 0;
  for (const TFlower& f : Flowers) n += f.Active ? 1 : 0;
  return n;
}
