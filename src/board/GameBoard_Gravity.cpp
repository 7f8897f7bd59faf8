// Falling, settling, spawning, the uni-bubble colour and potions on the bottom.
#include "board/TBoardRules.h"
#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"

void TGameBoard::AdvanceUniColour() {
  UniColorTimer += TickMilliseconds;
  if (UniColorTimer < UniFruitInterval) return;
  UniColorTimer = 0;
  // Bounded: a set without any colour 1..16 must not hang the frame.
  for (int i = 0; i < 16; ++i) {
    UniColorIdx = UniColorIdx >= 16 ? 1 : UniColorIdx + 1;
    if (AvailableElements.Has(UniColorIdx)) break;
  }
}

void TGameBoard::MarkFalling() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (Board.At(x, y).ObjectKind != okTempBlank) continue;
      for (int w = y; w >= 1; --w) {
        TTileState& s = StateAt(x, w);
        if (s == tsNoTile || s == tsAnchored) break;
        // A swapping or opening tile keeps its content: what rests on it waits there
        // rather than sliding into it and snapping back.
        if (s == tsSwapping || s == tsOpening) break;
        // A blocker is not carried down (it has no content); it holds the column.
        if (Board.At(x, w).ObjectKind == okBlocker) break;
        if (s == tsIdle) {
          s = tsFalling;
          Board.At(x, w).FallOffset = 0;
        }
      }
    }
}

bool TGameBoard::CanFallFurther(int x, int y) const {
  return TBoardRules::CanFallFurther(Board, x, y);
}

bool TGameBoard::IsSegmentTop(int x, int y) const {
  return TBoardRules::SegmentTop(Board, x, y) == y;
}

void TGameBoard::MoveFalling() {
  bool wasFalling = false;
  for (const auto& column : TileStates)
    for (TTileState s : column) wasFalling |= s == tsFalling;

  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = BoardRows; y >= 1; --y) {
      if (StateAt(x, y) != tsFalling) continue;
      TBoardTile& t = Board.At(x, y);
      t.FallOffset += DroppingStep;
      if (t.FallOffset < 52) continue;
      t.FallOffset = 0;
      if (t.IsLockerOrElement()) {
        if (y == BoardRows || Board.At(x, y + 1).ObjectKind != okTempBlank) {
          // Nothing empty below (a tile still swapping or grouping there): it rests
          // here and falls on once that tile has been emptied.
          StateAt(x, y) = tsIdle;
          continue;
        }
        Board.At(x, y + 1) = t;
        if (!CanFallFurther(x, y + 1)) {
          StateAt(x, y + 1) = tsIdle;
          StartLandingBounce(x);
        }
      }
      t.ObjectKind = okTempBlank;
      if (IsSegmentTop(x, y)) {
        SpawnElement(x, y);
        StateAt(x, y) = CanFallFurther(x, y) ? tsFalling : tsIdle;
      }
    }

  bool stillFalling = false;
  for (const auto& column : TileStates)
    for (TTileState s : column) stillFalling |= s == tsFalling;
  if (wasFalling && !stillFalling) {
    CheckLockerMatches();
    SettleTime = 0;
    SettleFlag = true;
  }
}

void TGameBoard::AdvanceSettleTimer() {
  if (!SettleFlag || Frozen) return;
  SettleTime += TickMilliseconds;
  if (SettleTime >= 300) {
    SettleFlag = false;
    CheckElementMatches();
  }
}

int TGameBoard::RandomColour() const {
  return TBoardRules::RandomColour(AvailableElements, TGameRandom::Random);
}

int TGameBoard::CountOnBoard(int element) const {
  int n = 0;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      n += t.IsLockerOrElement() && t.Element == element;
    }
  return n;
}

void TGameBoard::SpawnElement(int x, int y) {
  ++UniCounter;
  ++FruitBombCounter;
  TBoardTile& t = Board.At(x, y);
  t.ObjectKind = okFruit;
  t.LockerColor = static_cast<std::uint8_t>(1 + TGameRandom::Random(3));
  t.Element = static_cast<std::uint8_t>(RandomColour());
  t.Web = 0;
  t.FruitBomb = 0;

  if (!t.IsSpecial() && OneUniFruitEveryInterval > 0 && UniCounter >= OneUniFruitEveryInterval &&
      CountOnBoard(ecUniBubble) < MaxUniFruitOnBoard) {
    UniCounter = 0;
    t.Element = ecUniBubble;
    Raise(OnFruitBubbleAdded);
  }
  if (!t.IsSpecial() && OneMultiBubbleEveryProb > 0 &&
      TGameRandom::Random(OneMultiBubbleEveryProb) == 0 &&
      CountOnBoard(ecMultiBubble) < MaxMultiBubbleOnBoard) {
    t.Element = ecMultiBubble;
    t.BlasterColor = RandomColour();
    Raise(OnFruitBlasterAdded);
  }
  if (!t.IsSpecial() && OneHammerEveryProb > 0 && TGameRandom::Random(OneHammerEveryProb) == 0 &&
      CountOnBoard(ecHammer) < MaxHammersOnBoard) {
    t.Element = ecHammer;
    Raise(OnHammerAdded);
  }
  if (!t.IsSpecial() && OneFruitBombEveryInterval > 0 &&
      FruitBombCounter >= OneFruitBombEveryInterval) {
    int bombs = 0;
    for (int i = 1; i <= BoardColumns; ++i)
      for (int j = 1; j <= BoardRows; ++j)
        bombs += Board.At(i, j).ObjectKind == okFruit && Board.At(i, j).FruitBomb != 0;
    if (bombs < MaxFruitBombsOnBoard) {
      FruitBombCounter = 0;
      t.FruitBomb = 1;
      Raise(OnFruitBombAdded);
    }
  }
  struct TPickUp {
    int Prob;
    std::uint8_t Code;
    TToolKind Lowest;
    std::function<void(TGameBoard&, int&)>* Question;
  };
  TPickUp pickUps[] = {
      {OneMagicKeyEveryProb, ecMagicKey, toMagicKey, &OnAcquiredMagicKeysQuestion},
      {OneBroomEveryProb, ecBroom, toBroom, &OnAcquiredBroomsQuestion},
      {OneAerosolEveryProb, ecAerosol, toAerosol, &OnAcquiredAerosolsQuestion},
  };
  for (const TPickUp& p : pickUps) {
    if (t.IsSpecial() || p.Prob <= 0 || TGameRandom::Random(p.Prob) != 0) continue;
    if (CountOnBoard(p.Code) > 0 || MaxToolKind < p.Lowest) continue;
    int held = 0;
    if (*p.Question) (*p.Question)(*this, held);
    if (held < 9) t.Element = p.Code;
  }
}

bool TGameBoard::PotionOnBottom(TPoint p) const {
  return TBoardRules::PotionOnBottom(Board, p);
}
