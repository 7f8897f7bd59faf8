#include "board/TGameBoard.h"

#include <algorithm>

#include "board/TBoardRules.h"
#include "engine/TGameRandom.h"

TGameBoard::TGameBoard() {
  SelectionAlpha.Setup(150, 255, 10, 10);
  PotionGlow.Setup(-60, 120, 6, 4);
  PotionGlow.SetRangeMin(0);
  PotionGlow.SetRangeMax(80);
  UniSquash.Setup(0, 0.075f, 0.0075f, 0.0075f);

  // A new board is a full board of random elements.
  TGameRandom::Randomize();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = Board.At(x, y);
      t = TBoardTile{};
      t.ObjectKind = okFruit;
      t.LockerColor = static_cast<std::uint8_t>(1 + TGameRandom::Random(3));
      t.Element = static_cast<std::uint8_t>(RandomColour());
      t.BlasterColor = 1;
    }
  RebuildTileStates();
  DrawNewFlowerThreshold();
}

void TGameBoard::RebuildTileStates() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind == okUnused)
        StateAt(x, y) = tsNoTile;
      else if (t.IsLockerOrElement() && t.ChainLevel > 0)
        StateAt(x, y) = tsAnchored;
      else
        StateAt(x, y) = tsIdle;
    }
}

void TGameBoard::ClearPerTileGrids() {
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) {
      Ripple[x][y] = 0;
      HintMarks[x][y] = false;
      ToolMarks[x][y] = false;
      Reveal[x][y] = TReveal{};
      FairyWaiting[x][y] = false;
    }
}

void TGameBoard::DrawNewFlowerThreshold() {
  FlowerThresholdValue =
      OneFlowerPerLockersMin +
      TGameRandom::Random(OneFlowerPerLockersMax - OneFlowerPerLockersMin + 1);
}

void TGameBoard::LoadBoard(const TBoardData& boardData) {
  Board = boardData;
  RebuildTileStates();
  for (auto& column : Ripple)
    for (int& r : column) r = 0;
  WaveActive = false;
  SelectionActiveFlag = false;
  MouseHeldFlag = false;
}

void TGameBoard::FillRandom() {
  TGameRandom::Randomize();
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind == okLocker) t.ObjectKind = okFruit;
      t.Element = static_cast<std::uint8_t>(RandomColour());
      t.BlasterColor = 1;
    }
  HintTimer = 0;
  NoMovesTimer = 0;
  DrawNewFlowerThreshold();
}

void TGameBoard::Reset() {
  CanMatch = true;
  Frozen = false;
  ClearPerTileGrids();
  RippleTimer = 500;
  SelectionActiveFlag = false;
  MouseHeldFlag = false;
  HintShown = false;
  HintP1 = HintP2 = TPoint{};
  HintTimer = 0;
  HintShowTimer = 0;
  NoMovesTimer = 0;
  NoMovesReported = false;
  SettleFlag = false;
  SettleTime = 0;
  UniColorTimer = 0;
  UniCounter = 0;
  FruitBombCounter = 0;
  LockerChecks = 0;
  PendingCombos = false;
  WaveActive = false;
  for (auto& column : Bounce)
    for (TBounce& b : column) b = TBounce{};
  // Back to rest, but holes stay holes and chains stay anchored: all-idle states
  // would let gravity run through unused tiles until the next LoadBoard.
  RebuildTileStates();
  DrawNewFlowerThreshold();
}

TPoint TGameBoard::ScreenToTile(int x, int y) const {
  // Floor division keeps points left of or above the grid at 0 or below.
  auto cell = [](int d) {
    int v = d >= 0 ? d / 52 : -((-d + 51) / 52);
    return std::max(v, 0);
  };
  return {cell(x - Left + 52), cell(y - Top + 52)};
}

bool TGameBoard::IsLockerTile(TPoint p) const {
  return InBoardGrid(p) && Board.At(p).ObjectKind == okLocker;
}

bool TGameBoard::IsHoleOrOutside(TPoint p) const {
  return !InBoardGrid(p) || Board.At(p).IsHole();
}

bool TGameBoard::IsOpenElement(TPoint p) const {
  if (!InBoardGrid(p)) return false;
  const TBoardTile& t = Board.At(p);
  return t.ObjectKind == okFruit && t.Element != ecUniBubble && !IsPotionCode(t.Element);
}

int TGameBoard::ElementAt(TPoint p) const { return InBoardGrid(p) ? Board.At(p).Element : 0; }

void TGameBoard::CentreUsedArea() {
  TPoint origin = TBoardRules::CentredOrigin(Board);
  Left = origin.X;
  Top = origin.Y;
}

TPoint TGameBoard::UsedAreaOrigin() const {
  int c, d, e, f;
  TBoardRules::UsedRange(Board, true, c, d);
  TBoardRules::UsedRange(Board, false, e, f);
  if (c == 0) c = BoardColumns;
  if (e == 0) e = BoardRows;
  return {Left + 52 * c - 62, Top + 52 * e - 63};
}

void TGameBoard::UpdateAndDraw() {
  if (!CanDraw || !Visible) return;
  AdvanceUniColour();
  AdvanceWorms();
  AdvanceBlasterWave();
  AdvanceRipples();
  AdvanceHintTimer();
  AdvanceNoMoreMovesTimer();
  AdvanceBounces();
  MarkFalling();
  if (!Frozen) MoveFalling();
  if (!IsWindows8OrLater) DrawBackgroundTiles();
  Raise(OnTimeToDrawBoardBorder);
  Raise(OnTimeToDrawLockerFrames);
  DrawElements();
  DrawReveals();
  DrawChainsAndWebs(false);
  DrawChainsAndWebs(true);
  DrawSelection();
  AdvanceSettleTimer();
}

void TGameBoard::AdvanceWorms() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = Board.At(x, y);
      if (t.WormState == wsEating) {
        t.WormTimer += TickMilliseconds;
        if (t.WormTimer >= WormEatingTime) {
          t.WormTimer = 0;
          t.WormState = wsEaten;
        }
      } else if (t.WormState == wsEaten) {
        bool& waiting = FairyWaiting[x - 1][y - 1];
        t.WormTimer += TickMilliseconds;
        int limit = waiting ? WaitingFairyRestoreInterval : FruitRegenerateTime;
        if (t.WormTimer >= limit) {
          t.WormTimer = 0;
          waiting = true;
          if (OnFruitRestoreEffectRequest) OnFruitRestoreEffectRequest(*this, {x, y});
        }
      }
    }
}

void TGameBoard::RestoreFruit(TPoint p) {
  if (!InBoardGrid(p)) return;
  TBoardTile& t = Board.At(p);
  if (t.WormState != wsEaten || !FairyWaiting[p.X - 1][p.Y - 1]) return;
  t.WormState = wsNone;
  t.WormTimer = 0;
  FairyWaiting[p.X - 1][p.Y - 1] = false;
  CheckElementMatches();
}

bool TGameBoard::CanHostWeb(TPoint p) const {
  if (!InBoardGrid(p)) return false;
  const TBoardTile& t = Board.At(p);
  return t.IsLockerOrElement() && !t.IsSpecial() && !IsPotionCode(t.Element) &&
         !IsFlowerCode(t.Element) && t.WormState == wsNone && t.Web == 0 && t.ChainLevel == 0;
}

bool TGameBoard::TryPutWeb(TPoint p) {
  if (!InBoardGrid(p)) return false;
  TBoardTile& t = Board.At(p);
  if (!t.IsLockerOrElement() || t.IsSpecial() || IsPotionCode(t.Element) ||
      IsFlowerCode(t.Element))
    return false;
  t.Web = 1;
  if (SelectionActiveFlag && SelectedPosition == p) SelectionActiveFlag = false;
  return true;
}

void TGameBoard::RemoveWeb(TPoint p) {
  if (!InBoardGrid(p)) return;
  Board.At(p).Web = 0;
  if (OnWebEffectRequest) OnWebEffectRequest(*this, p);
}

int TGameBoard::CountWebs() const {
  int n = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      // A web byte left on a hole by a level file is not a web.
      const TBoardTile& t = Board.At(x, y);
      n += t.IsLockerOrElement() && t.Web != 0;
    }
  return n;
}

