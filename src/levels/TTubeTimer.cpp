#include "levels/TTubeTimer.h"

#include <algorithm>

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

void TTubeTimer::ReadImageSizes() {
  if (!OmgImgList) return;
  int w = OmgImgList->TileWidthOf("TubeTimerEnergy"), h = OmgImgList->TileHeightOf("TubeTimerEnergy");
  if (w > 0 && h > 0) {
    EnergyWidth = w;
    EnergyHeight = h;
  }
}

void TTubeTimer::Reset() {
  FState = tsIdle;
  PosX = HideLeft;
  FRunning = false;
  AlmostFired = false;
  FDraining = false;
  DrainTarget = 0;
  Paused = true;
}

void TTubeTimer::Start() {
  FElapsedSeconds = std::max(Time, 0);
  FElapsedMs = LimitMs();
  FState = tsSlidingIn;
}

void TTubeTimer::HideTube() { FState = tsSlidingOut; }

bool TTubeTimer::Drain(int seconds) {
  if (RelaxedMode == rmYes) return false;
  // Only a running clock can lose time: during the fill the elapsed time still counts
  // down from the limit, and a target taken from it would empty the whole tube.
  if (FState != tsRunning || !FRunning || seconds <= 0) return false;
  FDraining = true;
  DrainTarget = std::min(seconds * 1000 + FElapsedMs, LimitMs());
  return true;
}

void TTubeTimer::Update() {
  switch (FState) {
    case tsSlidingIn:
      PosX = std::max(PosX - MoveStep, Left);
      if (PosX == Left) {
        FElapsedSeconds = std::max(Time, 0);
        FElapsedMs = LimitMs();
        FillingStep = std::max(1, LimitMs() / std::max(1, FillingUpStepFactor));
        FState = tsFilling;
      }
      break;
    case tsSlidingOut:
      PosX = std::min(PosX + MoveStep, HideLeft);
      if (PosX == HideLeft) FState = tsIdle;
      break;
    case tsFilling:
      FElapsedMs -= FillingStep;
      if (FElapsedMs <= 0) {
        FElapsedMs = 0;
        FElapsedSeconds = 0;
        FRunning = true;
        FState = tsRunning;
      }
      break;
    case tsRunning: {
      if (!FRunning || Paused) break;
      const int limit = LimitMs();
      FElapsedMs = std::min(FElapsedMs + TickMilliseconds, limit);
      if (FDraining) {
        FElapsedMs += AbsorbedMiliSecsPerUpdate;
        if (FElapsedMs >= DrainTarget) {
          FElapsedMs = DrainTarget;
          FDraining = false;
        }
      }
      FElapsedSeconds = FElapsedMs / 1000;
      if (RelaxedMode == rmYes) break;
      if (Time - FElapsedSeconds <= AlmostTimeUpTimeLeft && !AlmostFired) {
        AlmostFired = true;
        if (OnAlmostTimeUp) OnAlmostTimeUp(*this);
      }
      if (FElapsedSeconds >= Time) {
        FRunning = false;
        FElapsedSeconds = std::max(Time, 0);
        if (OnTimeUp) OnTimeUp(*this);
      }
      break;
    }
    case tsIdle:
      break;
  }
}

void TTubeTimer::ComputeLiquid() {
  const int limit = LimitMs();
  if (limit <= 0) {
    // No time at all: the tube is empty.
    FLiquidOffset = MaxPixelProgress;
    FPercentLeft = 0;
    return;
  }
  FLiquidOffset = std::min(
      RoundHalfEven(static_cast<double>(FElapsedMs) / limit * MaxPixelProgress), MaxPixelProgress);
  FLiquidOffset = std::max(FLiquidOffset, 0);
  FPercentLeft =
      std::clamp(100 - RoundHalfEven(static_cast<double>(FElapsedMs) * 100 / limit), 0, 100);
}

void TTubeTimer::Draw() {
  ComputeLiquid();
  if (RelaxedMode == rmYes || !OmgImgList) return;
  const float x = static_cast<float>(PosX), y = static_cast<float>(Top);
  OmgImgList->DrawImage("TubeTimer", x - 4, y - 4, 0);
  if (FLiquidOffset < MaxPixelProgress && FLiquidOffset < EnergyHeight) {
    if (TImageListItem* liquid = OmgImgList->Find("TubeTimerEnergy"))
      liquid->DrawRect({0, FLiquidOffset, EnergyWidth, EnergyHeight},
                       x + static_cast<float>(EnergyAdjustX),
                       y + static_cast<float>(EnergyAdjustY + FLiquidOffset));
  }
}
