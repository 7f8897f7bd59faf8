#include "engine/TOmegaTimer.h"

TOmegaTimer::TOmegaTimer(IClock& clock) : ClockSource(clock), Frequency(clock.Frequency()) {
  if (Frequency <= 0) Frequency = 1000;
  SetMinFPS(10);
  SetMaxFPS(120);
  SetFPSWarningFrames(10);
}

void TOmegaTimer::SetEnabled(bool value) {
  if (value == Enabled) return;
  Enabled = value;
  if (value) {
    LastFired = ClockSource.Now();
    WindowStart = LastFired;
    FrameCount = 0;
    FPS = 0;
  }
  ReselectMode();
}

void TOmegaTimer::SetTargetFPS(int value) {
  if (value == TargetFPS) return;
  TargetFPS = value;
  if (value > 0) {
    TicksPerFrame = static_cast<std::uint32_t>(Frequency / value);
    IntervalMs = static_cast<std::uint32_t>(1000 / value);
  }
  ReselectMode();
}

void TOmegaTimer::SetMinFPS(int value) {
  if (value == MinFPS) return;
  MinFPS = value;
  if (value > 0) LongestFrame = static_cast<std::uint32_t>(Frequency / value);
}

void TOmegaTimer::SetMaxFPS(int value) {
  if (value == MaxFPS) return;
  MaxFPS = value;
  if (value > 0) ShortestFrame = static_cast<std::uint32_t>(Frequency / value);
}

void TOmegaTimer::SetFPSWarningFrames(int value) {
  if (value == FPSWarningFrames) return;
  FPSWarningFrames = value;
  OverLongCount = 0;
  FPSWarning = false;
}

void TOmegaTimer::SetLossyMode(bool value) {
  LossyMode = value;
  ReselectMode();
}

void TOmegaTimer::ReselectMode() {
  // Lossy mode stands for an operating-system timer delivering one frame per message;
  // both modes are driven by the same loop calling Tick().
  if (LossyMode)
    Installed = TargetFPS > 0 && Enabled && OnTimer != nullptr;
  else
    Installed = Enabled && OnTimer != nullptr;
}

void TOmegaTimer::Tick() {
  if (!Installed || !Enabled) return;
  std::int64_t now = ClockSource.Now();
  if (now - WindowStart >= Frequency) {
    FPS = FrameCount;
    FrameCount = 0;
    WindowStart = now;
  }
  std::int64_t elapsed = now - LastFired;
  auto fire = [&](float delta) {
    Delta = delta;
    ElapsedTime = static_cast<float>(static_cast<double>(elapsed) / Frequency);
    if (OnTimer) OnTimer(*this);
    LastFired = now;
    ++FrameCount;
  };
  if (LossyMode) {
    fire(static_cast<float>(static_cast<double>(elapsed) / (TicksPerFrame ? TicksPerFrame : 1)));
  } else {
    if (MinFPS > 0 && elapsed > static_cast<std::int64_t>(LongestFrame)) {
      elapsed = LongestFrame;
      ++OverLongCount;
      if (static_cast<int>(OverLongCount) >= FPSWarningFrames) {
        FPSWarning = true;
        --OverLongCount;
      }
    } else {
      FPSWarning = false;
      OverLongCount = 0;
    }
    bool tooSoon = MaxFPS != 0 && elapsed < static_cast<std::int64_t>(ShortestFrame);
    if (!tooSoon) {
      if (TargetFPS > 0) {
        if (elapsed >= static_cast<std::int64_t>(TicksPerFrame))
          fire(static_cast<float>(static_cast<double>(elapsed) / TicksPerFrame));
      } else {
        fire(static_cast<float>(static_cast<double>(elapsed) / Frequency));
      }
    }
  }
  if (PreviousIdleHandler) PreviousIdleHandler();
}

void TOmegaTimer::FireNow() {
  std::int64_t gap = TicksPerFrame;
  if (MaxFPS != 0 && static_cast<std::int64_t>(ShortestFrame) > gap) gap = ShortestFrame;
  LastFired = ClockSource.Now() - gap;
}

std::int64_t TOmegaTimer::NextDue() const {
  std::int64_t due = LastFired;
  if (TargetFPS > 0 && !LossyMode) due = LastFired + TicksPerFrame;
  if (MaxFPS != 0 && LastFired + ShortestFrame > due) due = LastFired + ShortestFrame;
  return due;
}
