#pragma once
#include <cstdint>
#include <functional>

#include "engine/TComponent.h"
#include "platform/IClock.h"

// The frame clock. The loop calls Tick() whenever it is idle; a frame fires once 1/TargetFPS
// has passed since the previous one. Lateness is dropped, never caught up.
class TOmegaTimer : public TComponent {
 public:
  explicit TOmegaTimer(IClock& clock);

  bool GetEnabled() const { return Enabled; }
  void SetEnabled(bool value);
  int GetTargetFPS() const { return TargetFPS; }
  void SetTargetFPS(int value);
  int GetMinFPS() const { return MinFPS; }
  void SetMinFPS(int value);
  int GetMaxFPS() const { return MaxFPS; }
  void SetMaxFPS(int value);
  int GetFPSWarningFrames() const { return FPSWarningFrames; }
  void SetFPSWarningFrames(int value);
  bool GetLossyMode() const { return LossyMode; }
  void SetLossyMode(bool value);

  std::function<void(TOmegaTimer& sender)> OnTimer;
  // Runs after every tick, like the idle handler that was installed before the timer.
  std::function<void()> PreviousIdleHandler;

  std::uint32_t FPS = 0;
  float Delta = 0;
  float ElapsedTime = 0;
  bool FPSWarning = false;

  // The idle routine.
  void Tick();
  // The next tick fires at once, as if a whole frame had passed (the first frame of all).
  void FireNow();
  // The clock reading at which the next frame may fire (now when there is no target rate).
  std::int64_t NextDue() const;
  IClock& Clock() { return ClockSource; }

 private:
  void ReselectMode();

  IClock& ClockSource;
  std::int64_t Frequency;
  bool Enabled = false;
  int TargetFPS = 0, MinFPS = 0, MaxFPS = 0, FPSWarningFrames = 0;
  bool LossyMode = false;
  bool Installed = false;  // the tick routine is hooked into the loop

  std::int64_t LastFired = 0, WindowStart = 0;
  std::uint32_t FrameCount = 0, OverLongCount = 0;
  std::uint32_t TicksPerFrame = 0, LongestFrame = 0, ShortestFrame = 0, IntervalMs = 0;
};
