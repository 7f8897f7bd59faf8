#include "board/TBoardRules.h"

#include <cstdlib>

namespace {
using TStates = TBoardRules::TStates;

int KeyAt(const TBoardData& b, const TStates& states, int x, int y) {
  if (!IsRestingState(states[x - 1][y - 1])) return -1;
  return TBoardRules::RunKey(b.At(x, y));
}

// Calls mark(x, y) for every tile of a run of three or more equal keys accepted by want;
// stops as soon as mark returns false.
template <typename Want, typename Mark>
void ScanRuns(const TBoardData& b, const TStates& states, Want want, Mark mark) {
  int keys[BoardColumns + 1][BoardRows + 1];
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      int k = KeyAt(b, states, x, y);
      keys[x][y] = want(k) ? k : -1;
    }
  for (int y = 1; y <= BoardRows; ++y)
    for (int x = 1; x <= BoardColumns;) {
      int k = keys[x][y], end = x;
      while (end + 1 <= BoardColumns && keys[end + 1][y] == k) ++end;
      if (k >= 0 && end - x + 1 >= 3)
        for (int i = x; i <= end; ++i)
          if (!mark(i, y)) return;
      x = end + 1;
    }
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows;) {
      int k = keys[x][y], end = y;
      while (end + 1 <= BoardRows && keys[x][end + 1] == k) ++end;
      if (k >= 0 && end - y + 1 >= 3)
        for (int i = y; i <= end; ++i)
          if (!mark(x, i)) return;
      y = end + 1;
    }
}

// The key a tile lines up with when it is a run colour, else -1.
int ColourKeyAt(const TBoardData& b, int x, int y) {
  int key = TBoardRules::RunKey(b.At(x, y));
  return TBoardRules::IsRunColourKey(key) ? key : -1;
}

// The first and last tile of the run of `key` through (x, y) along (dx, dy).
void RunSpan(const TBoardData& b, int x, int y, int dx, int dy, int key, int& back, int& ahead) {
  back = ahead = 0;
  while (InBoardGrid(x - dx * (back + 1), y - dy * (back + 1)) &&
         TBoardRules::RunKey(b.At(x - dx * (back + 1), y - dy * (back + 1))) == key)
    ++back;
  while (InBoardGrid(x + dx * (ahead + 1), y + dy * (ahead + 1)) &&
         TBoardRules::RunKey(b.At(x + dx * (ahead + 1), y + dy * (ahead + 1))) == key)
    ++ahead;
}
}  // namespace

const TBoardRules::TStates& TBoardRules::AllResting() {
  static const TStates states = {};  // tsIdle everywhere
  return states;
}

void TBoardRules::UsedRange(const TBoardData& b, bool columns, int& first, int& last) {
  first = 0;
  last = 0;
  int n = columns ? BoardColumns : BoardRows;
  int m = columns ? BoardRows : BoardColumns;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= m; ++j) {
      const TBoardTile& t = columns ? b.At(i, j) : b.At(j, i);
      if (!t.IsHole()) {
        if (first == 0) first = i;
        last = i;
        break;
      }
    }
}

TPoint TBoardRules::CentredOrigin(const TBoardData& board) {
  int c, d, e, f;
  UsedRange(board, true, c, d);
  UsedRange(board, false, e, f);
  if (c == 0) c = 1, d = BoardColumns;
  if (e == 0) e = 1, f = BoardRows;
  // Half tiles land on whole pixels (26 per half), so no rounding is involved.
  return {266 + 26 * (17 - c - d), 95 + 26 * (13 - e - f)};
}

TSimpleObjectArray TBoardRules::FindRuns(const TBoardData& board, const TStates& states,
                                         bool lockers, int colour) {
  TSimpleObjectArray out;
  int wanted = lockers ? 1000 + colour : colour;
  ScanRuns(
      board, states, [wanted](int k) { return k == wanted; },
      [&out](int x, int y) {
        out.Set(x, y);
        return true;
      });
  return out;
}

bool TBoardRules::AnyMatch(const TBoardData& board, const TStates& states) {
  bool found = false;
  ScanRuns(board, states, IsRunColourKey, [&found](int, int) {
    found = true;
    return false;
  });
  return found;
}

TSimpleObjectArray TBoardRules::AllRuns(const TBoardData& board) {
  TSimpleObjectArray out;
  ScanRuns(board, AllResting(), IsRunColourKey, [&out](int x, int y) {
    out.Set(x, y);
    return true;
  });
  return out;
}

TSimpleObjectArray TBoardRules::RunsThrough(const TBoardData& board, int x, int y) {
  TSimpleObjectArray out;
  int key = ColourKeyAt(board, x, y);
  if (key < 0) return out;
  for (auto [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
    int back, ahead;
    RunSpan(board, x, y, dx, dy, key, back, ahead);
    if (back + ahead + 1 < 3) continue;
    for (int i = -back; i <= ahead; ++i) out.Set(x + dx * i, y + dy * i);
  }
  return out;
}

bool TBoardRules::IsHintable(const TBoardTile& t) {
  if (!t.IsLockerOrElement() || t.Web != 0 || t.ChainLevel != 0) return false;
  if (t.ObjectKind == okFruit && (t.Element == ecUniBubble || t.Element == ecHammer ||
                                  t.Element == ecFoundFlower || t.Element == ecMultiBubble))
    return false;
  return true;
}

bool TBoardRules::PairIsMove(const TBoardData& board, const TStates& states, TPoint tp,
                             TPoint np) {
  if (!InBoardGrid(tp) || !InBoardGrid(np)) return false;
  const TBoardTile& t = board.At(tp);
  const TBoardTile& n = board.At(np);
  if (t.ObjectKind != n.ObjectKind || !IsHintable(t) || !IsHintable(n)) return false;
  TBoardData copy = board;
  std::swap(copy.At(tp), copy.At(np));
  const TBoardTile& moved = copy.At(np);
  bool lockers = moved.ObjectKind == okLocker;
  return FindRuns(copy, states, lockers, moved.MatchColour()).Any();
}

std::vector<std::pair<TPoint, TPoint>> TBoardRules::ListMoves(const TBoardData& board,
                                                               const TStates& states) {
  std::vector<std::pair<TPoint, TPoint>> moves;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y)
      for (TPoint nb : {TPoint{x + 1, y}, TPoint{x, y + 1}})
        if (PairIsMove(board, states, {x, y}, nb) || PairIsMove(board, states, nb, {x, y}))
          moves.push_back({{x, y}, nb});
  return moves;
}

int TBoardRules::SegmentTop(const TBoardData& board, int x, int y) {
  while (y > 1 && !HoldsColumn(board.At(x, y - 1))) --y;
  return y;
}

int TBoardRules::SegmentBottom(const TBoardData& board, int x, int y) {
  while (y < BoardRows && !HoldsColumn(board.At(x, y + 1))) ++y;
  return y;
}

bool TBoardRules::CanFallFurther(const TBoardData& board, int x, int y) {
  for (int w = y + 1; w <= BoardRows; ++w) {
    const TBoardTile& t = board.At(x, w);
    if (t.ObjectKind == okTempBlank) return true;
    if (HoldsColumn(t)) return false;
  }
  return false;
}

bool TBoardRules::PotionOnBottom(const TBoardData& board, TPoint p) {
  if (!InBoardGrid(p) || !IsPotionCode(board.At(p).Element)) return false;
  if (p.Y == BoardRows) return true;
  const TBoardTile& below = board.At(p.X, p.Y + 1);
  return below.ObjectKind == okTempBlank || below.ObjectKind == okBlocker || below.IsHole();
}

void TBoardRules::Collapse(TBoardData& board, const TSimpleObjectArray& removed,
                           const std::function<TBoardTile()>& fill) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = BoardRows; y >= 1;) {
      if (HoldsColumn(board.At(x, y))) {
        --y;
        continue;
      }
      const int top = SegmentTop(board, x, y);
      // Bottom up: each kept tile moves to the lowest row not yet taken.
      int row = y;
      for (int r = y; r >= top; --r)
        if (!removed.IsSet(x, r)) board.At(x, row--) = board.At(x, r);
      for (; row >= top; --row) board.At(x, row) = fill();
      y = top - 1;
    }
}

TSimpleObjectArray TBoardRules::SmallBombShape(TPoint p) {
  TSimpleObjectArray m;
  for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
    if (InBoardGrid(p.X + dx, p.Y + dy)) m.Set(p.X + dx, p.Y + dy);
  return m;
}

TSimpleObjectArray TBoardRules::BigBombShape(TPoint p) {
  TSimpleObjectArray m;
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (!(std::abs(dx) == 3 && std::abs(dy) == 3) && InBoardGrid(p.X + dx, p.Y + dy))
        m.Set(p.X + dx, p.Y + dy);
  return m;
}

TSimpleObjectArray TBoardRules::ToolArea(TNewToolKind tool, TPoint p) {
  TSimpleObjectArray area;
  if (!InBoardGrid(p)) return area;
  switch (tool) {
    case tlHammer:
      area.Set(p);
      break;
    case tlBomb:
      area = SmallBombShape(p);
      break;
    case tlBigBomb:
      area = BigBombShape(p);
      break;
    case tlHorzLightning:
      for (int x = 1; x <= BoardColumns; ++x) area.Set(x, p.Y);
      break;
    case tlVertLightning:
      for (int y = 1; y <= BoardRows; ++y) area.Set(p.X, y);
      break;
    case tlBlaster:
    case tlNone:
      break;
  }
  return area;
}
