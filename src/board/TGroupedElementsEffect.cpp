#include "board/TGroupedElementsEffect.h"

#include "board/TBoardTile.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
bool IsPickUpCode(int code) { return code >= ecMagicKey && code <= ecAerosol; }

int Shake() {
  int a = TGameRandom::Random(2);
  int b = TGameRandom::Random(2);
  return a - b;
}
}  // namespace

void TGroupedElementsEffect::Start(const TBoardData& newBoardData,
                                   const TSimpleObjectArray& groupedFruits,
                                   bool triggeredByBlaster) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = At(x, y);
      const bool masked = groupedFruits.IsSet(x, y);
      // Tiles still shaking from an earlier request keep the element they were grouped with.
      if (masked || !t.Active) Board.At(x, y) = newBoardData.At(x, y);
      if (masked) t = TTile{true, 0, triggeredByBlaster, Updating};
    }
  if (groupedFruits.Any() && PlaySound) PlaySound("SlotTing");
}

void TGroupedElementsEffect::UpdateAndDraw() {
  Updating = true;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = At(x, y);
      if (!t.Active || t.Fresh) continue;
      ++t.Counter;
      if (Visible && OmgImgList) Draw(x, y, t.Counter);
      if (t.Counter < Duration) continue;
      // Every pick-up and found flower on the grid goes now, even those visited later in
      // this pass; those are reported only, never completed.
      ReportPickUps();
      const bool blaster = t.TriggeredByBlaster;
      t.Active = false;
      TSimpleObjectArray only;
      only.Set(x, y);
      if (OnGroupingEffectComplete) OnGroupingEffectComplete(*this, Board, only, blaster);
    }
  Updating = false;
  for (auto& column : Tiles)
    for (TTile& t : column) t.Fresh = false;
}

void TGroupedElementsEffect::ReportPickUps() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = At(x, y);
      const int code = Board.At(x, y).Element;
      if (!t.Active || t.Fresh || !IsPickUpCode(code)) continue;
      t.Active = false;
      if (OnNewToolAcquired) OnNewToolAcquired(*this, {x, y}, code);
    }
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = At(x, y);
      if (!t.Active || t.Fresh || Board.At(x, y).Element != ecFoundFlower) continue;
      t.Active = false;
      if (OnNewFlowerAcquired) OnNewFlowerAcquired(*this, {x, y});
    }
}

void TGroupedElementsEffect::Draw(int x, int y, int counter) {
  const int code = Board.At(x, y).Element;
  // Only elements have a picture in the element sheet; items shake unseen.
  if (code < 1 || code > ecPotion2) return;
  const TPoint j = Jitter[counter - 1];
  const int dx = Shake();
  const int dy = Shake();
  OmgImgList->DrawImage("ElementsInside",
                        static_cast<float>(BoardLeft + 52 * (x - 1) - 3 + j.X + dx),
                        static_cast<float>(BoardTop + 52 * (y - 1) - 3 + j.Y + dy), code - 1);
}

void TGroupedElementsEffect::Clear() {
  for (auto& column : Tiles)
    for (TTile& t : column) t = TTile{};
}

int TGroupedElementsEffect::GroupingCount() const {
  int n = 0;
  for (const auto& column : Tiles)
    for (const TTile& t : column) n += t.Active;
  return n;
}
