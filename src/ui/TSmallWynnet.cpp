#include "ui/TSmallWynnet.h"

#include "engine/TMotion.h"

void TSmallWynnet::Cheer() {
  FActive = true;
  PeakReported = false;
  Target = CheerTop;
  AfterTimer = 0;
  AfterTimerRunning = true;
}

void TSmallWynnet::Update() {
  if (AfterTimerRunning && TMotion::TimerTick(AfterTimer, AfterCheerPeakDelay)) {
    AfterTimerRunning = false;
    if (OnAfterCheerUpDelay) OnAfterCheerUpDelay(*this);
  }
  if (!FActive) return;
  if (TMotion::ApproachFloat(Value, Target, CheerStep) && Target == CheerTop) Target = 0;
  if (Value == 0 && Target == 0) FActive = false;
  if (!PeakReported && Value >= CheerUpAngleLimit) {
    PeakReported = true;
    if (OnCheerPeak) OnCheerPeak(*this);
  }
}
