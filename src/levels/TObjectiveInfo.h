#pragma once
#include <functional>

#include "engine/TComponent.h"
#include "levels/TGameObjective.h"
#include "levels/TLevelGoal.h"

class TGlobalGameText;
class TOmegaImageList;

// The level announcement before play: it flies up into view, waits (a click cuts the wait
// short) and flies away; the round's clock starts when it has gone. Under the card a panel
// says what the level asks for.
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
  TGlobalGameText* GlobGameText = nullptr;
  bool Visible = true;
  int ShowingTime = 3000;
  int OrigMoveStep = 13;
  int ShadowWidth = 648, ShadowHeight = 300;
  int Left = 359, ShownTop = 135;
  // The goal's panel, from the card's corner: hung just under the card's frame.
  int GoalLeft = 4, GoalTop = 258;

  TNotifyEvent OnShowing, OnStartHiding, OnHidingComplete;

  // Shadow size from the picture once it is loaded.
  void ReadImageSizes();
  // What the next Show states; an empty goal shows no panel.
  void SetGoal(const TLevelGoal& goal) { Goal = goal; }
  const TLevelGoal& CurrentGoal() const { return Goal; }
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
  void DrawGoal(float whole, std::uint8_t alpha);

  TState FState = osIdle;
  TGameObjective Objective = goNormalMode;
  float PosY = 0;
  int Speed = 0;
  float FAlpha = 0, FScale = 0;
  int WaitTimer = 0;
  bool Clicked = false;
  TPop Pops[PopCount];
  TLevelGoal Goal;
};
