#pragma once
#include <functional>

#include "engine/TComponent.h"
#include "levels/TGameObjective.h"

class TOmegaImageList;

// The level announcement before play: it flies up into view, waits (a click cuts the wait
// short) and flies away; the round's clock starts when it has gone.
class TObjectiveInfo : public TComponent {
 public:
  enum TState { osIdle, osFlyingIn, osWaiting, osHiding };
  static constexpr int PopCount = 3;
  using TNotifyEvent = std::function<void(TObjectiveInfo& sender)>;

  struct TPop {
    int Delay = -1;  // ms still to wait; -1 when not pending
    bool Active = false;
    bool Rising = false;
    float Ratio = 1;
  };

  TOmegaImageList* OmgImgList = nullptr;
  bool Visible = true;
  int ShowingTime = 3000;
  int OrigMoveStep = 13;
  int ShadowWidth = 648, ShadowHeight = 300;
  int Left = 359, ShownTop = 135;

  TNotifyEvent OnShowing, OnStartHiding, OnHidingComplete;

  // Shadow size from the picture once it is loaded.
  void ReadImageSizes();
  void Show(TGameObjective objective);
  // A mouse button: leave as soon as the window is fully shown.
  void Click();
  void Reset();
  void UpdateAndDraw();

  TState State() const { return FState; }
  float Y() const { return PosY; }
  float Alpha() const { return FAlpha; }
  float Scale() const { return FScale; }
  const TPop& Pop(int i) const { return Pops[i]; }

 private:
  void Advance();
  void AdvancePops();
  void Draw();

  TState FState = osIdle;
  TGameObjective Objective = goNormalMode;
  float PosY = 0;
  int Speed = 0;
  float FAlpha = 0, FScale = 0;
  int WaitTimer = 0;
  bool Clicked = false;
  TPop Pops[PopCount];
};
