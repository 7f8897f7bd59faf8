#include "TBotPlanner.h"

#include <algorithm>
#include <utility>

#include "board/TBoardRules.h"
#include "board/TElementCodes.h"
#include "board/TFallingElements.h"

namespace {
// A refilled tile: the bot cannot know what drops in, so it never matches.
constexpr std::uint8_t kUnknown = 250;
// Later cascades are less certain than the first removal.
constexpr double kCascadeWeight = 0.6;

TBoardTile UnknownTile() {
  TBoardTile fresh;
  fresh.ObjectKind = okFruit;
  fresh.Element = kUnknown;
  return fresh;
}

// Splits a run's tiles into the removed ones and those whose web or chain takes the hit.
void SplitRun(const TBoardData& b, const TSimpleObjectArray& run, TSimpleObjectArray& removed,
              TSimpleObjectArray& hits) {
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!run.IsSet(x, y)) continue;
      if (b.At(x, y).AbsorbsHits())
        hits.Set(x, y);
      else
        removed.Set(x, y);
    }
}
}  // namespace

struct TBotPlanner::TState {
  int Need[SlotCount];
  std::uint8_t Gold[BoardColumns][BoardRows];
  std::vector<TPoint> Spiders;
};

int TBotPlanner::SlotOfCode(int code) {
  if (code >= 1 && code <= 8) return ieFruit1 + code - 1;
  if (code >= ecFirstFlower && code <= ecLastColour) return ieFlower1 + code - ecFirstFlower;
  if (code == ecPotion1) return iePotion1;
  if (code == ecPotion2) return iePotion2;
  return -1;
}

TSimpleObjectArray TBotPlanner::AllRuns(const TBoardData& b) { return TBoardRules::AllRuns(b); }

double TBotPlanner::OutstandingValue() const {
  double v = 0;
  for (int s = 0; s < SlotCount; ++s) v += std::max(0, View.Needed[s]);
  return v;
}

double TBotPlanner::Score(const TBoardData& b, const TSimpleObjectArray& removed,
                          const TSimpleObjectArray& hits, const TSimpleObjectArray& banned,
                          bool first, const TWorthTable& bossWorth, TState& st) const {
  double v = 0;
  int lowest = 0;
  auto take = [&st](int slot) {
    if (slot < 0 || st.Need[slot] <= 0) return false;
    --st.Need[slot];
    return true;
  };
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = b.At(x, y);
      if (removed.IsSet(x, y)) {
        lowest = std::max(lowest, y);
        v += 0.05;  // energy, points and a little shake-up
        // Light elements drift away past the creature; what drops in later is a guess.
        if (View.Boss) {
          if (t.Element == kUnknown)
            v += bossWorth[x - 1][y - 1] * View.BossFallShare;
          else if (t.IsElement() && TElementCodes::IsElement(t.Element) &&
                   !TFallingElements::Drifts(t.Element))
            v += bossWorth[x - 1][y - 1];
        }
        if (t.IsElement() && take(SlotOfCode(t.Element))) v += 1;
        std::uint8_t& gold = st.Gold[x - 1][y - 1];
        if (gold > 0) {
          --gold;
          v += take(ieGoldTile1) || take(ieGoldTile2) ? 1 : 0.1;
        }
      } else if (hits.IsSet(x, y)) {
        // A web or chain worn: the tile under it can move again.
        v += 0.3;
        int slot = t.IsElement() ? SlotOfCode(t.Element) : -1;
        if ((slot >= 0 && st.Need[slot] > 0) || st.Gold[x - 1][y - 1] > 0) v += 0.2;
      }
    }
  // Spiders fall with their tile, and are knocked off by a blast over them.
  for (auto it = st.Spiders.begin(); it != st.Spiders.end();) {
    TPoint s = *it;
    bool hit = removed.IsSet(s) || banned.IsSet(s);
    const int bottom = TBoardRules::SegmentBottom(b, s.X, s.Y);
    for (int y = s.Y + 1; !hit && y <= bottom; ++y) hit = removed.IsSet(s.X, y);
    if (!hit) {
      ++it;
      continue;
    }
    v += take(ieSpider) ? 2 : 0.3;
    it = st.Spiders.erase(it);
  }
  // Potions come down as the tiles below them go; one that reaches the bottom is taken.
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = b.At(x, y);
      if (!t.IsElement() || !IsPotionCode(t.Element) || removed.IsSet(x, y)) continue;
      int slot = SlotOfCode(t.Element);
      if (st.Need[slot] <= 0) continue;
      int bottom = TBoardRules::SegmentBottom(b, x, y), drop = 0;
      for (int r = y + 1; r <= bottom; ++r) drop += removed.IsSet(x, r);
      int below = bottom - y;
      if (below <= 0 || drop == 0) continue;
      v += 1.2 * drop / below;
      if (drop >= below && take(slot)) v += 1.5;
    }
  if (first) v += 0.01 * lowest;  // low matches shake more loose
  return v;
}

double TBotPlanner::Play(TBoardData b, TSimpleObjectArray removed, TSimpleObjectArray hits,
                         const TSimpleObjectArray& banned, const TWorthTable& firstWorth) const {
  TState st;
  std::copy(std::begin(View.Needed), std::end(View.Needed), st.Need);
  for (int x = 0; x < BoardColumns; ++x)
    for (int y = 0; y < BoardRows; ++y) st.Gold[x][y] = View.Gold[x][y];
  st.Spiders = View.Spiders;
  double total = 0, weight = 1;
  for (int depth = 0; depth < CascadeDepth; ++depth) {
    total += weight * Score(b, removed, hits, banned, depth == 0,
                            depth == 0 ? firstWorth : View.BossWorth[depth], st);
    // Webs and chains take their hit.
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        if (!hits.IsSet(x, y)) continue;
        TBoardTile& t = b.At(x, y);
        if (t.Web != 0)
          t.Web = 0;
        else if (t.ChainLevel > 0)
          --t.ChainLevel;
      }
    // Each column segment closes up from the bottom; its top fills with unknown tiles.
    TBoardRules::Collapse(b, removed, UnknownTile);
    TSimpleObjectArray run = AllRuns(b);
    if (!run.Any()) break;
    removed = {};
    hits = {};
    SplitRun(b, run, removed, hits);
    weight *= kCascadeWeight;
  }
  return total;
}

double TBotPlanner::RateSwap(TPoint a, TPoint c) const {
  if (!InBoardGrid(a) || !InBoardGrid(c)) return -1;
  TBoardData b = View.Board;
  std::swap(b.At(a), b.At(c));
  TSimpleObjectArray run = AllRuns(b);
  if (!run.IsSet(a) && !run.IsSet(c)) return -1;
  TSimpleObjectArray removed, hits;
  SplitRun(b, run, removed, hits);
  return Play(b, removed, hits, {}, View.BossWorth[0]);
}

double TBotPlanner::RateTool(TNewToolKind kind, TPoint p) const {
  if (!InBoardGrid(p)) return -1;
  const TBoardData& b = View.Board;
  const TBoardTile& target = b.At(p);
  if (target.ObjectKind != okFruit) return -1;
  const bool open = target.Element != ecUniBubble && !IsPotionCode(target.Element);
  TSimpleObjectArray removed, hits, banned;
  switch (kind) {
    case tlHammer:
      if (!open) return -1;
      break;
    case tlBlaster:
      if (!open) return -1;
      // The colour goes from the whole board; webs and chains only take a hit.
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) {
          const TBoardTile& t = b.At(x, y);
          if (t.ObjectKind != okFruit || t.Element != target.Element || t.WormState == wsEaten)
            continue;
          if (t.AbsorbsHits())
            hits.Set(x, y);
          else
            removed.Set(x, y);
        }
      return Play(b, removed, hits, banned, View.BossToolWorth);
    case tlNone:
      return -1;
    case tlBomb:
    case tlBigBomb:
    case tlHorzLightning:
    case tlVertLightning:
      break;
  }
  const TSimpleObjectArray shape = TBoardRules::ToolArea(kind, p);
  // A blast knocks off the spiders it covers.
  if (kind == tlBomb || kind == tlBigBomb) banned = shape;
  // Hammer, bombs and lightning break webs and chains and take the tile with them.
  TBoardData cleared = b;
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (!shape.IsSet(x, y) || !b.At(x, y).IsColourElement()) continue;
      cleared.At(x, y).Web = 0;
      cleared.At(x, y).ChainLevel = 0;
      removed.Set(x, y);
    }
  if (!removed.Any()) return -1;
  // Bombs blow their tiles away to both sides; strikes let them drop.
  const bool blast = kind == tlBomb || kind == tlBigBomb;
  return Play(cleared, removed, hits, banned, blast ? View.BossBlastWorth : View.BossToolWorth);
}

TBotPlanner::TToolChoice TBotPlanner::BestToolTarget(TNewToolKind kind) const {
  TToolChoice best;
  best.Kind = kind;
  bool colourSeen[256] = {};
  for (int x = 1; x <= BoardColumns; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      if (kind == tlBlaster) {
        // One look per colour: the whole colour goes wherever it is aimed.
        std::uint8_t colour = View.Board.At(x, y).Element;
        if (View.Board.At(x, y).ObjectKind != okFruit || colourSeen[colour]) continue;
        colourSeen[colour] = true;
      }
      double v = RateTool(kind, {x, y});
      if (v > best.Value) {
        best.Value = v;
        best.Tile = {x, y};
      }
    }
  return best;
}
