#include "ui/TLoadingBar.h"

#include "engine/Rounding.h"
#include "engine/TOmegaImageList.h"

TLoadingBar::TLoadingBar(TOmegaImageList& images) : OmgImgList(images) {
  LoadingAlpha.Setup(120, 255, 8, 8);
  FinishedAlpha.Setup(40, 255, 15, 12);
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
      fill->DrawRect({0, 0, w, FillHeight}, x + 22, y + 22);
  }
  OmgImgList.DrawImage("LoadingBarGlass", x + 23, y + 22, 0);
  if (LoadingFinished()) {
    FinishedAlpha.Step();
    OmgImgList.DrawImage("LoadingBarText", x + 93, y + 23, 1,
                         {.A = static_cast<std::uint8_t>(FinishedAlpha.RoundedValue())});
  } else {
    LoadingAlpha.Step();
    OmgImgList.DrawImage("LoadingBarText", x + 93, y + 23, 0,
                         {.A = static_cast<std::uint8_t>(LoadingAlpha.RoundedValue())});
  }
}
