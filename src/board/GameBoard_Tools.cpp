// What the player's tools and the board's items do to the tiles.
#include <cstdlib>

#include "board/TBoardRules.h"
#include "board/TGameBoard.h"
#include "engine/TGameRandom.h"

TSimpleObjectArray TGameBoard::SmallBombShape(TPoint p) { return TBoardRules::SmallBombShape(p); }

TSimpleObjectArray TGameBoard::BigBombShape(TPoint p) { return TBoardRules::BigBombShape(p); }

void TGameBoard::SetSelection(TPoint p, int style) {
  if (InBoardGrid(p) && Board.At(p).IsLockerOrElement()) {
    SelectionActiveFlag = true;
    SelectedPosition = p;
    SelectionStyleValue = style;
  } else {
    SelectionActiveFlag = false;
  }
}

void TGameBoard::HighlightTile(TPoint p) {
  if (!InBoardGrid(p) || !Board.At(p).IsLockerOrElement()) return;
  ToolMarks[p.X - 1][p.Y - 1] = true;
  ToolHighlightAlpha = -20;
}

void TGameBoard::ClearToolHighlight() {
  for (auto& column : ToolMarks)
    for (bool& m : column) m = false;
}

void TGameBoard::HighlightToolTarget(TPoint p, TNewToolKind tool) {
  ClearToolHighlight();
  ToolHighlightAlpha = -20;
  if (!InBoardGrid(p) || !Board.At(p).IsLockerOrElement()) return;
  TSimpleObjectArray area = TBoardRules::ToolArea(tool, p);
  if (tool == tlBlaster) {
    int target = Board.At(p).Element;
    if (target != ecUniBubble && !IsPotionCode(target))
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (Board.At(x, y).IsLockerOrElement() && Board.At(x, y).Element == target)
            area.Set(x, y);
  }
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (area.IsSet(x, y)) HighlightTile({x, y});
}

void TGameBoard::BreakCompletely(TPoint p) {
  TBoardTile& t = Board.At(p);
  if (t.Web != 0) RemoveWeb(p);
  if (t.ChainLevel > 0) {
    t.ChainLevel = 0;
    StateAt(p.X, p.Y) = tsIdle;
    if (OnChainLockEffectRequest) OnChainLockEffectRequest(*this, p, 1);
  }
}

void TGameBoard::GroupByTool(const TSimpleObjectArray& grouped) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (grouped.IsSet(x, y) && Board.At(x, y).WormState == wsEating && OnAFruitWormBanRequest)
        OnAFruitWormBanRequest(*this, {x, y});
  bool combos = PendingCombos;
  PendingCombos = false;
  if (OnGroupedElementsEffectRequest)
    OnGroupedElementsEffectRequest(*this, Board, grouped, combos, true);
}

void TGameBoard::StrikeTile(TPoint p) {
  if (!InBoardGrid(p) || Board.At(p).ObjectKind != okFruit ||
      !IsRestingState(StateAt(p.X, p.Y)))
    return;
  BreakCompletely(p);
  StateAt(p.X, p.Y) = tsGrouping;
  TSimpleObjectArray mask;
  mask.Set(p);
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(*this, mask);
  bool combos = PendingCombos;
  PendingCombos = false;
  if (OnGroupedElementsEffectRequest)
    OnGroupedElementsEffectRequest(*this, Board, mask, combos, true);
  SelectionActiveFlag = false;
}

void TGameBoard::Blast(const TSimpleObjectArray& shape) {
  TSimpleObjectArray hit;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!shape.IsSet(x, y)) continue;
      TBoardTile& t = Board.At(x, y);
      if (!t.IsColourElement() || !IsRestingState(StateAt(x, y))) continue;
      BreakCompletely({x, y});
      t.WormState = wsNone;
      t.ObjectKind = okTempBlank;
      t.FallOffset = 0;
      StateAt(x, y) = tsFalling;
      hit.Set(x, y);
    }
  if (!hit.Any()) return;
  if (OnFallingElementsEffectRequest) OnFallingElementsEffectRequest(*this, Board, hit);
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(*this, hit);
}

void TGameBoard::ExplodeBomb(TPoint p) {
  if (!InBoardGrid(p)) return;
  if (OnExplossionEffectRequest) OnExplossionEffectRequest(*this, p);
  TSimpleObjectArray shape = SmallBombShape(p);
  if (OnEnemiesBanned) OnEnemiesBanned(*this, shape);
  Blast(shape);
  ApplyBigRipple(p);
  Raise(OnNoMatchTimerReset);
  SelectionActiveFlag = false;
}

void TGameBoard::ExplodeFruitBombs(const TSimpleObjectArray& mask) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!mask.IsSet(x, y) || Board.At(x, y).FruitBomb == 0) continue;
      // Goes off once; the emptied tile must not carry it to its next element.
      Board.At(x, y).FruitBomb = 0;
      if (OnExplossionEffectRequest) OnExplossionEffectRequest(*this, {x, y});
      TSimpleObjectArray shape = SmallBombShape({x, y});
      if (OnEnemiesBanned) OnEnemiesBanned(*this, shape);
      Blast(shape);
      ApplyBigRipple({x, y});
    }
}

void TGameBoard::ExplodeBigBomb(TPoint p) {
  if (!InBoardGrid(p)) return;
  TSimpleObjectArray shape = BigBombShape(p);
  if (OnEnemiesBanned) OnEnemiesBanned(*this, shape);
  Blast(shape);
  ApplyBigRipple(p);
  Raise(OnNoMatchTimerReset);
  SelectionActiveFlag = false;
}

void TGameBoard::LightningStrike(TPoint p, TLightningType direction) {
  if (!InBoardGrid(p)) return;
  TSimpleObjectArray grouped;
  for (int i = 1; i <= (direction == ltHorizontal ? BoardColumns : BoardRows); ++i) {
    TPoint q = direction == ltHorizontal ? TPoint{i, p.Y} : TPoint{p.X, i};
    if (!Board.At(q).IsColourElement() || !IsRestingState(StateAt(q.X, q.Y))) continue;
    BreakCompletely(q);
    StateAt(q.X, q.Y) = tsGrouping;
    grouped.Set(q);
  }
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(*this, grouped);
  if (grouped.Any()) GroupByTool(grouped);
  Raise(OnNoMatchTimerReset);
  SelectionActiveFlag = false;
}

void TGameBoard::LineExtents(TPoint p, int& firstColumn, int& lastColumn, int& firstRow,
                             int& lastRow) const {
  firstColumn = lastColumn = firstRow = lastRow = 0;
  if (!InBoardGrid(p)) return;
  for (int x = 1; x <= BoardColumns; ++x)
    if (Board.At(x, p.Y).IsLockerOrElement()) {
      if (firstColumn == 0) firstColumn = x;
      lastColumn = x;
    }
  for (int y = 1; y <= BoardRows; ++y)
    if (Board.At(p.X, y).IsLockerOrElement()) {
      if (firstRow == 0) firstRow = y;
      lastRow = y;
    }
}

void TGameBoard::ActivateBlaster(TPoint p, TPoint toolPos) {
  if (!InBoardGrid(p)) return;
  Sound("ItemActivated");
  TBoardTile& t = Board.At(p);
  WaveColour = t.Element;
  t.BlasterColor = t.Element;
  if (OnMultiBubbleClicked) OnMultiBubbleClicked(*this, p, toolPos, WaveColour);
  Raise(OnNoMatchTimerReset);
  SelectionActiveFlag = false;
}

void TGameBoard::StartBlasterWave(TPoint p) {
  WaveActive = true;
  WaveCentre = p;
  WaveStep = 0;
  WaveTimer = 0;
  WaveCleared = false;
  ProcessWaveRing();
}

void TGameBoard::ProcessWaveRing() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      if (std::abs(x - WaveCentre.X) + std::abs(y - WaveCentre.Y) == WaveStep)
        Ripple[x - 1][y - 1] = 7;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind == okFruit && t.Web == 0 && Ripple[x - 1][y - 1] == 7 &&
          t.Element == WaveColour && OnStarsEffectRequest)
        OnStarsEffectRequest(*this, {x, y});
    }
}

void TGameBoard::AdvanceBlasterWave() {
  if (!WaveActive) return;
  WaveTimer += TickMilliseconds;
  if (WaveTimer < 60) return;
  WaveTimer = 0;
  if (++WaveStep > 28) {
    WaveActive = false;
    return;
  }
  ProcessWaveRing();
  if (WaveStep > 7 && !WaveCleared) {
    WaveCleared = true;
    ClearColor(WaveColour);
  }
}

void TGameBoard::ClearColor(int colour) {
  TSimpleObjectArray grouped;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = Board.At(x, y);
      if (t.ObjectKind != okFruit || t.Element != colour || t.WormState == wsEaten) continue;
      if (!IsRestingState(StateAt(x, y))) continue;
      if (!t.AbsorbsHits()) {
        StateAt(x, y) = tsGrouping;
        grouped.Set(x, y);
      } else {
        AbsorbHit({x, y});
      }
    }
  if (OnRemoveLockerFrames) OnRemoveLockerFrames(*this, grouped);
  if (grouped.Any()) GroupByTool(grouped);
}

void TGameBoard::HammerHit(TPoint p) {
  if (!InBoardGrid(p)) return;
  ApplySmallRipple(p);
  TSimpleObjectArray neighbours;
  for (auto [dx, dy] : {std::pair{0, 0}, {0, -1}, {-1, 0}, {1, 0}, {0, 1}}) {
    TPoint q{p.X + dx, p.Y + dy};
    if (!InBoardGrid(q) || Board.At(q).ObjectKind == okUnused) continue;
    if (!IsRestingState(StateAt(q.X, q.Y))) continue;
    StateAt(q.X, q.Y) = tsStruck;
    if (dx != 0 || dy != 0) neighbours.Set(q);
  }
  if (OnHammeredObjectsEffectRequest) OnHammeredObjectsEffectRequest(*this, Board, neighbours);
}

void TGameBoard::FinishHammered() {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (StateAt(x, y) != tsStruck) continue;
      TBoardTile& t = Board.At(x, y);
      // The hammer smashes webs and chains with the tile; left on an empty tile they
      // would lock the element that comes next.
      t.Web = 0;
      t.ChainLevel = 0;
      t.WormState = wsNone;
      t.ObjectKind = okTempBlank;
      t.FallOffset = 0;
      StateAt(x, y) = tsFalling;
    }
  MarkFalling();
}

void TGameBoard::OpenLocker(TPoint p) {
  if (!IsLockerTile(p)) return;
  StateAt(p.X, p.Y) = tsOpening;
  TSimpleObjectArray mask;
  mask.Set(p);
  if (OnOpeningLockersEffectRequest) OnOpeningLockersEffectRequest(*this, Board, mask);
  if (Board.At(p).Web != 0) RemoveWeb(p);
}

void TGameBoard::BanWormsInRect(int left, int top, int right, int bottom) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      TBoardTile& t = Board.At(x, y);
      if (t.WormState != wsEating) continue;
      TPoint s = TileScreenPos({x, y});
      int cx = s.X + 26, cy = s.Y + 26;
      if (cx < left || cx >= right || cy < top || cy >= bottom) continue;
      t.WormState = wsNone;
      t.WormTimer = 0;
      if (OnAFruitWormBanRequest) OnAFruitWormBanRequest(*this, {x, y});
    }
}

TPoint TGameBoard::RandomTopTile() const {
  for (int i = 0; i < 10000; ++i) {
    int x = 1 + TGameRandom::Random(BoardColumns);
    for (int y = 1; y <= BoardRows; ++y)
      if (Board.At(x, y).IsLockerOrElement()) return {x, y};
  }
  return {};
}
