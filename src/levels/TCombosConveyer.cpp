#include "levels/TCombosConveyer.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"
#include "levels/TCombos.h"

namespace {
void Approach(double& v, double target, double step) {
  if (v < target)
    v = std::min(v + step, target);
  else if (v > target)
    v = std::max(v - step, target);
}
}  // namespace

void TCombosConveyer::Launch(std::uint8_t matchCount, TPoint from) {
  for (TItem& it : Items) {
    if (it.Active) continue;
    it = TItem{};
    it.Active = true;
    it.MatchCount = matchCount;
    it.X = from.X;
    it.Y = from.Y;
    const double dx = std::fabs(TargetX - it.X), dy = std::fabs(TargetY - it.Y);
    const double longer = std::max(dx, dy);
    if (longer > 0) {
      it.SpeedX = StartPace * dx / longer;
      it.SpeedY = StartPace * dy / longer;
    }
    return;
  }
  if (OnAComboArrives) OnAComboArrives(*this, matchCount);
}

void TCombosConveyer::Clear() {
  for (TItem& it : Items) it.Active = false;
}

int TCombosConveyer::ActiveCount() const {
  return static_cast<int>(
      std::count_if(Items.begin(), Items.end(), [](const TItem& it) { return it.Active; }));
}

void TCombosConveyer::Update() {
  if (!Visible) return;
  for (TItem& it : Items) {
    if (!it.Active) continue;
    if (!it.Arrived) {
      Approach(it.X, TargetX, it.SpeedX);
      Approach(it.Y, TargetY, it.SpeedY);
      it.SpeedX *= SpeedGrowth;
      it.SpeedY *= SpeedGrowth;
      it.Scale = std::max(MinScale, it.Scale - ShrinkStep);
      it.Angle = std::fmod(it.Angle + SpinStep, 360.0);
      if (it.X == TargetX && it.Y == TargetY) {
        it.Arrived = true;
        if (OnAComboArrives) OnAComboArrives(*this, it.MatchCount);
      }
    } else {
      it.Scale += GrowStep;
      it.Alpha -= FadeStep;
      if (it.Alpha <= 0) {
        it.Active = false;
        continue;
      }
    }
    if (OmgImgList) {
      const float s = static_cast<float>(it.Scale);
      OmgImgList->DrawImage("ComboText",
                            static_cast<float>(RoundHalfEven(it.X) + TCombos::TextOffsetX),
                            static_cast<float>(RoundHalfEven(it.Y) + TCombos::TextOffsetY),
                            std::clamp(it.MatchCount - 4, 0, 3),
                            {.A = static_cast<std::uint8_t>(it.Alpha), .ScaleX = s, .ScaleY = s,
                             .CenterX = 0.5f, .CenterY = 0.5f,
                             .Angle = static_cast<float>(it.Angle)});
    }
  }
}
