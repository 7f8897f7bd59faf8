#pragma once

// Where a back buffer of one size lands when it is scaled, keeping its aspect,
// into a window of another size (black bars fill the rest).
struct TWindowGeometry {
  static void Letterbox(int windowW, int windowH, int bufferW, int bufferH, double& scale,
                        double& offsetX, double& offsetY);
  static void WindowToBuffer(int windowW, int windowH, int bufferW, int bufferH, double wx,
                             double wy, double& bx, double& by);
};
