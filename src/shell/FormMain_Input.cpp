// Mouse and keys.
#include "engine/Rounding.h"
#include "shell/TFormMain.h"

void TFormMain::WindowToLogical(double wx, double wy, int& lx, int& ly) {
  double bx = wx, by = wy;
  Services.Window->WindowToBackBuffer(wx, wy, bx, by);
  lx = RoundHalfEven(bx / OmegaScreen1.ScaleX);
  ly = RoundHalfEven(by / OmegaScreen1.ScaleY);
}

void TFormMain::FormMouseDown(TMouseButton, double wx, double wy) {
  int x, y;
  WindowToLogical(wx, wy, x, y);
  if (GameScene.GetValue() == gsCompanyLogos) CompanyLogos.Skip();
}

void TFormMain::FormMouseMove(double wx, double wy) {
  int x, y;
  WindowToLogical(wx, wy, x, y);
}

void TFormMain::FormMouseUp(TMouseButton, double wx, double wy) {
  int x, y;
  WindowToLogical(wx, wy, x, y);
}

void TFormMain::FormKeyDown(const TPlatformEvent&) {}

void TFormMain::FormKeyUp(const TPlatformEvent&) {}

void TFormMain::FormKeyPress(const std::string&) {}
