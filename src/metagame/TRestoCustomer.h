#pragma once
#include <cstdint>

#include "engine/TValueUpDown.h"

// One of the restaurant's eight customer places: where the customer is in the cycle
// (queuing, eating, inside without food, exiting), what was ordered and how it was liked.
struct TRestoCustomer {
  enum TState : std::uint8_t { csFree = 0, csQueuing = 1, csEating = 2, csNoFood = 3, csExiting = 4 };

  std::uint8_t State = csFree;
  std::uint8_t Kind = 1;    // figure 1..MaxCustomerKindIdx
  std::uint8_t Dish = 1;    // ordered slot 1..4
  std::uint8_t Rating = 0;  // 0..5, fixed on entering
  std::uint8_t QueuePos = 0;  // 1 = front; 0 once inside
  std::int32_t QueueX = 0, QueueTargetX = 0;  // offset from the queue's front
  std::int32_t QueueTimer = 0, EatingTimer = 0, WaitingTimer = 0, ExitTimer = 0;
  std::int32_t Alpha = 0, TargetAlpha = 0;
  std::int32_t BalloonAlpha = 0, BalloonTargetAlpha = 0;
  bool ThumbShown = false, MoneyShown = false, ReactionShown = false;
  TValueUpDown Swing{-0.14f, 0.14f, 0.0085f, 0.008f};

  bool Present() const { return State != csFree; }
};
