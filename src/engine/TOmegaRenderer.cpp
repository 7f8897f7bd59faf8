#include "engine/TOmegaRenderer.h"

#include <cmath>
#include <utility>

void TOmegaRenderer::SetRect(float x, float y, float w, float h) {
  // Texels map onto pixels exactly on our back end, so no half-pixel shift.
  Corners[0].X = x;
  Corners[0].Y = y;
  Corners[1].X = x + w;
  Corners[1].Y = y;
  Corners[2].X = x + w;
  Corners[2].Y = y + h;
  Corners[3].X = x;
  Corners[3].Y = y + h;
}

void TOmegaRenderer::SetTexCoords(float u0, float v0, float u1, float v1) {
  Corners[0].U = u0;
  Corners[0].V = v0;
  Corners[1].U = u1;
  Corners[1].V = v0;
  Corners[2].U = u1;
  Corners[2].V = v1;
  Corners[3].U = u0;
  Corners[3].V = v1;
}

void TOmegaRenderer::SetColor(std::uint32_t argb) {
  for (auto& c : Corners) c.Color = argb;
}

void TOmegaRenderer::ApplyMirrorFlip() {
  if (Mirror) {
    std::swap(Corners[0].U, Corners[1].U);
    std::swap(Corners[3].U, Corners[2].U);
  }
  if (Flip) {
    std::swap(Corners[0].V, Corners[3].V);
    std::swap(Corners[1].V, Corners[2].V);
  }
}

void TOmegaRenderer::Transform(float cx, float cy, float scaleX, float scaleY, float angleDeg) {
  if (scaleX == 0) scaleX = 1;
  if (scaleY == 0) scaleY = 1;
  if (scaleX == 1 && scaleY == 1 && angleDeg == 0) return;
  const double a = angleDeg * M_PI / 180.0;
  const double ca = std::cos(a), sa = std::sin(a);
  for (auto& c : Corners) {
    double dx = c.X - cx, dy = c.Y - cy;
    c.X = static_cast<float>(cx + scaleX * ca * dx - scaleY * sa * dy);
    c.Y = static_cast<float>(cy + scaleX * sa * dx + scaleY * ca * dy);
  }
}
