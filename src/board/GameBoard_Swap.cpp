// Clicks, swaps, the run search and the two match checks.
#include <cstdlib>
#include <utility>

#include "board/TBoardRules.h"
#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"

TSimpleObjectArray TGameBoard::FindRuns(const TBoardData& board,
                                        const TTileState (&states)[BoardColumns][BoardRows],
                                        bool lockers, int colour) {
  return TBoardRules::FindRuns(board, states, lockers, colour);
}

bool TGameBoard::AnyMatch(const TBoardData& board,
                          const TTileState (&states)[BoardColumns][BoardRows]) {
  return TBoardRules::AnyMatch(board, states);
}

void TGameBoard::MouseDown(int x, int y, TMouseButton button) {
  if (!CanDraw || !Visible) return;
  // A tile swapped away now would escape the wave or strike that is about to take it.
  if (BlasterWaveHoldsClicks()) return;
  bool allowed = true;
  if (OnClickAllowedQuestion) OnClickAllowedQuestion(*this, allowed);
  if (!allowed) return;
  TPoint p = ScreenToTile(x, y);
  if (button == TMouseButton::Right || !InBoardGrid(p) || Board.At(p).ObjectKind == okUnused) {
    SelectionActiveFlag = false;
    return;
  }
  TileClick(p);
}

void TGameBoard::SetMouseHeld(bool held) {
  if (Visible) MouseHeldFlag = held;
}

void TGameBoard::TileClick(TPoint p) {
  if (!InBoardGrid(p)) return;
  const TBoardTile& tile = Board.At(p);
  if (tile.Web != 0 || tile.ChainLevel > 0) {
    SelectionActiveFlag = false;
    return;
  }
  if (StateAt(p.X, p.Y) != tsIdle) return;

  CancelHint();
  Raise(OnObjectTileClick);

  if (!SelectionActiveFlag) {
    LastClickedPos = p;
    SelectionActiveFlag = true;
  }
  SelectionActiveFlag = p == LastClickedPos;
  LastClickedPos = p;

  if (tile.ObjectKind == okFruit && (tile.Element == ecUniBubble || tile.Element == ecHammer ||
                                     tile.Element == ecMultiBubble)) {
    if (SelectionActiveFlag) {
      ActivateClickable(p);
      // The item is used up by the click; keeping the selection would leave the frame
      // on an older tile and let the next click swap that one.
      SelectionActiveFlag = false;
    }
    MouseHeldFlag = false;
    return;
  }

  if (SelectionActiveFlag) {
    SelectedPosition = p;
    SelectionStyleValue = 0;
    return;
  }

  SecondPosition = p;
  MouseHeldFlag = false;
  const TPoint a = SelectedPosition, b = SecondPosition;
  bool neighbours = (a.X == b.X && std::abs(a.Y - b.Y) == 1) ||
                    (a.Y == b.Y && std::abs(a.X - b.X) == 1);
  // The first tile is checked again: it may have started to fall, been webbed or
  // chained since it was selected.
  bool firstFree = InBoardGrid(a) && StateAt(a.X, a.Y) == tsIdle && Board.At(a).Web == 0 &&
                   Board.At(a).ChainLevel == 0;
  if (!neighbours || !firstFree || Board.At(a).ObjectKind != tile.ObjectKind ||
      !tile.IsLockerOrElement()) {
    SelectionActiveFlag = false;
    return;
  }

  TBoardData copy = Board;
  std::swap(copy.At(a), copy.At(b));
  bool matchOccurs = AnyMatch(copy, TileStates);
  if (matchOccurs) Raise(OnManualMatch);
  StateAt(a.X, a.Y) = tsSwapping;
  StateAt(b.X, b.Y) = tsSwapping;

  TSwappedObjectsData data;
  data.Object1Pos = a;
  data.Object2Pos = b;
  auto fill = [](const TBoardTile& t, std::uint8_t& kind, std::uint8_t& special,
                 std::uint8_t& colour, std::uint8_t& bomb, std::uint8_t& worm) {
    kind = t.ObjectKind;
    special = t.IsSpecial() ? 1 : 0;
    if (t.ObjectKind == okLocker) colour = t.LockerColor;
    else if (t.ObjectKind == okFruit) colour = t.Element;
    bomb = t.FruitBomb;
    worm = t.WormState;
  };
  fill(Board.At(a), data.Kind1, data.Special1, data.Color1, data.Bomb1, data.Worm1);
  fill(Board.At(b), data.Kind2, data.Special2, data.Color2, data.Bomb2, data.Worm2);
  if (OnSwapEffectRequest) OnSwapEffectRequest(*this, data, matchOccurs);
}

void TGameBoard::ActivateClickable(TPoint p) {
  TBoardTile& t = Board.At(p);
  if (t.Element == ecUniBubble) {
    Sound("BubblePop");
    if (OnUniBubbleEffectRequest) OnUniBubbleEffectRequest(*this, p);
    t.Element = static_cast<std::uint8_t>(UniColorIdx);
    Reveal[p.X - 1][p.Y - 1] = TReveal{true, 0};
  } else if (t.Element == ecHammer) {
    Sound("ItemActivated");
    StateAt(p.X, p.Y) = tsStruck;
    if (OnHammerEffectRequest) OnHammerEffectRequest(*this, p);
  } else if (t.Element == ecMultiBubble) {
    Sound("ItemActivated");
    int colour = t.BlasterColor;
    t.Element = static_cast<std::uint8_t>(colour);
    WaveColour = colour;
    if (OnMultiBubbleClicked) OnMultiBubbleClicked(*this, p, TPoint{}, colour);
  }
}

void TGameBoard::ApplySwap(TPoint a, TPoint b) {
  if (!InBoardGrid(a) || !InBoardGrid(b)) return;
  TBoardTile& t1 = Board.At(a);
  TBoardTile& t2 = Board.At(b);
  if (t1.ObjectKind == okLocker) std::swap(t1.LockerColor, t2.LockerColor);
  std::swap(t1.Element, t2.Element);
  std::swap(t1.FruitBomb, t2.FruitBomb);
  std::swap(t1.WormState, t2.WormState);
  std::swap(t1.WormTimer, t2.WormTimer);
  std::swap(t1.BlasterColor, t2.BlasterColor);
  StateAt(a.X, a.Y) = tsIdle;
  StateAt(b.X, b.Y) = tsIdle;
}

void TGameBoard::ClearSwapStates(TPoint a, TPoint b) {
  if (InBoardGrid(a)) StateAt(a.X, a.Y) = tsIdle;
  if (InBoardGrid(b)) StateAt(b.X, b.Y) = tsIdle;
}

void TGameBoard::AbsorbHit(TPoint p) {
  TBoardTile& t = Board.At(p);
  if (t.Web != 0) RemoveWeb(p);
  if (t.ChainLevel > 0) {
    std::uint8_t had = t.ChainLevel;
    --t.ChainLevel;
    if (t.ChainLevel == 0) StateAt(p.X, p.Y) = tsIdle;
    if (OnChainLockEffectRequest) OnChainLockEffectRequest(*this, p, had);
  }
}

void TGameBoard::CheckLockerMatches() {
  if (!CanMatch) return;
  bool flowerDue = false;
  if (++LockerChecks >= FlowerThresholdValue) {
    DrawNewFlowerThreshold();
    LockerChecks = 0;
    bool canAdd = false;
    if (OnCanAddFlowerQuestion) OnCanAddFlowerQuestion(*this, canAdd);
    flowerDue = canAdd && ActiveMode == amFindFlower;
  }
  TSimpleObjectArray lockersToOpen;
  bool touched = false;
  for (int colour = 1; colour <= 3; ++colour) {
    TSimpleObjectArray runs = FindRuns(Board, TileStates, true, colour);
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        if (!runs.IsSet(x, y) || !IsRestingState(StateAt(x, y))) continue;
        touched = true;
        const TBoardTile& t = Board.At(x, y);
        if (!t.AbsorbsHits()) {
          lockersToOpen.Set(x, y);
          StateAt(x, y) = tsOpening;
        } else {
          AbsorbHit({x, y});
        }
      }
  }
  if (flowerDue) PlaceFoundFlower(lockersToOpen);
  if (touched) Raise(OnNoMatchTimerReset);
  if (OnOpeningLockersEffectRequest) OnOpeningLockersEffectRequest(*this, Board, lockersToOpen);
}

void TGameBoard::PlaceFoundFlower(const TSimpleObjectArray& opened) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!opened.IsSet(x, y) || Board.At(x, y).IsSpecial()) continue;
      Board.At(x, y).Element = ecFoundFlower;
      TFlowerIdxSet set = 0;
      if (OnUnobtainedFlowerIdxSetRequest) OnUnobtainedFlowerIdxSetRequest(*this, set);
      auto has = [set](int i) { return (set >> i) & 1; };
      int idx = 0;
      for (int i = 0; i < 100 && idx == 0; ++i) {
        int d = 1 + TGameRandom::Random(6);
        if (has(d)) idx = d;
      }
      for (int i = 1; i <= 6 && idx == 0; ++i)
        if (has(i)) idx = i;
      LastFoundFlowerIdx = idx == 0 ? 1 : idx;
      return;
    }
}

void TGameBoard::CheckElementMatches() {
  if (!CanMatch) return;
  // Potions on the bottom and pick-ups are taken with every colour.
  TSimpleObjectArray extras;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind != okFruit) continue;
      if ((IsPotionCode(t.Element) && PotionOnBottom({x, y})) || t.Element == ecFoundFlower ||
          t.Element == ecMagicKey || t.Element == ecBroom || t.Element == ecAerosol)
        extras.Set(x, y);
    }
  TSimpleObjectArray grouped;
  for (int colour = 1; colour <= ecPotion2; ++colour) {
    TSimpleObjectArray hits = IsPotionCode(colour) ? TSimpleObjectArray{}
                                                   : FindRuns(Board, TileStates, false, colour);
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        if (!hits.IsSet(x, y) && !extras.IsSet(x, y)) continue;
        if (!IsRestingState(StateAt(x, y))) continue;
        const TBoardTile& t = Board.At(x, y);
        if (!t.AbsorbsHits()) {
          StateAt(x, y) = tsGrouping;
          grouped.Set(x, y);
        } else {
          AbsorbHit({x, y});
        }
      }
  }
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(*this, grouped);
  if (!grouped.Any()) return;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (grouped.IsSet(x, y) && Board.At(x, y).WormState == wsEating &&
          OnAFruitWormBanRequest)
        OnAFruitWormBanRequest(*this, {x, y});
  bool combos = PendingCombos;
  PendingCombos = false;
  if (OnGroupedElementsEffectRequest)
    OnGroupedElementsEffectRequest(*this, Board, grouped, combos, false);
  Raise(OnNoMatchTimerReset);
}

void TGameBoard::RemoveGrouped(const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y)) continue;
      TBoardTile& t = Board.At(x, y);
      t.ObjectKind = okTempBlank;
      t.FallOffset = 0;
      StateAt(x, y) = tsFalling;
    }
  MarkFalling();
}

void TGameBoard::FinishOpening(const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y) || Board.At(x, y).ObjectKind != okLocker) continue;
      Board.At(x, y).ObjectKind = okFruit;
      StateAt(x, y) = Board.At(x, y).ChainLevel > 0 ? tsAnchored : tsIdle;
    }
}
