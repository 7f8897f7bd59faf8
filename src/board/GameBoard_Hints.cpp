// Hints, the no-more-moves check and the run-free board generator.
#include <utility>
#include <vector>

#include "board/TBoardRules.h"
#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
int RandomColumnRow(int& y) {
  int x = 1 + TGameRandom::Random(BoardColumns);
  y = 1 + TGameRandom::Random(BoardRows);
  return x;
}
}  // namespace

void TGameBoard::AdvanceHintTimer() {
  if (Frozen) return;
  HintTimer += TickMilliseconds;
  if (HintTimer >= HintInterval) {
    HintTimer = 0;
    FindHint();
  }
}

void TGameBoard::AdvanceNoMoreMovesTimer() {
  if (!CanMatch || Frozen) return;
  for (const auto& column : TileStates)
    for (TTileState s : column)
      if (s != tsIdle && s != tsNoTile && s != tsAnchored) return;
  NoMovesTimer += TickMilliseconds;
  if (NoMovesTimer >= NoMoreMovesInterval && !HintShown) {
    NoMovesTimer = 0;
    CheckNoMoreMoves();
  }
}

std::vector<std::pair<TPoint, TPoint>> TGameBoard::ListMoves() const {
  return TBoardRules::ListMoves(Board, TileStates);
}

bool TGameBoard::SearchMove(TPoint& p1, TPoint& p2) const {
  int sy;
  int sx = RandomColumnRow(sy);
  int x = sx, y = sy;
  static const int Dx[] = {-1, 1, 0, 0}, Dy[] = {0, 0, -1, 1};
  for (int n = 0; n < BoardColumns * BoardRows; ++n) {
    if (++x > BoardColumns) {
      x = 1;
      if (++y > BoardRows) y = 1;
    }
    if (!Board.At(x, y).IsLockerOrElement()) continue;
    for (int d = 0; d < 4; ++d) {
      TPoint nb{x + Dx[d], y + Dy[d]};
      if (TBoardRules::PairIsMove(Board, TileStates, {x, y}, nb)) {
        p1 = {x, y};
        p2 = nb;
        return true;
      }
    }
  }
  return false;
}

void TGameBoard::FindHint() {
  for (auto& column : HintMarks)
    for (bool& m : column) m = false;
  TPoint a, b;
  if (!SearchMove(a, b)) {
    HintP1 = HintP2 = TPoint{};
    HintShown = false;
    return;
  }
  ShowHint(a, b);
}

void TGameBoard::ShowHint(TPoint p1, TPoint p2) {
  if (!InBoardGrid(p1) || !InBoardGrid(p2)) return;
  for (auto& column : HintMarks)
    for (bool& m : column) m = false;
  HintP1 = p1;
  HintP2 = p2;
  HintMarks[p1.X - 1][p1.Y - 1] = true;
  HintMarks[p2.X - 1][p2.Y - 1] = true;
  HintKind = Board.At(p1).ObjectKind;
  HintSpread = 0;
  HintSpreadDir = 1;
  HintShowTimer = 0;
  HintShown = true;
  HintTimer = 0;
}

void TGameBoard::CancelHint() {
  HintShown = false;
  for (auto& column : HintMarks)
    for (bool& m : column) m = false;
  HintTimer = 0;
}

void TGameBoard::ResetTimers() {
  HintTimer = 0;
  NoMovesTimer = 0;
  NoMovesReported = false;
}

bool TGameBoard::HasMove() {
  TPoint a, b;
  if (SearchMove(a, b)) return true;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind == okFruit && (t.Element == ecHammer || t.Element == ecMultiBubble))
        return true;
    }
  return false;
}

void TGameBoard::CheckNoMoreMoves() {
  NoMovesTimer = 0;
  if (NoMovesReported || !CanMatch || HasMove()) return;
  NoMovesReported = true;
  Raise(OnNoMoreMoves);
}

void TGameBoard::DrawHint() {
  // Hidden with the board (paused, shuffling, taken away) and held where it was.
  if (!HintShown || !CanDraw || !Visible) return;
  HintSpread += HintSpreadDir;
  if (HintSpread >= 8) {
    HintSpread = 8;
    HintSpreadDir = -1;
  } else if (HintSpread <= 0) {
    HintSpread = 0;
    HintSpreadDir = 1;
  }
  if (OmgImgList) {
    int shift = HintKind == okLocker ? -6 : -1;
    auto draw = [&](TPoint p, TPoint partner) {
      const TBoardTile& t = Board.At(p);
      int colour = t.MatchColour();
      if (colour < 1 || colour > ecPotion2) return;
      TPoint s = TileScreenPos(p);
      float x = s.X + shift + (p.X > partner.X ? HintSpread : p.X < partner.X ? -HintSpread : 0);
      float y = s.Y + shift + (p.Y > partner.Y ? HintSpread : p.Y < partner.Y ? -HintSpread : 0);
      OmgImgList->DrawImage("ElementsInside", x + 2, y + 5, colour - 1,
                            {.R = 0, .G = 0, .B = 0, .A = 80, .ScaleX = 1.15f, .ScaleY = 1.15f,
                             .CenterX = 0.5f, .CenterY = 0.5f});
      OmgImgList->DrawImage("ElementsInside", x, y, colour - 1,
                            {.ScaleX = 1.15f, .ScaleY = 1.15f, .CenterX = 0.5f, .CenterY = 0.5f});
    };
    draw(HintP1, HintP2);
    draw(HintP2, HintP1);
  }
  HintShowTimer += TickMilliseconds;
  if (HintShowTimer >= ShowingHintTime) {
    HintShown = false;
    for (auto& column : HintMarks)
      for (bool& m : column) m = false;
  }
}

void TGameBoard::GenerateShuffledBoard(TBoardData& out) {
  // 1. What has to survive: the number of open elements, the items and the potions.
  int elements = 0, hammers = 0, uniBubbles = 0, multiBubbles = 0, fruitBombs = 0;
  std::vector<std::pair<TPoint, std::uint8_t>> potions;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (!t.IsLockerOrElement()) continue;
      elements += t.ObjectKind == okFruit;
      hammers += t.Element == ecHammer;
      uniBubbles += t.Element == ecUniBubble;
      multiBubbles += t.Element == ecMultiBubble;
      fruitBombs += t.FruitBomb != 0;
      if (IsPotionCode(t.Element)) potions.push_back({{x, y}, t.Element});
    }

  // 2. Everything playable becomes a locker of a random colour.
  TBoardData copy = Board;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = copy.At(x, y);
      if (!t.IsLockerOrElement()) continue;
      t.ObjectKind = okLocker;
      t.LockerColor = static_cast<std::uint8_t>(1 + TGameRandom::Random(3));
      t.Element = static_cast<std::uint8_t>(RandomColour());
      t.Web = 0;
      t.FruitBomb = 0;
      t.WormState = wsNone;
      t.WormTimer = 0;
    }

  // 3. As many lockers as there were elements are opened again, at random.
  TGameRandom::Randomize();
  for (int i = 0; i < elements; ++i)
    for (int tries = 0; tries < 10000; ++tries) {
      int y;
      int x = RandomColumnRow(y);
      TBoardTile& t = copy.At(x, y);
      if (t.ObjectKind == okLocker) {
        t.ObjectKind = okFruit;
        t.Element = static_cast<std::uint8_t>(RandomColour());
        break;
      }
    }

  // 4. Break every run by unassigning one tile of it.
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = copy.At(x, y);
      if (!t.IsLockerOrElement() || !TBoardRules::InRun(copy, x, y)) continue;
      (t.ObjectKind == okLocker ? t.LockerColor : t.Element) = ecUnassigned;
    }

  // 5. Give each unassigned tile the first colour that leaves the board without runs.
  int lastAvailable = 0;
  for (int j = 1; j <= ecPotion2; ++j)
    if (AvailableElements.Has(j)) lastAvailable = j;
  for (int pass = 0; pass < 2; ++pass)
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        TBoardTile& t = copy.At(x, y);
        bool locker = t.ObjectKind == okLocker && t.LockerColor == ecUnassigned;
        bool element = t.ObjectKind == okFruit && t.Element == ecUnassigned;
        if (!locker && !element) continue;
        // The unassigned tile is in no run, so runs elsewhere rule out every colour.
        bool runsElsewhere = TBoardRules::AnyMatch(copy, TBoardRules::AllResting());
        if (locker) {
          bool placed = false;
          for (int c = 1; c <= 3 && !placed && !runsElsewhere; ++c) {
            t.LockerColor = static_cast<std::uint8_t>(c);
            placed = !TBoardRules::InRun(copy, x, y);
          }
          if (!placed) {
            t.LockerColor = ecUnassigned;
            t.ObjectKind = okFruit;
            t.Element = ecUnassigned;
          }
          continue;
        }
        bool placed = false;
        for (int j = 1; j <= ecPotion2 && !placed && !runsElsewhere; ++j) {
          if (!AvailableElements.Has(j)) continue;
          t.Element = static_cast<std::uint8_t>(j);
          placed = !TBoardRules::InRun(copy, x, y);
        }
        // An unassigned code would never be drawn or matched; a set without any
        // code 1..18 still gives a plain first element.
        if (!placed) t.Element = static_cast<std::uint8_t>(lastAvailable ? lastAvailable : 1);
      }

  // 6. The items come back on random playable tiles.
  TGameRandom::Randomize();
  for (int i = 0; i < 10000 && hammers + uniBubbles + multiBubbles + fruitBombs > 0; ++i) {
    int y;
    int x = RandomColumnRow(y);
    TBoardTile& t = copy.At(x, y);
    // Only playable tiles take an item; a hole must stay a hole.
    if (!t.IsLockerOrElement()) continue;
    if (hammers > 0) {
      t.ObjectKind = okFruit;
      t.Element = ecHammer;
      --hammers;
    } else if (uniBubbles > 0) {
      t.ObjectKind = okFruit;
      t.Element = ecUniBubble;
      --uniBubbles;
    } else if (multiBubbles > 0) {
      t.ObjectKind = okFruit;
      t.Element = ecMultiBubble;
      --multiBubbles;
    } else {
      t.ObjectKind = okFruit;
      t.FruitBomb = 1;
      --fruitBombs;
    }
  }

  // 7. Potions stay where they were, as open elements.
  for (const auto& [p, code] : potions) {
    copy.At(p).ObjectKind = okFruit;
    copy.At(p).Element = code;
  }
  out = copy;
}
