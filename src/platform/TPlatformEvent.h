#pragma once
#include <string>

enum class TPlatformEventKind {
  MouseDown,
  MouseUp,
  MouseMove,
  KeyDown,
  KeyUp,
  Text,
  CloseRequest,
  FocusLost,
  FocusGained,
  Restored,
  Minimized,
  Resized,
};

enum class TMouseButton { Left = 1, Middle = 2, Right = 3 };

// One input or window event, with mouse positions in window pixels.
struct TPlatformEvent {
  TPlatformEventKind Kind = TPlatformEventKind::MouseMove;
  double X = 0, Y = 0;
  TMouseButton Button = TMouseButton::Left;
  int Key = 0;            // SDL key code
  std::string KeyName;    // SDL key name, e.g. "Escape", "F2", "Return", "A"
  bool Shift = false, Ctrl = false, Alt = false;
  std::string Text;       // UTF-8 typed text
};
