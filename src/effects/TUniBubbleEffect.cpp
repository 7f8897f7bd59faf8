#include "effects/TUniBubbleEffect.h"

#include "engine/TOmegaImageList.h"

void TUniBubbleEffect::RefreshSizes() {
  if (!OmgImgList) return;
  if (int w = OmgImgList->TileWidthOf("BurstingBubble")) Width = w;
  if (int h = OmgImgList->TileHeightOf("BurstingBubble")) Height = h;
}

void TUniBubbleEffect::Start(TPoint tile) {
  X = BoardLeft + 52 * (tile.X - 1);
  Y = BoardTop + 52 * (tile.Y - 1);
  Burst.Restart();
  Started = true;
}

void TUniBubbleEffect::UpdateAndDraw() {
  if (!Started || !Visible) return;
  if (Burst.IsBlank()) {
    Started = false;
    return;
  }
  if (OmgImgList)
    OmgImgList->DrawImage("BurstingBubble", static_cast<float>(X + BubbleAdjustX),
                          static_cast<float>(Y + BubbleAdjustY), Burst.Frame());
  Burst.Next();
  if (Burst.IsBlank()) Started = false;
}
