#include "board/TLockerFiller.h"

#include <algorithm>

#include "board/TBoardTile.h"
#include "engine/TOmegaImageList.h"

void TLockerFiller::Start(const TBoardData& board) {
  Stop();
  Board = board;
  Active = true;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) ToLand += !Board.At(x, y).IsHole();
  for (int y = BoardRows; y >= 1 && CursorY == 0; --y)
    if (LastColumn(y) > 0) {
      CursorX = LastColumn(y);
      CursorY = y;
    }
  if (CursorY == 0) {
    Parked = true;  // nothing to fill: done on the next frame
    return;
  }
  Release(CursorX, CursorY);
}

int TLockerFiller::FirstColumn(int row) const {
  for (int x = 1; x <= BoardColumns; ++x)
    if (!Board.At(x, row).IsHole()) return x;
  return BoardColumns + 1;
}

int TLockerFiller::LastColumn(int row) const {
  for (int x = BoardColumns; x >= 1; --x)
    if (!Board.At(x, row).IsHole()) return x;
  return 0;
}

void TLockerFiller::StepCursor() {
  if (MovingLeft ? CursorX > FirstColumn(CursorY) : CursorX < LastColumn(CursorY)) {
    CursorX += MovingLeft ? -1 : 1;
  } else if (CursorY > 1) {
    --CursorY;
    CursorX = MovingLeft ? 1 : BoardColumns;
    MovingLeft = !MovingLeft;
  } else {
    Parked = true;
    return;
  }
  Release(CursorX, CursorY);
}

void TLockerFiller::Release(int x, int y) {
  TTile& t = At(x, y);
  if (Board.At(x, y).IsHole() || t.Released) return;
  t.Released = true;
  t.DropPos = 0;
}

void TLockerFiller::Drop() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TTile& t = At(x, y);
      if (!t.Released || t.Landed) continue;
      const int target = 52 * (y - 1);
      t.DropPos = std::min(t.DropPos + DropStep, target);
      if (t.DropPos < target) continue;
      t.Landed = true;
      --ToLand;
      if (!PlaySound) continue;
      if (x % 2 == 1 && y % 2 == 1) PlaySound("ElementBounce1");
      else if (x % 2 == 0 && y % 2 == 0) PlaySound("ElementBounce2");
    }
}

void TLockerFiller::UpdateAndDraw() {
  if (!Active) return;
  Drop();
  if (!Parked) {
    StepTimer += TickMilliseconds;
    // A gap shorter than a frame takes several steps; none at all takes them all.
    while (!Parked && StepTimer >= GapInterval) {
      StepTimer -= std::max(GapInterval, 0);
      StepCursor();
    }
  }
  if (Visible && OmgImgList) Draw();
  if (ToLand > 0) return;
  Active = false;
  if (OnFinish) OnFinish(*this);
}

void TLockerFiller::Draw() {
  auto screenX = [this](int x) { return static_cast<float>(BoardLeft + 52 * (x - 1)); };
  auto screenY = [this](const TTile& t) { return static_cast<float>(BoardTop + t.DropPos); };
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TTile& t = At(x, y);
      if (!t.Released) continue;
      OmgImgList->DrawImage("BackgroundTile", screenX(x) - 2, screenY(t) - 2,
                            Board.At(x, y).BackgroundVariant != 0 ? 1 : 0);
    }
  // Elements whatever the background variant, as the board shows them once the fill ends;
  // only element tiles, so the stray element byte of an empty tile stays unseen.
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TTile& t = At(x, y);
      const TBoardTile& b = Board.At(x, y);
      if (!t.Released || b.ObjectKind != okFruit) continue;
      if (b.Element == ecUniBubble)
        OmgImgList->DrawImage("BubbleInside", screenX(x), screenY(t), UniFruitColorIndex - 1);
      else if (b.Element <= ecPotion2)
        OmgImgList->DrawImage("ElementsInside", screenX(x), screenY(t), b.Element - 1);
    }
  for (int x = BoardColumns; x >= 1; --x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TTile& t = At(x, y);
      const TBoardTile& b = Board.At(x, y);
      if (!t.Released || !b.IsLockerOrElement() || b.ChainLevel == 0) continue;
      OmgImgList->DrawImage("ChainLock", screenX(x) - 2, screenY(t) - 2, 0);
      if (b.ChainLevel == 2) OmgImgList->DrawImage("ChainLock", screenX(x) - 2, screenY(t) - 2, 5);
    }
}

void TLockerFiller::Stop() {
  for (auto& column : Tiles)
    for (TTile& t : column) t = TTile{};
  Active = false;
  CursorX = CursorY = 0;
  MovingLeft = true;
  Parked = false;
  StepTimer = 0;
  ToLand = 0;
}
