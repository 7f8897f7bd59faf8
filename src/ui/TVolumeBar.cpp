#include "ui/TVolumeBar.h"

#include "engine/Rounding.h"
#include "engine/TMotion.h"
#include "engine/TOmegaImageList.h"

void TVolumeBar::ReloadSize() {
  if (TImageListItem* fill = OmgImgList.Find("VolumeFill")) {
    FillWidth = fill->PictureWidth();
    FillHeight = fill->PictureHeight() / 2;
    SetPosition(FPosition);
  }
}

void TVolumeBar::SetPosition(int position) {
  FPosition = position < 0 ? 0 : (position > 100 ? 100 : position);
  Target = RoundHalfEven(FPosition / 100.0 * FillWidth);
  if (Target < 0) Target = 0;
  if (Target > FillWidth) Target = FillWidth;
}

void TVolumeBar::SetNow(int position) {
  SetPosition(position);
  Displayed = Target;
}

void TVolumeBar::Draw() {
  TMotion::ApproachInt(Displayed, 2, Target);
  if (Displayed > 0) {
    TImageListItem* fill = OmgImgList.Find("VolumeFill");
    if (fill) {
      int top = Enabled ? FillHeight : 0;
      fill->DrawRect({0, top, Displayed, top + FillHeight}, static_cast<float>(Left),
                     static_cast<float>(Top));
    }
  }
  OmgImgList.DrawImage("VolumeGlass", static_cast<float>(Left - 1), static_cast<float>(Top), 0);
}
