#include "ui/TLoadingBar.h"

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

TLoadingBar::TLoadingBar(TOmegaImageList& images) : OmgImgList(images) {
  LoadingAlpha.Setup(120, 255, 8, 8);
  FinishedAlpha.Setup(FinishedMinAlpha, 255, 15, 12);
}

void TLoadingBar::ReloadSize() {
  if (TImageListItem* fill = OmgImgList.Find("LoadingBarFill")) {
    FillWidth = fill->PictureWidth();
    FillHeight = fill->PictureHeight();
  }
}

void TLoadingBar::ImageLoaded() {
  if (Loaded < ImageCountToLoad) ++Loaded;
}

void TLoadingBar::Draw() {
  if (FillWidth == 0) ReloadSize();
  const float x = static_cast<float>(Left), y = static_cast<float>(Top);
  OmgImgList.DrawImage("LoadingBarBG", x, y, 0);
  int count = ImageCountToLoad > 0 ? ImageCountToLoad : 1;
  int w = RoundHalfEven(static_cast<double>(Loaded) / count * FillWidth);
  if (w > 0) {
    if (TImageListItem* fill = OmgImgList.Find("LoadingBarFill"))
      fill->DrawRect({0, 0, w, FillHeight}, x + FillX, y + FillY);
  }
  OmgImgList.DrawImage("LoadingBarGlass", x + GlassX, y + GlassY, 0);
  if (LoadingFinished()) {
    FinishedAlpha.Step();
    OmgImgList.DrawImage("LoadingBarText", x + TextX, y + TextY, 1,
                         {.A = static_cast<std::uint8_t>(FinishedAlpha.RoundedValue())});
  } else {
    LoadingAlpha.Step();
    OmgImgList.DrawImage("LoadingBarText", x + TextX, y + TextY, 0,
                         {.A = static_cast<std::uint8_t>(LoadingAlpha.RoundedValue())});
  }
}
