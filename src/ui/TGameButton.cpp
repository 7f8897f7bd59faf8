#include "ui/TGameButton.h"

#include "engine/TOmegaImageList.h"

void TGameButton::ReloadSize() {
  if (TImageListItem* item = OmgImgList.Find(ImageName)) {
    FWidth = item->GetTileWidth();
    FHeight = item->GetTileHeight();
  }
}

bool TGameButton::HitTest(int x, int y) const {
  return x >= Left && x <= Left + FWidth && y >= Top && y <= Top + FHeight;
}

void TGameButton::MouseDown(int x, int y, bool leftButton) {
  if (!Visible || !Enabled || !leftButton) return;
  IsPressed = false;
  Hover = HitTest(x, y);
  if (Hover) {
    IsPressed = true;
    if (PlaySound) PlaySound("Click");
  }
}

void TGameButton::MouseMove(int x, int y) {
  if (!Visible || !Enabled) return;
  bool was = Hover;
  Hover = HitTest(x, y);
  if (Hover && !was) {
    if (OnActivate) OnActivate(*this);
    if (PlaySound) PlaySound("MouseOver");
  } else if (!Hover && was) {
    if (OnDeactivate) OnDeactivate(*this);
  }
  if (Hover && RequestCursor) RequestCursor(TCursorKind::Hand);
}

void TGameButton::MouseUp(int x, int y) {
  if (!Visible || !Enabled) return;
  Hover = HitTest(x, y);
  bool click = Hover && IsPressed;
  IsPressed = false;
  if (click) {
    Hover = false;
    if (OnClick) OnClick(*this);
  }
}

void TGameButton::CheckRange(int x, int y) {
  if (Visible && HitTest(x, y) && OnMouseRangeOn) OnMouseRangeOn(*this);
}

void TGameButton::CheckRangeOff(int x, int y) {
  if (Visible && !HitTest(x, y) && OnMouseRangeOff) OnMouseRangeOff(*this);
}

void TGameButton::Draw(std::uint8_t alpha) {
  if (!Visible) return;
  int pattern = Enabled ? 0 : 1;
  // A picture without a disabled pattern would draw its enabled one: it fades instead.
  if (!Enabled) {
    const TImageListItem* item = OmgImgList.Find(ImageName);
    if (item && item->Columns() * item->Rows() < 2) {
      pattern = 0;
      alpha = static_cast<std::uint8_t>(alpha * DisabledFade);
    }
  }
  // A disabled button takes no mouse: the hover or press it had before does not show.
  const bool lit = Enabled && Hover;
  float scale = (lit && IsPressed) ? PushedSizeRatio : 1.0f;
  OmgImgList.DrawImage(
      ImageName, static_cast<float>(Left), static_cast<float>(Top), pattern,
      {.A = alpha, .ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f});
  if (lit)
    OmgImgList.DrawImage(ImageName, static_cast<float>(Left), static_cast<float>(Top), pattern,
                         {.B = 0, .A = static_cast<std::uint8_t>(HighlightAlpha), .ScaleX = scale,
                          .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f, .Blend = bmAdditive});
}
