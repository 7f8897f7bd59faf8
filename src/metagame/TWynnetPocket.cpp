#include "metagame/TWynnetPocket.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"
#include "text/TGlobalGameText.h"

namespace {
constexpr int PulseUpdates = 24;
constexpr int IconX[TWynnetPocket::Kinds] = {10, 11, 11, 10, 11};
constexpr int IconY[TWynnetPocket::Kinds] = {56, 99, 142, 184, 224};
constexpr int StarFromX = 1000, StarFromY = 700;
constexpr int LeaveAlphaStep = 17;

int Shift(int value) {
  if (value < 10) return 15;
  if (value < 100) return 11;
  if (value < 1000) return 7;
  if (value <= 9999) return 3;
  return 0;
}
}  // namespace

void TWynnetPocket::Reset() {
  Target = ShownCounts = {};
  Pulse.fill(0);
  NotEnough.fill(false);
  Prices = {};
  Star = ssNone;
  StarX = StarY = -999;
}

void TWynnetPocket::Add(TElementKind kind, float amount) {
  if (kind >= Kinds) return;
  Target[kind] += amount;
  Pulse[kind] = PulseUpdates;
  CheckStar();
}

void TWynnetPocket::SetOwned(const TElementsCount& counts) {
  Target = counts;
  CheckStar();
}

void TWynnetPocket::ShowOwnedNow() { ShownCounts = Target; }

void TWynnetPocket::ShowPriceWarnings(const TElementsCount& price) {
  for (int k = 0; k < Kinds; ++k) NotEnough[k] = Target.Amount[k] < price.Amount[k];
}

void TWynnetPocket::ClearPriceWarnings() { NotEnough.fill(false); }

void TWynnetPocket::SetCurrentPrices(const std::array<TElementsCount, ShopItems>& prices) {
  Prices = prices;
  CheckStar();
}

bool TWynnetPocket::SomethingAffordable() const {
  for (const TElementsCount& price : Prices) {
    bool bought = true, covered = true;
    for (int k = 0; k < Kinds; ++k) {
      bought = bought && price.Amount[k] == 0;
      covered = covered && Target.Amount[k] >= price.Amount[k];
    }
    if (!bought && covered) return true;
  }
  return false;
}

void TWynnetPocket::CheckStar() {
  const bool affordable = SomethingAffordable();
  if (affordable && (Star == ssNone || Star == ssLeaving)) {
    const TPoint place = StarPlace();
    Star = ssFlying;
    StarX = static_cast<float>(place.X + StarFromX);
    StarY = static_cast<float>(place.Y + StarFromY);
    TMotion::StraightLineSpeeds(StarX, StarY, static_cast<float>(place.X),
                                static_cast<float>(place.Y), StarPace, StarSpeedX, StarSpeedY);
    StarScale = StarStartScale;
    StarAngle = 0;
    StarAlpha = 255;
  } else if (!affordable && (Star == ssFlying || Star == ssArrived)) {
    Star = ssLeaving;
  }
}

TPoint TWynnetPocket::StarPosition() const {
  return {RoundHalfEven(StarX), RoundHalfEven(StarY)};
}

void TWynnetPocket::UpdateStar() {
  const TPoint place = StarPlace();
  switch (Star) {
    case ssFlying: {
      const bool x = TMotion::ApproachFloat(StarX, static_cast<float>(place.X), StarSpeedX);
      const bool y = TMotion::ApproachFloat(StarY, static_cast<float>(place.Y), StarSpeedY);
      TMotion::ApproachFloat(StarScale, 1.0f, StarGrowStep);
      TMotion::TurnAngle(1, StarAngle, StarSpin);
      if (OnStarPosUpdate) OnStarPosUpdate(*this, StarPosition());
      if (x && y) {
        Star = ssArrived;
        StarScale = 1;
        StarPulse = 0;
        if (PlaySound) PlaySound("Bonus");
        if (OnStarArrived) OnStarArrived(*this);
      }
      break;
    }
    case ssArrived:
      // At its place, wherever the pocket's panel has slid to since.
      StarX = static_cast<float>(place.X);
      StarY = static_cast<float>(place.Y);
      StarPulse += 0.12f;
      StarScale = 1.0f + 0.08f * std::sin(StarPulse);
      TMotion::TurnAngle(1, StarAngle, 0.6f);
      break;
    case ssLeaving:
      if (TMotion::ApproachInt(StarAlpha, LeaveAlphaStep, 0)) Star = ssNone;
      break;
    case ssNone: break;
  }
}

void TWynnetPocket::Draw() {
  for (int k = 0; k < Kinds; ++k) {
    // Half a piece a frame counts a gathered fruit; a price or a reward of hundreds would
    // take minutes, so a large change settles within about a second.
    const float gap = std::fabs(Target.Amount[k] - ShownCounts.Amount[k]);
    TMotion::ApproachFloat(ShownCounts.Amount[k], Target.Amount[k],
                           std::max(CountStep, gap / SettleFrames));
    if (Pulse[k] > 0) --Pulse[k];
  }
  UpdateStar();
  if (!OmgImgList) return;
  const float left = static_cast<float>(Left), top = static_cast<float>(Top);
  if (ShowPanel) OmgImgList->DrawImage("PocketPanel", left, top, 0);
  for (int k = 0; k < Kinds; ++k) {
    // Swells and settles once over the pulse.
    const float t = Pulse[k] > 0 ? static_cast<float>(Pulse[k]) / PulseUpdates : 0;
    const float pulse = 1.0f + 0.35f * std::sin(t * 3.14159265f);
    OmgImgList->DrawImage("ElementIcons", left + IconX[k], top + IconY[k], k,
                          {.ScaleX = pulse, .ScaleY = pulse, .CenterX = 0.5f, .CenterY = 0.5f});
    const float rowY = top + 73 + k * NumbersGap;
    if (Pulse[k] > 0)
      OmgImgList->DrawImage("ElementHighlight", left + 48, rowY - 16, 0,
                            {.A = static_cast<std::uint8_t>(RoundHalfEven(255 * t)),
                             .Blend = bmAdditive});
    if (GlobGameText) {
      const int value = RoundHalfEven(ShownCounts.Amount[k]);
      GlobGameText->DrawText(left + 51 + Shift(value), rowY, std::to_string(value),
                             {.Scale = 0.65,
                              .Colour = NotEnough[k] ? TGlobalGameText::tcRed
                                                     : TGlobalGameText::tcWhite});
    }
  }
  if (Star != ssNone)
    OmgImgList->DrawImage("ElementsPanelStar", StarX, StarY, 0,
                          {.A = static_cast<std::uint8_t>(StarAlpha), .ScaleX = StarScale,
                           .ScaleY = StarScale, .CenterX = 0.5f, .CenterY = 0.5f,
                           .Angle = StarAngle});
}
