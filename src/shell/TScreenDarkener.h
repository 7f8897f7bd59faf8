#pragma once
#include "engine/TComponent.h"

class TOmegaImageList;

// The black veil drawn behind windows.
class TScreenDarkener : public TComponent {
 public:
  explicit TScreenDarkener(TOmegaImageList& images) : OmgImgList(images) {}

  int AlphaStep = 20;
  int MinAlpha = 20;
  int MaxAlpha = 140;

  void Draw();
  void FadeIn();
  void FadeOut();
  void ShowFull();
  void Hide() { Active = false; }
  bool IsActive() const { return Active; }
  int GetAlpha() const { return Alpha; }

 private:
  TOmegaImageList& OmgImgList;
  bool Active = false;
  int Direction = 0;  // 0 darkening, 1 lightening
  int Alpha = 0;
};
