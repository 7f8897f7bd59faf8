#pragma once
#include <functional>

#include "engine/TComponent.h"

// Times the small heroine's cheer after a purchase in the hub: her arms go up with the
// cheer value and down again. At the peak the bought item goes into the sticker book; a
// little later the chapter conversation follows. The painter draws her from these values.
class TSmallWynnet : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TSmallWynnet& sender)>;

  int Left = 398, Top = 368;
  // The purchase being celebrated; the shell sets it before Cheer.
  int BuySlotsIslandIdx = 1, BuySlotsSlotIdx = 1;
  float CheerUpAngleLimit = 80;
  int AfterCheerPeakDelay = 1500;
  float MaxCheerUpAngle = 150;
  float CheerStep = 5, CheerTop = 180;
  TNotifyEvent OnCheerPeak, OnAfterCheerUpDelay;

  void Cheer();
  void Update();

  bool Active() const { return FActive; }
  float CheerValue() const { return Value; }
  // How far her arms are raised, in degrees from hanging down (0 .. MaxCheerUpAngle).
  float ArmAngle() const { return Value < MaxCheerUpAngle ? Value : MaxCheerUpAngle; }

 private:
  bool FActive = false;
  bool PeakReported = false;
  bool AfterTimerRunning = false;
  int AfterTimer = 0;
  float Value = 0, Target = 0;
};
