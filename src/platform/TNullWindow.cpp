#include "platform/TNullWindow.h"

#include "platform/TWindowGeometry.h"

void TNullWindow::WindowToBackBuffer(double wx, double wy, double& bx, double& by) {
  int w, h;
  GetClientSize(w, h);
  TWindowGeometry::WindowToBuffer(w, h, BufferW, BufferH, wx, wy, bx, by);
}
