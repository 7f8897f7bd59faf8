#include "effects/TShineEffect.h"

#include <algorithm>

#include "engine/TOmegaImageList.h"

void TShineEffect::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("ShineEffect")) OrigShineWidth = static_cast<float>(w);
  if (int h = OmgImgList->TileHeightOf("ShineEffect")) OrigShineHeight = static_cast<float>(h);
}

void TShineEffect::Show(int x, int y) {
  X = x;
  Y = y;
  CurrentSize = StartingSize;
  CurrentAlpha = InitialAlpha;
  Growing = true;
  Shown = true;
}

void TShineEffect::ShowAtTile(TPoint tile) {
  Show(BoardLeft + 52 * (tile.X - 1), BoardTop + 52 * (tile.Y - 1));
}

void TShineEffect::UpdateAndDraw() {
  if (!Shown || !Visible) return;
  bool fading = !Growing;
  if (Growing) {
    CurrentSize += SizeIncrement;
    if (CurrentSize >= MaxSize) {
      CurrentSize = MaxSize;
      Growing = false;
      fading = true;
    }
  } else {
    CurrentSize -= SizeDecrement;
    if (CurrentSize <= StartingSize) {
      CurrentSize = StartingSize;
      Shown = false;  // drawn once more below
    }
  }
  if (fading) CurrentAlpha = std::max(0, CurrentAlpha - AlphaDecrement);
  if (!OmgImgList || CurrentAlpha == 0) return;
  OmgImgList->DrawImage("ShineEffect", static_cast<float>(X + PosAdjustX - CurrentSize / 2),
                        static_cast<float>(Y + PosAdjustY - CurrentSize / 2), 0,
                        {.A = static_cast<std::uint8_t>(std::min(255, CurrentAlpha)),
                         .ScaleX = CurrentSize / OrigShineWidth,
                         .ScaleY = CurrentSize / OrigShineHeight, .Blend = bmAdditive});
}
