#pragma once
#include "engine/TOmegaScreen.h"

// Builds one sprite quad: corners, texture coordinates, mirror and flip, scale and turn.
class TOmegaRenderer {
 public:
  TOmegaVertex Corners[4];  // top-left, top-right, bottom-right, bottom-left
  bool Mirror = false, Flip = false;

  void SetRect(float x, float y, float w, float h);
  void SetTexCoords(float u0, float v0, float u1, float v1);
  void SetColor(std::uint32_t argb);
  // Mirror swaps left and right texture coordinates, flip top and bottom.
  void ApplyMirrorFlip();
  // Scales and turns the corners about (cx, cy); a scale of exactly 0 counts as 1.
  void Transform(float cx, float cy, float scaleX, float scaleY, float angleDeg);
};
