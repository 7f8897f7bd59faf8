#include "board/TLightningEffect.h"

#include <algorithm>

#include "board/TBoardData.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TLightningEffect::Start(TPoint tile, TLightningType type, int first, int last) {
  Tile = tile;
  Type = type;
  const int limit = type == ltHorizontal ? BoardColumns : BoardRows;
  First = first >= 1 ? first : 1;
  Last = last >= First ? std::min(last, limit) : limit;
  FrameNo = 0;
  Running = true;
  if (PlaySound) PlaySound("Lightning");
}

void TLightningEffect::UpdateAndDraw() {
  if (!Running || !Visible) return;
  ++FrameNo;
  if (FrameNo == StrikeFrame && OnFullEffect) {
    OnFullEffect(*this, Tile, Type);
    if (!Running) return;
  }
  if (FrameNo > FrameCount) {
    Running = false;
    return;
  }
  if (!OmgImgList) return;
  const int frames = 8;
  const float sheetWidth = static_cast<float>(std::max(1, OmgImgList->TileWidthOf("LightningEffect")));
  const float sheetHeight = static_cast<float>(OmgImgList->TileHeightOf("LightningEffect"));
  const float length = 52.0f * (Last - First + 1);
  // Brightest around the strike, fading out afterwards.
  int alpha = FrameNo <= StrikeFrame ? 140 + 115 * FrameNo / StrikeFrame
                                     : 255 - 200 * (FrameNo - StrikeFrame) / (FrameCount - StrikeFrame);
  alpha = std::clamp(alpha, 0, 255);
  const int pattern = (FrameNo + TGameRandom::Random(2)) % frames;
  const float across = sheetHeight / 2;
  if (Type == ltHorizontal) {
    const float x = static_cast<float>(BoardLeft + 52 * (First - 1));
    const float y = static_cast<float>(BoardTop + 52 * (Tile.Y - 1) + 26) - across;
    OmgImgList->DrawImage("LightningEffect", x, y, pattern,
                          {.A = static_cast<std::uint8_t>(alpha), .ScaleX = length / sheetWidth,
                           .CenterY = 0.5f, .Blend = bmAdditive});
  } else {
    // The strip turned upright about its left end, which lies on the column's middle.
    const float x = static_cast<float>(BoardLeft + 52 * (Tile.X - 1) + 26);
    const float y = static_cast<float>(BoardTop + 52 * (First - 1)) - across;
    OmgImgList->DrawImage("LightningEffect", x, y, pattern,
                          {.A = static_cast<std::uint8_t>(alpha), .ScaleX = length / sheetWidth,
                           .CenterY = 0.5f, .Angle = 90, .Blend = bmAdditive});
  }
}
