#include "Simulator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Levels.h"

namespace contentgen {

namespace {

// The game's random source: seed := seed * 134775813 + 1.
struct Rng {
  std::uint32_t seed;
  int below(int n) {
    seed = seed * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(n)) >> 32);
  }
};

constexpr int W = BoardCols, H = BoardRows;
constexpr int Potion = 17;
constexpr double CascadeSeconds = 0.6;

struct Cell {
  bool tile = false;
  bool decorative = false;
  std::uint8_t elem = 0;  // 0 empty, 1..16 colours, 17 potion
  std::uint8_t chain = 0;
  bool web = false;
  std::uint8_t gold = 0;
  bool spider = false;
};

struct Move {
  int x1, y1, x2, y2;
};

// Walking range of each island's creature (left end, right end).
constexpr int CreatureLeft[5] = {225, 225, 225, 225, 200};
constexpr int CreatureRight[5] = {855, 965, 910, 885, 880};

class Game {
 public:
  Game(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed)
      : L(level), island_(island), style_(style), rng_{seed} {
    boss_ = L.GameObjective == goBossMode;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) {
        const TBoardTile& t = L.Board.Tiles[x][y];
        Cell& c = cell(x, y);
        c.tile = t.ObjectKind == okFruit;
        c.decorative = t.ObjectKind == okUnused && t.BackgroundVariant != 0;
        c.chain = c.tile ? t.ChainLevel : 0;
        c.gold = c.tile ? L.GoldTileLayers.Cells[x][y] : 0;
        goldLeft_ += c.gold;
      }
    for (int code = 1; code <= 16; ++code) need_[code] = std::max(targetFor(L, code), 0);
    spidersNeeded_ = std::max(L.TargetSpiders, 0);
    fillRunFree();
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) {
        Cell& c = cell(x, y);
        if (!c.tile) continue;
        if (L.PotionCells.Cells[x][y]) {
          c.elem = Potion;
          ++potionsLeft_;
        }
        if (L.Board.Tiles[x][y].Web && c.elem >= 1 && c.elem <= 12) c.web = true;
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
      std::vector<Move> moves = validMoves();
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
      for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
          const Cell& c = cells_[x][y];
          std::fprintf(stderr, "%c", !c.tile ? (c.decorative ? '_' : '.') : c.gold ? 'G' : c.chain ? 'c' : c.web ? 'w' : c.elem == Potion ? 'p' : "0123456789abcdefg"[c.elem]);
        }
        std::fprintf(stderr, "\n");
      }
    }
    return result_;
  }

 private:
  Cell& cell(int x, int y) { return cells_[x][y]; }
  bool inside(int x, int y) const { return x >= 0 && x < W && y >= 0 && y < H; }
  bool colour(int x, int y) const {
    return inside(x, y) && cells_[x][y].tile && cells_[x][y].elem >= 1 && cells_[x][y].elem <= 16;
  }

  int randomColour() {
    bool a = false, b = false;
    for (int c = 1; c <= 12; ++c) a = a || hasElement(L, c);
    for (int c = 13; c <= 16; ++c) b = b || hasElement(L, c);
    int group;
    if (a && b) group = rng_.below(37) < 34 ? 1 : 2;
    else if (a) group = 1;
    else if (b) group = 2;
    else return 1;
    int code = 1;
    for (int i = 0; i < 100; ++i) {
      code = group == 1 ? 1 + rng_.below(12) : 13 + rng_.below(4);
      if (hasElement(L, code)) break;
    }
    return code;
  }

  int runLength(int x, int y, int dx, int dy) const {
    int e = cells_[x][y].elem, n = 1;
    for (int k = 1; colour(x + dx * k, y + dy * k) && cells_[x + dx * k][y + dy * k].elem == e; ++k) ++n;
    for (int k = 1; colour(x - dx * k, y - dy * k) && cells_[x - dx * k][y - dy * k].elem == e; ++k) ++n;
    return n;
  }

  bool inRun(int x, int y) const {
    return colour(x, y) && (runLength(x, y, 1, 0) >= 3 || runLength(x, y, 0, 1) >= 3);
  }

  void fillRunFree() {
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y)
        if (cells_[x][y].tile && cells_[x][y].elem != Potion) cells_[x][y].elem = static_cast<std::uint8_t>(randomColour());
    for (int pass = 0; pass < 20; ++pass) {
      bool any = false;
      for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y)
          if (inRun(x, y)) {
            cells_[x][y].elem = static_cast<std::uint8_t>(randomColour());
            any = true;
          }
      if (!any) break;
    }
  }

  void shuffle() {
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) cells_[x][y].web = false;  // a shuffle clears every web
    fillRunFree();
  }

  // Any element can be swapped, potions included (that is how they travel
  // sideways and down), unless a web or chain holds it.
  bool movable(int x, int y) const {
    const Cell& c = cells_[x][y];
    return c.tile && c.elem >= 1 && c.elem <= Potion && c.chain == 0 && !c.web;
  }

  // Cells a swap would match, gathered through the two swapped places.
  void matchedBy(const Move& m, std::vector<std::pair<int, int>>& out) const {
    out.clear();
    for (auto [x, y] : {std::pair{m.x1, m.y1}, std::pair{m.x2, m.y2}}) {
      for (auto [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
        if (runLength(x, y, dx, dy) < 3) continue;
        int e = cells_[x][y].elem;
        out.emplace_back(x, y);
        for (int s : {1, -1})
          for (int k = 1; colour(x + s * dx * k, y + s * dy * k) && cells_[x + s * dx * k][y + s * dy * k].elem == e; ++k)
            out.emplace_back(x + s * dx * k, y + s * dy * k);
      }
    }
  }

  std::vector<Move> validMoves() {
    std::vector<Move> moves;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) {
        if (!movable(x, y)) continue;
        for (auto [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
          int x2 = x + dx, y2 = y + dy;
          if (!inside(x2, y2) || !movable(x2, y2) || cells_[x][y].elem == cells_[x2][y2].elem) continue;
          std::swap(cells_[x][y].elem, cells_[x2][y2].elem);
          if (inRun(x, y) || inRun(x2, y2)) moves.push_back({x, y, x2, y2});
          std::swap(cells_[x][y].elem, cells_[x2][y2].elem);
        }
      }
    return moves;
  }

  bool potionAbove(int x, int y) const {
    for (int yy = y - 1; yy >= 0 && cells_[x][yy].tile && cells_[x][yy].chain == 0; --yy)
      if (cells_[x][yy].elem == Potion) return true;
    return false;
  }

  bool overCreature(int x) const {
    double cx = boardLeft_ + 52 * x + 26;
    return cx >= std::round(creatureX_) + 15 - 53 && cx <= std::round(creatureX_) + 242;
  }

  double score(const Move& m) {
    std::swap(cells_[m.x1][m.y1].elem, cells_[m.x2][m.y2].elem);
    matchedBy(m, scratch_);
    std::sort(scratch_.begin(), scratch_.end());
    scratch_.erase(std::unique(scratch_.begin(), scratch_.end()), scratch_.end());
    double s = 0;
    if (cells_[m.x2][m.y2].elem == Potion && m.y2 > m.y1) s += 4;  // the swap moved a potion down
    for (auto [x, y] : scratch_) {
      const Cell& c = cells_[x][y];
      if (c.gold) s += 4;
      if (c.spider) s += spidersNeeded_ > 0 ? 5 : 2;
      if (c.web || c.chain) {
        s += 2.5;
        continue;
      }
      if (boss_) s += overCreature(x) ? 3 : 1;
      else s += need_[c.elem] > 0 ? 3 : 1;
      if (potionAbove(x, y)) s += 2.5;
      s += 0.03 * y;  // low matches stir more of the board
    }
    std::swap(cells_[m.x1][m.y1].elem, cells_[m.x2][m.y2].elem);
    return s;
  }

  bool elementsDone() const {
    for (int code = 1; code <= 16; ++code)
      if (need_[code] > 0) return false;
    return true;
  }

  Move choose(const std::vector<Move>& moves) {
    // Once only the odd potion, gold tile or spider is left, even a casual
    // player looks for the moves that reach it.
    double randomShare = style_.randomShare * (!boss_ && elementsDone() ? 0.5 : 1.0);
    if (randomShare > 0 && rng_.below(1000) < randomShare * 1000)
      return moves[rng_.below(static_cast<int>(moves.size()))];
    double best = -1;
    Move chosen = moves.front();
    int ties = 0;
    for (const Move& m : moves) {
      double s = score(m);
      if (s > best + 1e-9) {
        best = s;
        chosen = m;
        ties = 1;
      } else if (std::abs(s - best) <= 1e-9 && rng_.below(++ties) == 0) {
        chosen = m;
      }
    }
    return chosen;
  }

  // Returns the number of match rounds (the move's own and its cascades).
  int apply(const Move& m) {
    std::swap(cells_[m.x1][m.y1].elem, cells_[m.x2][m.y2].elem);
    return cascade();
  }

  int cascade() {
    int rounds = 0;
    for (; rounds < 50; ++rounds) {
      bool mask[W][H] = {};
      bool any = false;
      for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y)
          if (inRun(x, y)) mask[x][y] = any = true;
      if (!any) break;
      for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y)
          if (mask[x][y]) group(x, y);
      settle();
    }
    return rounds;
  }

  // The hammer (a flask share of 0.15) and the bomb (0.32, a square of four) on
  // gold, chains and the tiles under potions that matches do not reach. The flask fills by one per
  // removed element.
  bool useTool() {
    if (boss_) return false;
    if (style_.randomShare > 0 && rng_.below(2) == 0) return false;  // not every player reaches for them
    const double full = std::max(L.FullRequiredFruits, 1);
    if (energy_ >= 0.56 * full && useCollector()) {
      energy_ -= 0.56 * full;
      return true;
    }
    if (goldLeft_ <= 0 && potionsLeft_ <= 0 && chainsLeft() == 0) return false;
    int bestX = -1, bestY = -1, bestValue = 0;
    bool bomb = energy_ >= 0.32 * full;
    if (!bomb && energy_ < 0.15 * full) return false;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) {
        if (!cells_[x][y].tile) continue;
        int value = 0;
        for (int dx = 0; dx <= (bomb ? 1 : 0); ++dx)
          for (int dy = 0; dy <= (bomb ? 1 : 0); ++dy)
            if (inside(x + dx, y + dy) && cells_[x + dx][y + dy].tile) {
              const Cell& c = cells_[x + dx][y + dy];
              value += c.gold + c.chain;
              if (c.elem != Potion && y + dy > 0 && cells_[x + dx][y + dy - 1].elem == Potion) value += 2;
            }
        if (value > bestValue) {
          bestValue = value;
          bestX = x;
          bestY = y;
        }
      }
    if (bestValue < (bomb ? 2 : 1)) return false;
    energy_ -= (bomb ? 0.32 : 0.15) * full;
    for (int dx = 0; dx <= (bomb ? 1 : 0); ++dx)
      for (int dy = 0; dy <= (bomb ? 1 : 0); ++dy) {
        int x = bestX + dx, y = bestY + dy;
        if (!inside(x, y) || !cells_[x][y].tile) continue;
        cells_[x][y].chain = 0;  // a strike breaks a chain at once
        cells_[x][y].web = false;
        if (cells_[x][y].elem == Potion) continue;
        group(x, y);
      }
    settle();
    cascade();
    return true;
  }

  // The collector gathers every element of one kind on the board at once; worth
  // it for a needed flower or a big pile of a needed fruit.
  bool useCollector() {
    int counts[17] = {};
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y)
        if (colour(x, y)) ++counts[cells_[x][y].elem];
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
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y)
        if (colour(x, y) && cells_[x][y].elem == best) group(x, y);
    collecting_ = false;
    settle();
    cascade();
    return true;
  }

  int chainsLeft() const {
    int n = 0;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) n += cells_[x][y].chain;
    return n;
  }

  void knockSpider(Cell& c) {
    if (!c.spider) return;
    c.spider = false;
    ++result_.spiders;
    if (spidersNeeded_ > 0) --spidersNeeded_;
  }

  void group(int x, int y) {
    Cell& c = cell(x, y);
    if (c.gold) {
      --c.gold;
      --goldLeft_;
      ++result_.goldCleared;
    }
    knockSpider(c);
    if (c.web) {
      c.web = false;
      return;
    }
    if (c.chain) {
      --c.chain;
      return;
    }
    int code = c.elem;
    c.elem = 0;
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

  // Falling and refilling: columns split at unused and chained tiles; within a
  // stretch everything above an empty tile falls (and any spider on it drops off).
  void gravity() {
    for (int x = 0; x < W; ++x) {
      int y = H - 1;
      while (y >= 0) {
        if (!cells_[x][y].tile || cells_[x][y].chain) {
          --y;
          continue;
        }
        int bottom = y;
        while (y >= 0 && cells_[x][y].tile && cells_[x][y].chain == 0) --y;
        int top = y + 1;
        int lowestEmpty = -1;
        for (int k = bottom; k >= top; --k)
          if (cells_[x][k].elem == 0) {
            lowestEmpty = k;
            break;
          }
        if (lowestEmpty < 0) continue;
        for (int k = lowestEmpty - 1; k >= top; --k) knockSpider(cells_[x][k]);
        int write = bottom;
        for (int k = bottom; k >= top; --k) {
          if (cells_[x][k].elem == 0) continue;
          if (write != k) {
            cells_[x][write].elem = cells_[x][k].elem;
            cells_[x][write].web = cells_[x][k].web;
            cells_[x][k].elem = 0;
            cells_[x][k].web = false;
          }
          --write;
        }
        for (int k = write; k >= top; --k) {
          cells_[x][k].elem = static_cast<std::uint8_t>(randomColour());
          cells_[x][k].web = false;
        }
      }
    }
  }

  void settle() {
    for (int round = 0; round < 20; ++round) {
      gravity();
      bool collected = false;
      for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y) {
          Cell& c = cell(x, y);
          if (c.elem != Potion) continue;
          bool onBottom = y == H - 1 || (!cells_[x][y + 1].tile && !cells_[x][y + 1].decorative);
          if (onBottom) {
            c.elem = 0;
            --potionsLeft_;
            ++result_.potions;
            collected = true;
          }
        }
      if (!collected) return;
    }
  }

  int countWebs() const {
    int n = 0;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y) n += cells_[x][y].web;
    return n;
  }

  void updateSpiders() {
    if (grouped_ >= L.FruitsInterval) {
      grouped_ = 0;
      budget_ = L.MaxWebs - countWebs();
      websMade_ = 0;
      int active = 0;
      for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y) active += cells_[x][y].spider;
      for (int i = active; i < L.MaxSpidersOnBoard && websMade_ < budget_; ++i) {
        for (int tries = 0; tries < 100; ++tries) {
          int x = rng_.below(W), y = 0;
          while (y < H && !colour(x, y)) ++y;
          if (y < H && !cells_[x][y].spider) {
            cells_[x][y].spider = true;
            break;
          }
        }
      }
    }
    // Spiders wander about a tile every 0.9 s and now and then spin a web.
    int steps = std::max(1, static_cast<int>(style_.secondsPerMove / 0.9));
    double webChance = style_.secondsPerMove / (0.8 * L.OneWebEveryProb + 6.0);
    std::vector<std::pair<int, int>> spiders;
    for (int x = 0; x < W; ++x)
      for (int y = 0; y < H; ++y)
        if (cells_[x][y].spider) spiders.emplace_back(x, y);
    for (auto [x, y] : spiders) {
      cells_[x][y].spider = false;
      if (websMade_ >= budget_) continue;  // its wave's webs are spun: it leaves
      for (int s = 0; s < steps; ++s) {
        static const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        int d = rng_.below(4);
        if (inside(x + dx[d], y + dy[d]) && cells_[x + dx[d]][y + dy[d]].tile) {
          x += dx[d];
          y += dy[d];
        }
      }
      Cell& c = cell(x, y);
      if (rng_.below(1000) < webChance * 1000 && c.elem >= 1 && c.elem <= 12 && !c.web && c.chain == 0) {
        c.web = true;
        ++websMade_;
      }
      c.spider = true;
    }
  }

  int attemptInterval() {
    int r = L.RefTimeForAbsorbAttempt;
    return r + static_cast<int>(std::lround(r * rng_.below(5) / 10.0));
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
  Rng rng_;
  bool boss_ = false;
  Cell cells_[W][H];
  int need_[19] = {};
  int goldLeft_ = 0, potionsLeft_ = 0, spidersNeeded_ = 0;
  int grouped_ = 0, budget_ = 0, websMade_ = 0;
  int boardLeft_ = 0;
  double creatureX_ = 0;
  bool walkingRight_ = false;
  double energy_ = 0;
  bool collecting_ = false;
  int bossEnergy_ = 0, phase_ = 0, phaseMs_ = 0, walked_ = 0, nextAttempt_ = 0, prepHits_ = 0;
  std::vector<std::pair<int, int>> scratch_;
  PlayResult result_;
};

}  // namespace

PlayResult playLevel(const TLevelFileRecord& level, int island, const PlayerStyle& style, std::uint32_t seed,
                     int maxMoves) {
  Game game(level, std::clamp(island, 1, 5), style, seed);
  return game.play(maxMoves);
}

}  // namespace contentgen
