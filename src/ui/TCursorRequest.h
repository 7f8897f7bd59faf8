#pragma once
#include "platform/IWindow.h"

// Widgets ask for the hand cursor while the mouse is over something they react to; the shell
// clears the request before routing a mouse move and applies it afterwards.
class TCursorRequest {
 public:
  static void RequestHand() { Requested = TCursorKind::Hand; }
  static void Clear() { Requested = TCursorKind::Arrow; }
  static TCursorKind Current() { return Requested; }

 private:
  static inline TCursorKind Requested = TCursorKind::Arrow;
};
