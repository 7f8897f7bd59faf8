#include "effects/TSmallFairies.h"

#include <cmath>

#include "engine/Rounding.h"
#include "engine/TGameRandom.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

namespace {
int R(int n) { return TGameRandom::Random(n); }
float Clamped(float v, float limit) { return v > limit ? limit : (v < -limit ? -limit : v); }
}  // namespace

void TSmallFairies::Reset() {
  for (TFairy& f : Fairies) f.Active = false;
  AddTimer = 0;
}

// A fairy sets off from the left or the right edge, somewhere in the middle band.
void TSmallFairies::StartOne() {
  for (TFairy& f : Fairies) {
    if (f.Active) continue;
    bool fromLeft = R(2) == 0;
    int band = (AreaBottom - AreaTop) / 6;
    f.Size = UseDimension ? MinSize + (MaxSize - MinSize) * 0.1f * R(11) : 1.0f;
    float pace = MoveStepSpeedLimit * (0.35f + 0.05f * R(8)) * (UseDimension ? f.Size : 1.0f);
    f.X = static_cast<float>(fromLeft ? AreaLeft : AreaRight);
    f.Y = static_cast<float>(AreaTop + band + R(4 * band + 1));
    f.SpeedX = fromLeft ? pace : -pace;
    f.SpeedY = 0.1f * (R(7) - 3);
    f.AccelY = 0;
    f.TurnTimer = 0;
    f.TurnInterval = 400 + 100 * R(7);
    f.Variant = R(OneFramePatterns > 0 ? OneFramePatterns : 1);
    f.DustCounter = 0;
    f.Wings.Restart();
    for (int k = R(10); k > 0; --k) f.Wings.Next();
    f.Active = true;
    return;
  }
}

void TSmallFairies::Update(bool draw) {
  if (TMotion::TimerTick(AddTimer, AddingFairyInterval)) {
    AddTimer = 0;
    if (ActiveCount() < VisibleFairiesCount) StartOne();
  }
  for (TFairy& f : Fairies) {
    if (!f.Active) continue;
    // Bobbing: the climb or dive changes at intervals and never gets steep.
    if (TMotion::TimerTick(f.TurnTimer, f.TurnInterval)) {
      f.TurnTimer = 0;
      f.TurnInterval = 400 + 100 * R(7);
      f.AccelY = 0.02f * (R(5) - 2);
    }
    // Fairies keep to the middle band and leave by the sides only.
    int band = (AreaBottom - AreaTop) / 6;
    if (f.Y < AreaTop + band) f.AccelY = 0.03f;
    if (f.Y > AreaBottom - band) f.AccelY = -0.03f;
    f.SpeedY = Clamped(f.SpeedY + f.AccelY, MoveStepSpeedLimit * 0.4f);
    f.X += f.SpeedX;
    f.Y += f.SpeedY;
    if (f.X < AreaLeft || f.X > AreaRight || f.Y < AreaTop || f.Y > AreaBottom) {
      f.Active = false;
      continue;
    }
    int pattern = OneFrameOnly ? f.Variant
                               : f.Wings.Frame() + (f.FacingRight() ? FacingRightPatternAdd : 0);
    f.Wings.Next();
    int x = RoundHalfEven(f.X), y = RoundHalfEven(f.Y);
    if (std::fabs(f.SpeedX) >= MinMoveStepForDust || std::fabs(f.SpeedY) >= MinMoveStepForDust) {
      if (++f.DustCounter >= DustCounterForTrigger) {
        f.DustCounter = 0;
        if (OnDustEffectRequest) OnDustEffectRequest(*this, x, y, f.FacingRight());
      }
    }
    if (!draw || !OmgImgList) continue;
    OmgImgList->DrawImage(ImgName, static_cast<float>(x), static_cast<float>(y), pattern,
                          {.ScaleX = f.Size, .ScaleY = f.Size,
                           .Blend = Additive ? bmAdditive : bmNormal});
  }
}

void TSmallFairies::PreRun(int updates) {
  for (int i = 0; i < updates; ++i) Update(false);
}

int TSmallFairies::ActiveCount() const {
  int n = 0;
  for (const TFairy& f : Fairies) n += f.Active ? 1 : 0;
  return n;
}
