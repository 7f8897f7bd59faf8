#include "ui/THelpPages.h"

#include "engine/TOmegaImageList.h"

void THelpPages::LoadImages() {
  for (int p = 1; p <= PageCount; ++p) {
    std::string name = "Help" + std::to_string(p);
    if (!OmgImgList.Find(name) && OnLoadAnImage) OnLoadAnImage(*this, name + ".jpg");
  }
}

void THelpPages::FreeImages() {
  for (int p = 1; p <= PageCount; ++p) {
    OmgImgList.Remove("Help" + std::to_string(p));
    Alphas[p - 1] = 0;
  }
}

void THelpPages::Draw() {
  for (int p = 1; p <= PageCount; ++p) {
    int& a = Alphas[p - 1];
    if (p == PageIdx)
      a = a + AlphaStep > 255 ? 255 : a + AlphaStep;
    else
      a = a - AlphaStep < 0 ? 0 : a - AlphaStep;
    if (a > 10)
      OmgImgList.DrawImage("Help" + std::to_string(p), 0, 0, 0,
                           {.A = static_cast<std::uint8_t>(a)});
  }
}
