#pragma once
#include <functional>
#include <string>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

class TOmegaImageList;

enum TShowDir { sdToRight, sdToLeft, sdToDown, sdToUp };

// A window picture that slides in from off-screen along one axis and out again.
class TGameMenuWindow : public TComponent {
 public:
  enum class TState { Hidden, Showing, Shown, Hiding };
  using TEvent = std::function<void(TGameMenuWindow& sender)>;

  explicit TGameMenuWindow(TOmegaImageList& images) : OmgImgList(images) {}

  std::string WindowImg;
  int Left = 220, Top = 140;
  int HidingXPos = -400, HidingYPos = -400;
  int MoveStep = 65;
  TShowDir ShowDir = sdToRight;
  bool ShownTimerEnabled = false;
  int ShownTimeToTriggerEvent = 5000;
  std::string Tag;
  std::function<void(TGameMenuWindow& sender, TPoint position)> OnPosUpdate;
  TEvent OnStartShowing, OnShowingComplete, OnShownTimerReached, OnStartHiding, OnHidingComplete;

  void Show();
  void Hide();
  void HideNow();
  void Update();
  void Draw();
  TState State() const { return FState; }
  TPoint Position() const { return {X, Y}; }
  bool IsHidden() const { return FState == TState::Hidden; }

 private:
  void MoveToHidingPosition();
  bool Horizontal() const { return ShowDir == sdToRight || ShowDir == sdToLeft; }

  TOmegaImageList& OmgImgList;
  TState FState = TState::Hidden;
  int X = -400, Y = -400;
  int ShownTimer = 0;
  bool TimerFired = false;
};
