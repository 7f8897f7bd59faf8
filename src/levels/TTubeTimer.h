#pragma once
#include <functional>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"
#include "levels/TGameObjective.h"

class TOmegaImageList;

// The round's time limit: a glass tube at the right edge whose liquid sinks as time passes.
// It slides in, fills up, then runs while not paused; the boss can drain time out of it.
class TTubeTimer : public TComponent {
 public:
  enum TState { tsIdle = 0, tsSlidingIn = 1, tsSlidingOut = 2, tsFilling = 3, tsRunning = 4 };
  using TNotifyEvent = std::function<void(TTubeTimer& sender)>;

  TOmegaImageList* OmgImgList = nullptr;
  int Time = 300;  // seconds
  int AlmostTimeUpTimeLeft = 28;
  int AbsorbedMiliSecsPerUpdate = 1500;
  int FillingUpStepFactor = 50;
  bool Paused = true;
  TGameObjective GameObjective = goNormalMode;
  TRelaxedMode RelaxedMode = rmNotInitialized;
  int Left = 0, HideLeft = 1200, Top = 0;
  int MoveStep = 1;
  int MaxPixelProgress = 325;
  int EnergyWidth = 22, EnergyHeight = 305;
  int EnergyAdjustX = 36, EnergyAdjustY = 27;

  TNotifyEvent OnAlmostTimeUp, OnTimeUp;

  // Liquid size from "TubeTimerEnergy" once the pictures are loaded.
  void ReadImageSizes();
  void Reset();
  void Start();
  void HideTube();
  // Whether the tube takes the drain: not in relaxed mode, only while the clock runs.
  bool Drain(int seconds);
  void Update();
  void Draw();

  TState State() const { return FState; }
  int X() const { return PosX; }
  int Y() const { return Top; }
  int ElapsedMs() const { return FElapsedMs; }
  // Whole seconds played, draining included: what the medal is judged by.
  int ElapsedSeconds() const { return FElapsedSeconds; }
  bool Running() const { return FRunning; }
  bool Draining() const { return FDraining; }
  // Both as of the last Draw (the bubbles and the boss particles read them).
  int LiquidOffset() const { return FLiquidOffset; }
  int PercentLeft() const { return FPercentLeft; }
  // Works the two figures out from the elapsed time; Draw calls it.
  void ComputeLiquid();

 private:
  int LimitMs() const { return Time > 0 ? Time * 1000 : 0; }

  TState FState = tsIdle;
  int PosX = 1200;
  int FElapsedMs = 0, FElapsedSeconds = 0;
  int FillingStep = 0;
  bool FRunning = false, AlmostFired = false;
  bool FDraining = false;
  int DrainTarget = 0;
  int FLiquidOffset = 0, FPercentLeft = 100;
};
