#include "shell/TWidgetMaker.h"

std::unique_ptr<TGameButton> TWidgetMaker::Button(const std::string& image, int left,
                                                  int top) const {
  auto b = std::make_unique<TGameButton>(Images);
  b->ImageName = image;
  b->SetPosition(left, top);
  b->PlaySound = Sound;
  b->RequestCursor = Cursor;
  return b;
}

std::unique_ptr<TGameMenuWindow> TWidgetMaker::Window(const std::string& image, int left, int top,
                                                      int hideX, int hideY, int step,
                                                      TShowDir dir) const {
  auto w = std::make_unique<TGameMenuWindow>(Images);
  w->WindowImg = image;
  w->Left = left;
  w->Top = top;
  w->HidingXPos = hideX;
  w->HidingYPos = hideY;
  w->MoveStep = step;
  w->ShowDir = dir;
  w->HideNow();
  return w;
}

std::unique_ptr<TGameCheckBox> TWidgetMaker::CheckBox(const std::string& image, int width,
                                                      int height) const {
  auto c = std::make_unique<TGameCheckBox>(Images);
  c->ImageName = image;
  c->Width = width;
  c->Height = height;
  c->PlaySound = Sound;
  c->RequestCursor = Cursor;
  c->Left = c->Top = -999;
  return c;
}
