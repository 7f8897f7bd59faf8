#include "levels/TInfoDigit.h"

#include "engine/TOmegaImageList.h"

void TInfoDigit::ReadImageSizes() {
  if (!OmgImgList) return;
  int w = OmgImgList->TileWidthOf(DigitImg);
  if (w > 0) DigitWidth = w;
}

void TInfoDigit::Draw() {
  if (!Visible || !OmgImgList) return;
  const std::string text = std::to_string(Value);
  for (std::size_t i = 0; i < text.size(); ++i)
    OmgImgList->DrawImage(DigitImg, static_cast<float>(Left + static_cast<int>(i) * DigitWidth),
                          static_cast<float>(Top), text[i] - '0');
}
