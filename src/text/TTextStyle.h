#pragma once
#include <cstdint>

// How a line of bitmap text is drawn. The defaults draw plain white text at its own size, so a
// call names only what differs: {.Scale = 0.78, .Alpha = 200, .MaxWidth = 340}.
struct TTextStyle {
  double Scale = 1;  // nothing is drawn at <= 0
  int Colour = 0;    // a TGlobalGameText::TTextColor
  std::uint8_t Alpha = 255;
  int ExtraSpacing = 0;  // pixels added to every advance
  int MaxWidth = 0;      // > 0: stop at the first character that would carry the line past it
};
