#include "ui/TGameMenuWindow.h"

#include "engine/TOmegaImageList.h"

void TGameMenuWindow::MoveToHidingPosition() {
  // Off-screen on the moving axis, in place on the other.
  X = Horizontal() ? HidingXPos : Left;
  Y = Horizontal() ? Top : HidingYPos;
}

void TGameMenuWindow::Show() {
  MoveToHidingPosition();
  ShownTimer = 0;
  TimerFired = false;
  FState = TState::Showing;
  if (OnStartShowing) OnStartShowing(*this);
}

void TGameMenuWindow::Hide() {
  FState = TState::Hiding;
  if (OnStartHiding) OnStartHiding(*this);
}

void TGameMenuWindow::HideNow() {
  FState = TState::Hidden;
  MoveToHidingPosition();
  Tag.clear();
  ShownTimer = 0;
  TimerFired = false;
  if (OnPosUpdate) OnPosUpdate(*this, {X, Y});
}

void TGameMenuWindow::Update() {
  int oldX = X, oldY = Y;
  int& coord = Horizontal() ? X : Y;
  int shown = Horizontal() ? Left : Top;
  int hiding = Horizontal() ? HidingXPos : HidingYPos;
  // Showing moves from the hiding side toward the shown position.
  int dir = (ShowDir == sdToRight || ShowDir == sdToDown) ? 1 : -1;
  switch (FState) {
    case TState::Showing:
      coord += dir * MoveStep;
      if ((dir > 0 && coord >= shown) || (dir < 0 && coord <= shown)) {
        coord = shown;
        FState = TState::Shown;
        if (OnPosUpdate) OnPosUpdate(*this, {X, Y});
        if (OnShowingComplete) OnShowingComplete(*this);
        return;
      }
      break;
    case TState::Shown:
      if (ShownTimerEnabled && !TimerFired) {
        ShownTimer += TickMilliseconds;
        if (ShownTimer >= ShownTimeToTriggerEvent) {
          ShownTimer = ShownTimeToTriggerEvent;
          TimerFired = true;
          if (OnShownTimerReached) OnShownTimerReached(*this);
        }
      }
      break;
    case TState::Hiding:
      coord -= dir * MoveStep;
      if ((dir > 0 && coord <= hiding) || (dir < 0 && coord >= hiding)) {
        coord = hiding;
        FState = TState::Hidden;
        if (OnPosUpdate) OnPosUpdate(*this, {X, Y});
        if (OnHidingComplete) OnHidingComplete(*this);
        return;
      }
      break;
    case TState::Hidden: break;
  }
  if ((X != oldX || Y != oldY) && OnPosUpdate) OnPosUpdate(*this, {X, Y});
}

void TGameMenuWindow::Draw() {
  if (FState == TState::Hidden) return;
  OmgImgList.DrawImage(WindowImg, static_cast<float>(X), static_cast<float>(Y), 0);
}
