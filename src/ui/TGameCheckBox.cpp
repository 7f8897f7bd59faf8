#include "ui/TGameCheckBox.h"

#include "engine/TOmegaImageList.h"

void TGameCheckBox::MouseMove(int x, int y) {
  Hover = x >= Left && x <= Left + Width && y >= Top && y <= Top + Height;
  if (Hover && RequestCursor) RequestCursor(TCursorKind::Hand);
}

void TGameCheckBox::MouseDown(int x, int y, bool leftButton) {
  MouseMove(x, y);
  if (!leftButton || !Hover) return;
  Checked = !Checked;
  if (PlaySound) PlaySound("Click");
  if (OnClick) OnClick(*this);
}

void TGameCheckBox::Draw() {
  int pattern = (Checked ? 2 : 0) + (Hover ? 1 : 0);
  OmgImgList.DrawImage(ImageName, static_cast<float>(Left), static_cast<float>(Top), pattern);
}
