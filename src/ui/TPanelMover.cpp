#include "ui/TPanelMover.h"

#include "engine/TMotion.h"

void TPanelMover::Setup(int left, int top, int hideLeft, int hideTop, int horzStep, int vertStep) {
  Left = left;
  Top = top;
  HideLeft = hideLeft;
  HideTop = hideTop;
  HorzStep = horzStep;
  VertStep = vertStep;
  X = hideLeft;
  Y = hideTop;
}

void TPanelMover::Show() {
  X = HideLeft;
  Y = HideTop;
  FState = TState::Showing;
}

void TPanelMover::Hide() {
  if (FState != TState::Hidden) FState = TState::Hiding;
}

void TPanelMover::HideNow() {
  X = HideLeft;
  Y = HideTop;
  FState = TState::Hidden;
}

void TPanelMover::Update() {
  if (FState == TState::Showing) {
    bool ax = TMotion::ApproachInt(X, HorzStep, Left);
    bool ay = TMotion::ApproachInt(Y, VertStep, Top);
    if (ax && ay) {
      FState = TState::Shown;
      if (OnShowingCompleted) OnShowingCompleted(*this);
    }
  } else if (FState == TState::Hiding) {
    bool ax = TMotion::ApproachInt(X, HorzStep, HideLeft);
    bool ay = TMotion::ApproachInt(Y, VertStep, HideTop);
    if (ax && ay) {
      FState = TState::Hidden;
      if (OnHidingCompleted) OnHidingCompleted(*this);
    }
  }
  if (OnPosUpdate) OnPosUpdate(*this, Position());
}

TPoint TPanelMover::Position() const {
  if (FState == TState::Hidden) return {-999, -999};
  return {X, Y};
}
