#include "platform/TWindowGeometry.h"

#include <cmath>

void TWindowGeometry::Letterbox(int windowW, int windowH, int bufferW, int bufferH, double& scale,
                                double& offsetX, double& offsetY) {
  if (bufferW <= 0 || bufferH <= 0 || windowW <= 0 || windowH <= 0) {
    scale = 1;
    offsetX = offsetY = 0;
    return;
  }
  double sx = static_cast<double>(windowW) / bufferW, sy = static_cast<double>(windowH) / bufferH;
  scale = sx < sy ? sx : sy;
  // Same rounding as the presenting back end.
  int w = static_cast<int>(bufferW * scale + 0.5), h = static_cast<int>(bufferH * scale + 0.5);
  offsetX = (windowW - w) / 2;
  offsetY = (windowH - h) / 2;
}

void TWindowGeometry::WindowToBuffer(int windowW, int windowH, int bufferW, int bufferH, double wx,
                                     double wy, double& bx, double& by) {
  double s, ox, oy;
  Letterbox(windowW, windowH, bufferW, bufferH, s, ox, oy);
  bx = (wx - ox) / s;
  by = (wy - oy) / s;
}
