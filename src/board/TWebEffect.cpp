#include "board/TWebEffect.h"

#include "engine/TOmegaImageList.h"

void TWebEffect::Start(TPoint tilePos) {
  LastUsed = (LastUsed + 1) % SlotCount;
  Slots[LastUsed] = {true, tilePos, 0};
}

void TWebEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TSlot& s : Slots) {
    if (!s.Active) continue;
    if (++s.Counter > Duration) {
      s.Active = false;
      continue;
    }
    if (!OmgImgList) continue;
    const int pattern = 1 + (s.Counter - 1) / FramesPerPattern;
    const int alpha = 255 - 150 * s.Counter / Duration;
    // Drawn where the board draws a whole web, sagging a pixel a frame.
    const float x = static_cast<float>(BoardLeft + 52 * (s.Tile.X - 1) - 1);
    const float y = static_cast<float>(BoardTop + 52 * (s.Tile.Y - 1) - 2 + s.Counter);
    OmgImgList->DrawImage("Web", x, y, pattern,
                          {.A = static_cast<std::uint8_t>(alpha), .ScaleX = 1 + 0.01f * s.Counter,
                           .ScaleY = 1 + 0.01f * s.Counter, .CenterX = 0.5f, .CenterY = 0.5f});
  }
}

void TWebEffect::Clear() {
  for (TSlot& s : Slots) s.Active = false;
}

int TWebEffect::RunningCount() const {
  int n = 0;
  for (const TSlot& s : Slots) n += s.Active;
  return n;
}
