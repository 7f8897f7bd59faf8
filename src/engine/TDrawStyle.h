#pragma once
#include <cstdint>

#include "platform/TBlendMode.h"

// How one pattern is drawn. The defaults draw it as it is, so a call names only what
// differs: {.A = 110, .CenterX = 0.5f, .CenterY = 0.5f, .Angle = a, .Blend = bmAdditive}.
struct TDrawStyle {
  std::uint8_t R = 255, G = 255, B = 255, A = 255;  // multiply the picture's colour
  float ScaleX = 1, ScaleY = 1;                     // exactly 0 counts as 1
  // The point that scale and turn keep in place, as fractions of the pattern's size.
  float CenterX = 0, CenterY = 0;
  float Angle = 0;  // degrees, clockwise on screen
  TBlendMode Blend = bmNormal;
  bool Mirror = false, Flip = false;  // left and right, top and bottom exchanged

  std::uint32_t Argb() const {
    return (std::uint32_t(A) << 24) | (std::uint32_t(R) << 16) | (std::uint32_t(G) << 8) |
           std::uint32_t(B);
  }
};
