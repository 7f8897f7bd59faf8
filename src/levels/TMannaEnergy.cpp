#include "levels/TMannaEnergy.h"

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

namespace {
// The factors are single precision: 0.15 of 200 is 30.0000012, which a gauge rising a whole
// unit at a time would pass only at 31. The products are meant as the round figures.
constexpr double Tolerance = 1e-4;
}  // namespace

TMannaEnergy::TMannaEnergy() {
  Waves[0] = TAnimData("1111222233334444555566665555444433332222", true);
  Waves[1] = TAnimData("11111111122223333344444555556666555554444333332222", true);
  Waves[2] = Waves[0];
}

void TMannaEnergy::ReadImageSizes() {
  if (!OmgImgList) return;
  int w = OmgImgList->TileWidthOf("MannaEnergyLiquid"), h = OmgImgList->TileHeightOf("MannaEnergyLiquid");
  if (w > 0 && h > 0) {
    EnergyWidth = w;
    EnergyHeight = h;
    MaxPixelProgress = h;
  }
  int ww = OmgImgList->TileWidthOf("MannaEnergyWave"), wh = OmgImgList->TileHeightOf("MannaEnergyWave");
  if (ww > 0 && wh > 0) {
    OrigWaveWidth = ww;
    OrigWaveHeight = wh;
  }
}

void TMannaEnergy::SetFruitsCounter(int value) {
  FruitsCounter = std::clamp(value, 0, std::max(FullRequiredFruits, 0));
}

void TMannaEnergy::AddOne() { SetFruitsCounter(FruitsCounter + 1); }

double TMannaEnergy::Threshold(int n) const {
  if (n < 1 || n > FactorCount) return 0;
  double t = FullRequiredFruits * static_cast<double>(ReqEnergyFactor[n]);
  return std::round(t / Tolerance) * Tolerance;
}

void TMannaEnergy::Spend(TNewToolKind tool) {
  if (tool < tlHammer || tool > tlBigBomb) return;
  // The tool kinds are numbered like the thresholds that unlock them.
  SetFruitsCounter(RoundHalfEven(FruitsCounter - Threshold(tool)));
}

void TMannaEnergy::AddAndShow(int amount) {
  SetFruitsCounter(FruitsCounter + amount);
  Shown = FruitsCounter;
  JumpedTo = true;
}

void TMannaEnergy::Reset() {
  FruitsCounter = 0;
  Shown = 0;
  std::fill(std::begin(ReachedFlags), std::end(ReachedFlags), false);
  FullFlag = false;
  JumpedTo = false;
}

bool TMannaEnergy::IsFull() const { return Shown >= FullRequiredFruits; }

void TMannaEnergy::ReportRising() {
  if (Shown == FullRequiredFruits && !FullFlag) {
    FullFlag = true;
    if (OnFull) OnFull(*this);
  }
  for (int n = 1; n <= FactorCount; ++n)
    if (Shown >= Threshold(n) - Tolerance / 2 && !ReachedFlags[n]) {
      ReachedFlags[n] = true;
      if (OnEnergyFactorReached) OnEnergyFactorReached(*this, static_cast<std::uint8_t>(n));
    }
}

void TMannaEnergy::ReportFalling() {
  for (int n = 1; n <= FactorCount; ++n)
    if (Shown < Threshold(n) - Tolerance / 2 && ReachedFlags[n]) {
      ReachedFlags[n] = false;
      if (OnBelowEnergyFactor) OnBelowEnergyFactor(*this, static_cast<std::uint8_t>(n));
    }
}

void TMannaEnergy::Animate() {
  const double full = FullRequiredFruits;
  if (FruitsCounter > Shown) {
    Shown = std::min(Shown + full / std::max(1, TempCounterIncDivFactor),
                     static_cast<double>(FruitsCounter));
    ReportRising();
  } else if (FruitsCounter < Shown) {
    // Not held at the real level: it may sink a little below and climb back.
    Shown -= full / std::max(1, TempCounterDecDivFactor);
    if (Shown < 0) Shown = 0;
    FullFlag = false;
    ReportFalling();
  } else if (JumpedTo) {
    // The level was set at once: the tools must still hear which thresholds it passed.
    ReportRising();
    ReportFalling();
  }
  JumpedTo = false;
  for (TAnimData& w : Waves) w.Next();
}

void TMannaEnergy::Update() {
  Animate();
  if (Visible) Draw();
}

void TMannaEnergy::Draw() {
  if (!OmgImgList) return;
  const float x = static_cast<float>(Left), y = static_cast<float>(Top);
  if (IsFull()) {
    OmgImgList->DrawImage("MannaEnergy", x, y, 1);
    return;
  }
  OmgImgList->DrawImage("MannaEnergy", x, y, 0);
  int c = FullRequiredFruits > 0 ? RoundHalfEven(Shown / FullRequiredFruits * MaxPixelProgress) : 0;
  c = std::min(c, MaxPixelProgress);
  const float surface = y + static_cast<float>(MaxPixelProgress + LiquidAdjustY - c);
  if (c > 0) {
    if (TImageListItem* liquid = OmgImgList->Find("MannaEnergyLiquid"))
      liquid->DrawRect({0, MaxPixelProgress - c, EnergyWidth, EnergyHeight}, x, surface);
  }
  if (Shown > 0) {
    const float sx = 36.0f / static_cast<float>(std::max(1, OrigWaveWidth));
    const float sy = 7.0f / static_cast<float>(std::max(1, OrigWaveHeight));
    for (int i = 0; i < 3; ++i)
      OmgImgList->DrawImage("MannaEnergyWave", x + 27.0f * static_cast<float>(i), surface - 4,
                            Waves[i].Frame(), {.A = 130, .ScaleX = sx, .ScaleY = sy});
  }
}
