#include "Simulator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Levels.h"
#include "board/TBoardRules.h"
#include "engine/TLcgRandom.h"

namespace contentgen {

namespace {

constexpr int W = BoardCols, H = BoardRows;
constexpr std::uint8_t Potion = ecPotion1;
constexpr double CascadeSeconds = 0.6;

// Walking range of each island's creature (left end, right end).
constexpr int CreatureLeft[5] = {225, 225, 225, 225, 200};
constexpr int CreatureRight[5] = {855, 965, 910, 885, 880};

// A tile that can hold an element: emptied tiles wait for gravity, holes and decorative
// tiles never hold one.
bool isTile(const TBoardTile& t) { return t.ObjectKind == okFruit || t.ObjectKind == okTempBlank; }

}  // namespace

std::vector<Swap> matchingSwaps(const TBoardData& board) {
  // Any element can be swapped, potions included (that is how they travel sideways and
  // down), unless a web or chain holds it; a swap counts when it lines up colours through
  // one of its two tiles.
  TBoardData b = board;
  auto movable = [&b](TPoint p) {
    const TBoardTile& t = b.At(p);
    return t.IsElement() && t.Element >= 1 && t.Element <= Potion && !t.AbsorbsHits();
  };
  auto inRun = [&b](TPoint p) { return b.At(p).IsColourElement() && TBoardRules::InRun(b, p.X, p.Y); };
  std::vector<Swap> moves;
  for (int x = 1; x <= W; ++x)
    for (int y = 1; y <= H; ++y) {
      const TPoint p{x, y};
      if (!movable(p)) continue;
      for (TPoint n : {TPoint{x + 1, y}, TPoint{x, y + 1}}) {
        if (!InBoardGrid(n) || !movable(n) || b.At(p).Element == b.At(n).Element) continue;
        std::swap(b.At(p).Element, b.At(n).Element);
        if (inRun(p) || inRun(n)) moves.push_back({p, n});
        std::swap(b.At(p).Element, b.At(n).Element);
      }
    }
  return moves;
}

namespace {

class Game {
 public:
  Game(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed)
      : L(level), island_(island), style_(style), rng_(seed) {
    boss_ = L.GameObjective == goBossMode;
    // Only what the players need: element tiles with their chains, and holes and
    // decorative tiles that hold the columns.
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        const TBoardTile& src = L.Board.At(x, y);
        TBoardTile& t = board_.At(x, y);
        t = TBoardTile{};
        if (src.ObjectKind == okFruit) {
          t.ObjectKind = okFruit;
          t.ChainLevel = src.ChainLevel;
          gold_.At(x, y) = L.GoldTileLayers.At(x, y);
          goldLeft_ += gold_.At(x, y);
        } else {
          t.BackgroundVariant = src.ObjectKind == okUnused ? src.BackgroundVariant : 0;
        }
      }
    for (int code = 1; code <= 16; ++code) need_[code] = std::max(targetFor(L, code), 0);
    spidersNeeded_ = std::max(L.TargetSpiders, 0);
    fillRunFree();
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        TBoardTile& t = board_.At(x, y);
        if (!isTile(t)) continue;
        if (L.PotionCells.At(x, y)) {
          t.Element = Potion;
          ++potionsLeft_;
        }
        if (L.Board.At(x, y).Web && t.Element >= 1 && t.Element <= 12) t.Web = 1;
      }
    boardLeft_ = boardPlacement(L).left;
    creatureX_ = CreatureRight[island_ - 1];
    bossEnergy_ = L.Energy;
    nextAttempt_ = attemptInterval();
  }

  PlayResult play(int maxMoves) {
    settle();
    result_.seconds = 4;  // the first look at the board
    while (result_.moves < maxMoves && !won()) {
      std::vector<Swap> moves = matchingSwaps(board_);
      if (moves.empty()) {
        shuffle();
        result_.seconds += 3;
        continue;
      }
      double dt = style_.secondsPerMove / style_.toolGain;
      if (boss_) advanceCreature(dt);
      ++result_.moves;
      int rounds = useTool() ? 1 : apply(choose(moves));
      // Every further cascade keeps the board busy for a moment before the next move.
      result_.seconds += dt + CascadeSeconds * std::max(rounds - 1, 0);
      if (!boss_ && L.MaxSpidersOnBoard > 0) updateSpiders();
    }
    result_.won = won();
    if (std::getenv("CONTENTGEN_SIM_DEBUG")) {
      std::fprintf(stderr, "moves %d won %d gold %d potions %d spiders %d energy %d need", result_.moves, result_.won,
                   goldLeft_, potionsLeft_, spidersNeeded_, bossEnergy_);
      for (int c = 1; c <= 16; ++c)
        if (need_[c] > 0) std::fprintf(stderr, " %d:%d", c, need_[c]);
      std::fprintf(stderr, "\n");
      for (int y = 1; y <= H; ++y) {
        for (int x = 1; x <= W; ++x) {
          const TBoardTile& t = board_.At(x, y);
          std::fprintf(stderr, "%c", !isTile(t) ? (t.BackgroundVariant ? '_' : '.') : gold_.At(x, y) ? 'G' : t.ChainLevel ? 'c' : t.Web ? 'w' : t.Element == Potion ? 'p' : "0123456789abcdefg"[t.Element]);
        }
        std::fprintf(stderr, "\n");
      }
    }
    return result_;
  }

 private:
  // Only colours 1..16 are grouped; potions in a line stay.
  bool inRun(int x, int y) const { return board_.At(x, y).IsColourElement() && TBoardRules::InRun(board_, x, y); }

  int randomColour() {
    return TBoardRules::RandomColour(L.ElementSet, [this](int n) { return rng_.Random(n); });
  }

  // Empties a tile; gravity closes the gap.
  void empty(int x, int y) {
    board_.At(x, y).ObjectKind = okTempBlank;
    board_.At(x, y).Element = 0;
  }

  void fillRunFree() {
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        TBoardTile& t = board_.At(x, y);
        if (!isTile(t) || t.Element == Potion) continue;
        t.ObjectKind = okFruit;
        t.Element = static_cast<std::uint8_t>(randomColour());
      }
    for (int pass = 0; pass < 20; ++pass) {
      bool any = false;
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (inRun(x, y)) {
            board_.At(x, y).Element = static_cast<std::uint8_t>(randomColour());
            any = true;
          }
      if (!any) break;
    }
  }

  void shuffle() {
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) board_.At(x, y).Web = 0;  // a shuffle clears every web
    fillRunFree();
  }

  // Cells a swap would match, gathered through the two swapped places.
  TSimpleObjectArray matchedBy(const Swap& m) const {
    TSimpleObjectArray out;
    for (TPoint p : {m.first, m.second}) {
      if (!board_.At(p).IsColourElement()) continue;
      TSimpleObjectArray runs = TBoardRules::RunsThrough(board_, p.X, p.Y);
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (runs.IsSet(x, y)) out.Set(x, y);
    }
    return out;
  }

  bool potionAbove(int x, int y) const {
    for (int yy = y - 1; yy >= TBoardRules::SegmentTop(board_, x, y); --yy)
      if (board_.At(x, yy).IsElement() && board_.At(x, yy).Element == Potion) return true;
    return false;
  }

  bool overCreature(int x) const {
    double cx = boardLeft_ + 52 * (x - 1) + 26;
    return cx >= std::round(creatureX_) + 15 - 53 && cx <= std::round(creatureX_) + 242;
  }

  double score(const Swap& m) {
    std::swap(board_.At(m.first).Element, board_.At(m.second).Element);
    TSimpleObjectArray matched = matchedBy(m);
    double s = 0;
    if (board_.At(m.second).Element == Potion && m.second.Y > m.first.Y) s += 4;  // the swap moved a potion down
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        if (!matched.IsSet(x, y)) continue;
        const TBoardTile& t = board_.At(x, y);
        if (gold_.At(x, y)) s += 4;
        if (spider_.At(x, y)) s += spidersNeeded_ > 0 ? 5 : 2;
        if (t.AbsorbsHits()) {
          s += 2.5;
          continue;
        }
        if (boss_) s += overCreature(x) ? 3 : 1;
        else s += need_[t.Element] > 0 ? 3 : 1;
        if (potionAbove(x, y)) s += 2.5;
        s += 0.03 * (y - 1);  // low matches stir more of the board
      }
    std::swap(board_.At(m.first).Element, board_.At(m.second).Element);
    return s;
  }

  bool elementsDone() const {
    for (int code = 1; code <= 16; ++code)
      if (need_[code] > 0) return false;
    return true;
  }

  Swap choose(const std::vector<Swap>& moves) {
    // Once only the odd potion, gold tile or spider is left, even a casual
    // player looks for the moves that reach it.
    double randomShare = style_.randomShare * (!boss_ && elementsDone() ? 0.5 : 1.0);
    if (randomShare > 0 && rng_.Random(1000) < randomShare * 1000)
      return moves[rng_.Random(static_cast<int>(moves.size()))];
    double best = -1;
    Swap chosen = moves.front();
    int ties = 0;
    for (const Swap& m : moves) {
      double s = score(m);
      if (s > best + 1e-9) {
        best = s;
        chosen = m;
        ties = 1;
      } else if (std::abs(s - best) <= 1e-9 && rng_.Random(++ties) == 0) {
        chosen = m;
      }
    }
    return chosen;
  }

  // Returns the number of match rounds (the move's own and its cascades).
  int apply(const Swap& m) {
    std::swap(board_.At(m.first).Element, board_.At(m.second).Element);
    return cascade();
  }

  int cascade() {
    int rounds = 0;
    for (; rounds < 50; ++rounds) {
      TSimpleObjectArray mask;
      bool any = false;
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (inRun(x, y)) {
            mask.Set(x, y);
            any = true;
          }
      if (!any) break;
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (mask.IsSet(x, y)) group(x, y);
      settle();
    }
    return rounds;
  }

  // The hammer (a flask share of 0.15) and the bomb (0.32, a square of four) on
  // gold, chains and the tiles under potions that matches do not reach. The flask fills by one per
  // removed element.
  bool useTool() {
    if (boss_) return false;
    if (style_.randomShare > 0 && rng_.Random(2) == 0) return false;  // not every player reaches for them
    const double full = std::max(L.FullRequiredFruits, 1);
    if (energy_ >= 0.56 * full && useCollector()) {
      energy_ -= 0.56 * full;
      return true;
    }
    if (goldLeft_ <= 0 && potionsLeft_ <= 0 && chainsLeft() == 0) return false;
    TPoint best;
    int bestValue = 0;
    bool bomb = energy_ >= 0.32 * full;
    if (!bomb && energy_ < 0.15 * full) return false;
    // The tiles the tool covers from p: the tile itself, or the bomb's square of four.
    const TNewToolKind tool = bomb ? tlBomb : tlHammer;
    auto covered = [this, tool](TPoint p) {
      TSimpleObjectArray area = TBoardRules::ToolArea(tool, p);
      std::vector<TPoint> tiles;
      for (int x = p.X; x <= std::min(p.X + 1, W); ++x)
        for (int y = p.Y; y <= std::min(p.Y + 1, H); ++y)
          if (area.IsSet(x, y) && isTile(board_.At(x, y))) tiles.push_back({x, y});
      return tiles;
    };
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        if (!isTile(board_.At(x, y))) continue;
        int value = 0;
        for (TPoint c : covered({x, y})) {
          const TBoardTile& t = board_.At(c);
          value += gold_.At(c.X, c.Y) + t.ChainLevel;
          if (t.Element != Potion && c.Y > 1 && board_.At(c.X, c.Y - 1).Element == Potion) value += 2;
        }
        if (value > bestValue) {
          bestValue = value;
          best = {x, y};
        }
      }
    if (bestValue < (bomb ? 2 : 1)) return false;
    energy_ -= (bomb ? 0.32 : 0.15) * full;
    for (TPoint c : covered(best)) {
      TBoardTile& t = board_.At(c);
      t.ChainLevel = 0;  // a strike breaks a chain at once
      t.Web = 0;
      if (t.Element == Potion) continue;
      group(c.X, c.Y);
    }
    settle();
    cascade();
    return true;
  }

  // The collector gathers every element of one kind on the board at once; worth
  // it for a needed flower or a big pile of a needed fruit.
  bool useCollector() {
    int counts[17] = {};
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y)
        if (board_.At(x, y).IsColourElement()) ++counts[board_.At(x, y).Element];
    int best = 0;
    double bestValue = 0;
    for (int code = 1; code <= 16; ++code) {
      if (need_[code] <= 0) continue;
      double value = std::min(counts[code], need_[code]) * (code >= 13 ? 4.0 : 1.0);
      if (value > bestValue) {
        bestValue = value;
        best = code;
      }
    }
    if (bestValue < 6) return false;
    collecting_ = true;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y)
        if (board_.At(x, y).IsColourElement() && board_.At(x, y).Element == best) group(x, y);
    collecting_ = false;
    settle();
    cascade();
    return true;
  }

  int chainsLeft() const {
    int n = 0;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) n += board_.At(x, y).ChainLevel;
    return n;
  }

  void knockSpider(int x, int y) {
    if (!spider_.At(x, y)) return;
    spider_.At(x, y) = 0;
    ++result_.spiders;
    if (spidersNeeded_ > 0) --spidersNeeded_;
  }

  void group(int x, int y) {
    TBoardTile& t = board_.At(x, y);
    if (gold_.At(x, y)) {
      --gold_.At(x, y);
      --goldLeft_;
      ++result_.goldCleared;
    }
    knockSpider(x, y);
    if (t.Web) {
      t.Web = 0;
      return;
    }
    if (t.ChainLevel) {
      --t.ChainLevel;
      return;
    }
    int code = t.Element;
    empty(x, y);
    ++result_.removed;
    ++result_.removedByCode[code];
    if (!collecting_) energy_ = std::min(energy_ + 1.0, static_cast<double>(L.FullRequiredFruits));
    if (need_[code] > 0) --need_[code];
    ++grouped_;
    if (boss_ && bossEnergy_ > 0 && overCreature(x)) {
      if (phase_ == 2) return;  // an absorbing creature swallows it
      ++result_.bossHits;
      --bossEnergy_;
      if (phase_ == 1 && ++prepHits_ > L.HitsToCancelAbsorbAttempt) {
        phase_ = 0;
        nextAttempt_ = attemptInterval();
        walked_ = 0;
      }
      if (phase_ == 0) walked_ = 0;  // a hit postpones the next attempt
    }
  }

  // Falling and refilling by the board's rules: columns split at unused and chained
  // tiles; within a stretch everything above an emptied tile falls (and any spider on it
  // drops off), and new elements fill the top.
  void gravity() {
    TSimpleObjectArray emptied;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y)
        if (board_.At(x, y).ObjectKind == okTempBlank) emptied.Set(x, y);
    if (!emptied.Any()) return;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        if (!spider_.At(x, y) || TBoardRules::HoldsColumn(board_.At(x, y))) continue;
        const int bottom = TBoardRules::SegmentBottom(board_, x, y);
        for (int r = y + 1; r <= bottom; ++r)
          if (emptied.IsSet(x, r)) {
            knockSpider(x, y);
            break;
          }
      }
    TBoardRules::Collapse(board_, emptied, [this] {
      TBoardTile fresh;
      fresh.ObjectKind = okFruit;
      fresh.Element = static_cast<std::uint8_t>(randomColour());
      return fresh;
    });
  }

  void settle() {
    for (int round = 0; round < 20; ++round) {
      gravity();
      bool collected = false;
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y) {
          const TBoardTile& t = board_.At(x, y);
          if (!t.IsElement() || t.Element != Potion || !TBoardRules::PotionOnBottom(board_, {x, y})) continue;
          empty(x, y);
          --potionsLeft_;
          ++result_.potions;
          collected = true;
        }
      if (!collected) return;
    }
  }

  int countWebs() const {
    int n = 0;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) n += board_.At(x, y).Web != 0;
    return n;
  }

  void updateSpiders() {
    if (grouped_ >= L.FruitsInterval) {
      grouped_ = 0;
      budget_ = L.MaxWebs - countWebs();
      websMade_ = 0;
      int active = spider_.Count();
      for (int i = active; i < L.MaxSpidersOnBoard && websMade_ < budget_; ++i) {
        for (int tries = 0; tries < 100; ++tries) {
          int x = 1 + rng_.Random(W), y = 1;
          while (y <= H && !board_.At(x, y).IsColourElement()) ++y;
          if (y <= H && !spider_.At(x, y)) {
            spider_.Set(x, y);
            break;
          }
        }
      }
    }
    // Spiders wander about a tile every 0.9 s and now and then spin a web.
    int steps = std::max(1, static_cast<int>(style_.secondsPerMove / 0.9));
    double webChance = style_.secondsPerMove / (0.8 * L.OneWebEveryProb + 6.0);
    std::vector<TPoint> spiders;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y)
        if (spider_.At(x, y)) spiders.push_back({x, y});
    for (TPoint p : spiders) {
      spider_.At(p.X, p.Y) = 0;
      if (websMade_ >= budget_) continue;  // its wave's webs are spun: it leaves
      for (int s = 0; s < steps; ++s) {
        static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        int d = rng_.Random(4);
        TPoint n{p.X + dx[d], p.Y + dy[d]};
        if (InBoardGrid(n) && isTile(board_.At(n))) p = n;
      }
      TBoardTile& t = board_.At(p);
      if (rng_.Random(1000) < webChance * 1000 && t.IsElement() && t.Element >= 1 && t.Element <= 12 &&
          !t.AbsorbsHits()) {
        t.Web = 1;
        ++websMade_;
      }
      spider_.Set(p);
    }
  }

  int attemptInterval() {
    int r = L.RefTimeForAbsorbAttempt;
    return r + static_cast<int>(std::lround(r * rng_.Random(5) / 10.0));
  }

  // The creature walks one pixel a frame, and tries to absorb now and then:
  // phase 1 getting ready, 2 absorbing (the drain), 3 recovering.
  void advanceCreature(double dt) {
    int frames = static_cast<int>(dt * 1000 / 30);
    for (int f = 0; f < frames && bossEnergy_ > 0; ++f) {
      phaseMs_ += 30;
      switch (phase_) {
        case 0:
          creatureX_ += walkingRight_ ? 1 : -1;
          if (creatureX_ <= CreatureLeft[island_ - 1]) walkingRight_ = true;
          if (creatureX_ >= CreatureRight[island_ - 1]) walkingRight_ = false;
          walked_ += 30;
          if (walked_ >= nextAttempt_) {
            phase_ = 1;
            phaseMs_ = 0;
            prepHits_ = 0;
          }
          break;
        case 1:
          if (phaseMs_ >= L.PreparingTime) {
            phase_ = 2;
            phaseMs_ = 0;
            result_.seconds += L.OneAbsorbedTime;  // the aura peaks and drains the tube
          }
          break;
        case 2:
          if (phaseMs_ >= L.AbsorbingTime) {
            phase_ = 3;
            phaseMs_ = 0;
          }
          break;
        default:
          if (phaseMs_ >= L.FinishingTime) {
            phase_ = 0;
            walked_ = 0;
            nextAttempt_ = attemptInterval();
          }
      }
    }
  }

  bool won() const {
    if (boss_) return bossEnergy_ <= 0;
    for (int code = 1; code <= 16; ++code)
      if (need_[code] > 0) return false;
    return goldLeft_ <= 0 && potionsLeft_ <= 0 && spidersNeeded_ <= 0;
  }

  const TLevelFileRecord& L;
  int island_;
  PlayerStyle style_;
  TLcgRandom rng_;
  bool boss_ = false;
  TBoardData board_{};
  TSimpleObjectArray gold_;     // layers of gold left under each tile
  TSimpleObjectArray spider_;   // a spider stands on the tile
  int need_[19] = {};
  int goldLeft_ = 0, potionsLeft_ = 0, spidersNeeded_ = 0;
  int grouped_ = 0, budget_ = 0, websMade_ = 0;
  int boardLeft_ = 0;
  double creatureX_ = 0;
  bool walkingRight_ = false;
  double energy_ = 0;
  bool collecting_ = false;
  int bossEnergy_ = 0, phase_ = 0, phaseMs_ = 0, walked_ = 0, nextAttempt_ = 0, prepHits_ = 0;
  PlayResult result_;
};

}  // namespace

PlayResult playLevel(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed,
                     int maxMoves) {
  Game game(level, std::clamp(island, 1, 5), style, seed);
  return game.play(maxMoves);
}

}  // namespace contentgen
