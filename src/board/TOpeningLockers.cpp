#include "board/TOpeningLockers.h"

#include "board/TBoardTile.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

void TOpeningLockers::Start(const TBoardData& board, const TSimpleObjectArray& lockersToOpen) {
  if (!lockersToOpen.Any()) return;
  Batch = Batch % BatchCount + 1;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (lockersToOpen.IsSet(x, y)) Tiles[x - 1][y - 1] = {true, 0, Batch, board.At(x, y).Element};
  if (PlaySound) PlaySound("LockerBreak");
}

void TOpeningLockers::UpdateAndDraw() {
  if (!Visible) return;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = Tiles[x - 1][y - 1];
      if (!t.Active) continue;
      ++t.Counter;
      if (t.Counter == BreakFrame && OnPiecesEffectRequest) OnPiecesEffectRequest(*this, {x, y});
      if (t.Counter >= Duration) {
        // Cleared first, so that the last tile of all finds no other one opening.
        t.Active = false;
        if (OnOpeningEffectComplete) OnOpeningEffectComplete(*this, {x, y}, OpeningCount() == 0);
        continue;
      }
      Draw({x, y}, t);
    }
}

void TOpeningLockers::Draw(TPoint p, const TTile& t) {
  if (!OmgImgList) return;
  float x = static_cast<float>(BoardLeft + 52 * (p.X - 1));
  float y = static_cast<float>(BoardTop + 52 * (p.Y - 1));
  float scale = 1;
  int alpha = 255;
  if (t.Counter < BreakFrame) {
    // Still shut: it trembles and shows through dimly.
    x += static_cast<float>(TGameRandom::Random(3) - 1);
    y += static_cast<float>(TGameRandom::Random(3) - 1);
    alpha = 110 + 15 * t.Counter;
  } else {
    // Out: a small pop that settles back to its size.
    scale = 1 + 0.25f * static_cast<float>(Duration - t.Counter) / (Duration - BreakFrame);
  }
  const auto a = static_cast<std::uint8_t>(alpha);
  if (t.Element == ecUniBubble)
    OmgImgList->DrawImage(
        "BubbleInside", x, y, UniFruitColorIndex - 1,
        {.A = a, .ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f});
  else if (t.Element >= 1 && t.Element <= ecPotion2)
    OmgImgList->DrawImage(
        "ElementsInside", x, y, t.Element - 1,
        {.A = a, .ScaleX = scale, .ScaleY = scale, .CenterX = 0.5f, .CenterY = 0.5f});
}

void TOpeningLockers::Clear() {
  for (auto& column : Tiles)
    for (TTile& t : column) t = TTile{};
}

int TOpeningLockers::OpeningCount() const {
  int n = 0;
  for (const auto& column : Tiles)
    for (const TTile& t : column) n += t.Active;
  return n;
}
