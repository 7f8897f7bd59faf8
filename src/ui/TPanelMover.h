#pragma once
#include <functional>

#include "engine/SharedTypes.h"
#include "engine/TComponent.h"

// A panel that slides between a hidden and a shown position; it only reports where it is.
class TPanelMover : public TComponent {
 public:
  enum class TState { Hidden, Showing, Shown, Hiding };
  using TEvent = std::function<void(TPanelMover& sender)>;

  int Left = 0, Top = 0;
  int HideLeft = 0, HideTop = 0;
  int HorzStep = 0, VertStep = 0;
  std::function<void(TPanelMover& sender, TPoint position)> OnPosUpdate;
  TEvent OnShowingCompleted, OnHidingCompleted;

  void Setup(int left, int top, int hideLeft, int hideTop, int horzStep, int vertStep);
  void Show();
  void Hide();
  void HideNow();
  void Update();
  TPoint Position() const;
  TState State() const { return FState; }

 private:
  TState FState = TState::Hidden;
  int X = 0, Y = 0;
};
