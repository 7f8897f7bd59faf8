#pragma once
#include <string>

#include "text/TGameFont.h"

// Shrinks a line of bitmap text until it fits its room, so a long name is never cut off.
class TTextFit {
 public:
  // The scale itself when the text fits maxWidth pixels at it; otherwise a smaller scale at
  // which it fits, as large as a 1/1000 step allows, but never below minScale (the text is
  // then cut where it leaves the room, as before).
  static double ScaleToFit(TGameFontKind font, const std::string& text, int maxWidth,
                           int extraSpacing, double scale, double minScale = 0.3);
};
