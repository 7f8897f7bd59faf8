#include "board/TChainLockEffect.h"

#include "engine/TOmegaImageList.h"

void TChainLockEffect::Start(TPoint tilePos, std::uint8_t chainLockLevel) {
  LastUsed = (LastUsed + 1) % SlotCount;
  Slots[LastUsed] = {true, tilePos, chainLockLevel, 0};
  if (PlaySound) PlaySound("ChainLock");
}

void TChainLockEffect::UpdateAndDraw() {
  if (!Visible) return;
  for (TSlot& s : Slots) {
    if (!s.Active) continue;
    if (++s.Counter > Duration) {
      s.Active = false;
      continue;
    }
    if (!OmgImgList) continue;
    const int pattern = FirstPattern(s.Level) + (s.Counter - 1) / FramesPerPattern;
    const int alpha = 255 - 120 * s.Counter / Duration;
    OmgImgList->DrawImage("ChainLock", static_cast<float>(BoardLeft + 52 * (s.Tile.X - 1) - 2),
                          static_cast<float>(BoardTop + 52 * (s.Tile.Y - 1) - 2), pattern,
                          {.A = static_cast<std::uint8_t>(alpha)});
  }
}

void TChainLockEffect::Clear() {
  for (TSlot& s : Slots) s.Active = false;
}

int TChainLockEffect::RunningCount() const {
  int n = 0;
  for (const TSlot& s : Slots) n += s.Active;
  return n;
}
