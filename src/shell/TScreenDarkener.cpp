#include "shell/TScreenDarkener.h"

#include "engine/TOmegaImageList.h"

void TScreenDarkener::FadeIn() {
  if (Active && Direction == 0 && Alpha == MaxAlpha) return;
  Direction = 0;
  Alpha = MinAlpha;
  Active = true;
}

void TScreenDarkener::FadeOut() {
  Direction = 1;
  Active = true;
}

void TScreenDarkener::ShowFull() {
  Direction = 0;
  Alpha = MaxAlpha;
  Active = true;
}

void TScreenDarkener::Draw() {
  if (!Active) return;
  if (Direction == 0) {
    Alpha += AlphaStep;
    if (Alpha > MaxAlpha) Alpha = MaxAlpha;
  } else {
    Alpha -= AlphaStep;
    if (Alpha < 0) Alpha = 0;
  }
  OmgImgList.DrawImage("BlackRect", 0, 0, 0,
                       {.A = static_cast<std::uint8_t>(Alpha), .ScaleX = 2, .ScaleY = 2});
}
