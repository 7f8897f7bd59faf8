#include "Levels.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

#include "board/TBoardRules.h"

namespace contentgen {

namespace {

struct NamedCode {
  const char* name;
  int code;
};

// Fruits 1..8, plain (uncollected) elements 9..12, flowers 13..16.
constexpr NamedCode ElementNames[] = {
    {"banana", 1},  {"strawberry", 2}, {"apple", 3},   {"grape", 4},
    {"orange", 5},  {"plum", 6},       {"cherry", 7},  {"guava", 8},
    {"shell", 9},   {"pebble", 10},    {"acorn", 11},  {"feather", 12},
    {"bluebell", 13}, {"rose", 14},    {"marigold", 15}, {"lavender", 16},
};

std::int32_t* targetField(TLevelFileRecord& r, int code) {
  switch (code) {
    case 1: return &r.TargetBananas;
    case 2: return &r.TargetStrawberries;
    case 3: return &r.TargetApples;
    case 4: return &r.TargetGrapes;
    case 5: return &r.TargetOranges;
    case 6: return &r.TargetPlums;
    case 7: return &r.TargetCherries;
    case 8: return &r.TargetGuavas;
    case 13: return &r.TargetFlowers1;
    case 14: return &r.TargetFlowers2;
    case 15: return &r.TargetFlowers3;
    case 16: return &r.TargetFlowers4;
    default: return nullptr;
  }
}

std::string trim(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return std::string(s.substr(a, b - a));
}

std::vector<std::string> splitOn(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : s) {
    if (c == sep) {
      parts.push_back(trim(cur));
      cur.clear();
    } else {
      cur += c;
    }
  }
  parts.push_back(trim(cur));
  return parts;
}

std::vector<std::string> words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> w;
  std::string x;
  while (in >> x) w.push_back(x);
  return w;
}

bool toInt(const std::string& s, int& out) {
  if (s.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (*end != '\0') return false;
  out = static_cast<int>(v);
  return true;
}

// "name 12, other 3" -> pairs; reports malformed parts.
bool namedNumbers(const std::string& value, std::vector<std::pair<std::string, int>>& out) {
  if (value == "none") return true;
  for (const std::string& part : splitOn(value, ',')) {
    auto w = words(part);
    int n = 0;
    if (w.size() != 2 || !toInt(w[1], n)) return false;
    out.emplace_back(w[0], n);
  }
  return true;
}

void setElement(TLevelFileRecord& r, int code) {
  r.ElementSet.Include(code);
}

bool allowedGridChar(char c) {
  return std::strchr("._o12cCwp", c) != nullptr;
}

}  // namespace

int elementCode(std::string_view name) {
  for (const auto& e : ElementNames)
    if (name == e.name) return e.code;
  return 0;
}

std::string elementName(int code) {
  for (const auto& e : ElementNames)
    if (e.code == code) return e.name;
  return "code " + std::to_string(code);
}

bool hasElement(const TLevelFileRecord& level, int code) {
  if (code < 0 || code > 255) return false;
  return level.ElementSet.Has(code);
}

bool isTile(const TLevelFileRecord& level, int x, int y) {
  if (x < 1 || x > BoardCols || y < 1 || y > BoardRows) return false;
  return level.Board.Tiles[x - 1][y - 1].ObjectKind == okFruit;
}

bool isUsedCell(const TLevelFileRecord& level, int x, int y) {
  const TBoardTile& t = level.Board.Tiles[x - 1][y - 1];
  return !(t.ObjectKind == okUnused && t.BackgroundVariant == 0);
}

int targetFor(const TLevelFileRecord& level, int code) {
  const std::int32_t* field = targetField(const_cast<TLevelFileRecord&>(level), code);
  return field ? *field : 0;  // plain elements are never gathered
}

int goldLayers(const TLevelFileRecord& level) {
  int sum = 0;
  for (const auto& col : level.GoldTileLayers.Cells)
    for (std::uint8_t v : col) sum += v;
  return sum;
}

int potionCount(const TLevelFileRecord& level) {
  int n = 0;
  for (const auto& col : level.PotionCells.Cells)
    for (std::uint8_t v : col) n += v != 0;
  return n;
}

int colourCount(const TLevelFileRecord& level) {
  int n = 0;
  for (int c = 1; c <= 12; ++c) n += hasElement(level, c);
  return n;
}

int flowerCount(const TLevelFileRecord& level) {
  int n = 0;
  for (int c = 13; c <= 16; ++c) n += hasElement(level, c);
  return n;
}

Placement boardPlacement(const TLevelFileRecord& level) {
  TPoint origin = TBoardRules::CentredOrigin(level.Board);
  return {origin.X, origin.Y};
}

std::string levelFileName(int island, int level) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "Level%d-%02d.eil", island, level);
  return buf;
}

CompiledLevel compileLevel(std::string_view source, const std::string& where) {
  CompiledLevel out;
  TLevelFileRecord& r = out.record;
  r = TLevelFileRecord::Blank();
  auto error = [&](int line, const std::string& what) {
    out.errors.push_back(where + ":" + std::to_string(line) + ": " + what);
  };

  // Defaults for settings a source may leave out.
  r.FullRequiredFruits = 200;
  r.OneUniFruitEveryInterval = 100;
  r.MaxUniFruitOnBoard = 1;
  r.FruitsInterval = 60;
  r.OneWebEveryProb = 15;

  std::vector<std::string> lines;
  {
    std::string cur;
    for (char c : source) {
      if (c == '\n') {
        lines.push_back(cur);
        cur.clear();
      } else if (c != '\r') {
        cur += c;
      }
    }
    if (!cur.empty()) lines.push_back(cur);
  }

  std::map<std::string, int> seen;
  std::vector<std::string> board, gold, chains, webs, potions;
  bool haveMode = false, haveTime = false, haveElements = false, haveTargets = false,
       haveBoss = false;

  for (size_t i = 0; i < lines.size(); ++i) {
    int lineNo = static_cast<int>(i) + 1;
    std::string line = lines[i];
    if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    line = trim(line);
    if (line.empty()) continue;

    if (line == "board" || line == "gold" || line == "chains" || line == "webs" ||
        line == "potions") {
      std::vector<std::string>& grid = line == "board"    ? board
                                       : line == "gold"   ? gold
                                       : line == "chains" ? chains
                                       : line == "webs"   ? webs
                                                          : potions;
      if (!grid.empty()) error(lineNo, "second '" + line + "' grid");
      grid.clear();
      for (int row = 0; row < BoardRows; ++row) {
        ++i;
        if (i >= lines.size()) {
          error(lineNo, "grid '" + line + "' has fewer than 12 rows");
          break;
        }
        std::string g;
        for (char c : lines[i])
          if (!std::isspace(static_cast<unsigned char>(c))) g += c;
        if (g.size() != BoardCols)
          error(static_cast<int>(i) + 1, "grid rows have 16 cells, this one has " +
                                             std::to_string(g.size()));
        g.resize(BoardCols, '.');
        grid.push_back(g);
      }
      continue;
    }

    auto eq = line.find('=');
    if (eq == std::string::npos) {
      error(lineNo, "expected 'key = value' or a grid name");
      continue;
    }
    std::string key = trim(line.substr(0, eq));
    std::string value = trim(line.substr(eq + 1));
    if (seen[key]++) error(lineNo, "'" + key + "' given twice");

    if (key == "mode") {
      haveMode = true;
      if (value == "gather") r.GameObjective = goNormalMode;
      else if (value == "boss") r.GameObjective = goBossMode;
      else error(lineNo, "mode is 'gather' or 'boss'");
    } else if (key == "time") {
      int t = 0;
      if (!toInt(value, t)) error(lineNo, "time is a number of seconds");
      r.Time = t;
      haveTime = true;
    } else if (key == "elements") {
      haveElements = true;
      for (const std::string& w : words(value)) {
        int code = elementCode(w);
        if (!code) error(lineNo, "unknown element '" + w + "'");
        else setElement(r, code);
      }
    } else if (key == "targets") {
      haveTargets = true;
      std::vector<std::pair<std::string, int>> t;
      if (!namedNumbers(value, t)) error(lineNo, "targets are 'name count, name count'");
      for (auto& [name, n] : t) {
        if (name == "spider") {
          r.TargetSpiders = n;
        } else if (std::int32_t* f = targetField(r, elementCode(name))) {
          *f = n;
        } else {
          error(lineNo, "'" + name + "' cannot be a target");
        }
      }
    } else if (key == "bonus") {
      auto w = words(value);
      static const char* kinds[] = {"fruit", "flower", "potion", "gold", "spider"};
      int kind = -1, n = 0;
      if (w.size() == 2)
        for (int k = 0; k < 5; ++k)
          if (w[0] == kinds[k]) kind = k;
      if (kind < 0 || !toInt(w[1], n)) error(lineNo, "bonus is 'fruit|flower|potion|gold|spider count'");
      r.BonusElementKind = static_cast<TElementKind>(std::max(kind, 0));
      r.BonusElementCount = n;
    } else if (key == "energy") {
      int n = 0;
      if (!toInt(value, n)) error(lineNo, "energy is the size of the flask");
      r.FullRequiredFruits = n;
    } else if (key == "uni") {
      auto w = words(value);
      int every = 0, max = 0;
      if (value == "none") {
        every = max = 0;
      } else if (w.size() != 2 || !toInt(w[0], every) || !toInt(w[1], max)) {
        error(lineNo, "uni is 'every max' or 'none'");
      }
      r.OneUniFruitEveryInterval = every;
      r.MaxUniFruitOnBoard = static_cast<std::uint8_t>(max);
    } else if (key == "spiders") {
      if (value == "none") {
        r.MaxSpidersOnBoard = 0;
        r.MaxWebs = 0;
      } else {
        std::vector<std::pair<std::string, int>> s;
        if (!namedNumbers(value, s)) error(lineNo, "spiders are 'interval N, max N, webs N, chance N'");
        for (auto& [name, n] : s) {
          if (name == "interval") r.FruitsInterval = n;
          else if (name == "max") r.MaxSpidersOnBoard = n;
          else if (name == "webs") r.MaxWebs = n;
          else if (name == "chance") r.OneWebEveryProb = n;
          else error(lineNo, "unknown spider setting '" + name + "'");
        }
      }
    } else if (key == "boss") {
      haveBoss = true;
      std::vector<std::pair<std::string, int>> b;
      if (!namedNumbers(value, b)) error(lineNo, "boss settings are 'name N, name N'");
      for (auto& [name, n] : b) {
        if (name == "energy") r.Energy = n;
        else if (name == "attempt") r.RefTimeForAbsorbAttempt = n;
        else if (name == "cancel") r.HitsToCancelAbsorbAttempt = n;
        else if (name == "drain") r.OneAbsorbedTime = n;
        else if (name == "prepare") r.PreparingTime = n;
        else if (name == "absorb") r.AbsorbingTime = n;
        else if (name == "finish") r.FinishingTime = n;
        else error(lineNo, "unknown boss setting '" + name + "'");
      }
    } else {
      error(lineNo, "unknown key '" + key + "'");
    }
  }

  if (!haveMode) error(0, "missing 'mode'");
  if (!haveTime) error(0, "missing 'time'");
  if (!haveElements) error(0, "missing 'elements'");
  if (board.empty()) error(0, "missing 'board'");
  if (r.GameObjective == goNormalMode && !haveTargets) error(0, "a gathering level needs 'targets'");
  if (r.GameObjective == goBossMode && !haveBoss) error(0, "a boss level needs 'boss'");

  // The starting elements are replaced by a random fill when the level starts;
  // a fixed cycle through the level's own set keeps the file deterministic.
  std::vector<int> codes;
  for (int c = 1; c <= 16; ++c)
    if (hasElement(r, c)) codes.push_back(c);
  if (codes.empty()) codes.push_back(1);

  auto overlayChar = [](const std::vector<std::string>& grid, int x, int y) {
    return grid.empty() ? '.' : grid[y][x];
  };
  for (int y = 0; y < BoardRows; ++y) {
    for (int x = 0; x < BoardCols; ++x) {
      TBoardTile& t = r.Board.Tiles[x][y];
      char c = board.empty() ? '.' : board[y][x];
      if (!allowedGridChar(c)) {
        error(0, std::string("unknown board cell '") + c + "'");
        c = '.';
      }
      if (c == '.' || c == '_') {
        t.ObjectKind = okUnused;
        t.BackgroundVariant = c == '_' ? 1 : 0;
      } else {
        t.ObjectKind = okFruit;
        t.BackgroundVariant = static_cast<std::uint8_t>((x + y) % 2);
        t.LockerColor = static_cast<std::uint8_t>(1 + (x + 2 * y) % 3);
        t.Element = static_cast<std::uint8_t>(codes[(x + 2 * y) % codes.size()]);
        t.BlasterColor = 1;
      }
      char g = overlayChar(gold, x, y), ch = overlayChar(chains, x, y),
           w = overlayChar(webs, x, y), p = overlayChar(potions, x, y);
      if (c == '1' || c == '2') r.GoldTileLayers.Cells[x][y] = static_cast<std::uint8_t>(c - '0');
      if (g >= '1' && g <= '9') r.GoldTileLayers.Cells[x][y] = static_cast<std::uint8_t>(g - '0');
      if (c == 'c' || ch == 'c') t.ChainLevel = 1;
      if (c == 'C' || ch == 'C') t.ChainLevel = 2;
      if (c == 'w' || w == 'w') t.Web = 1;
      if (c == 'p' || p == 'p') r.PotionCells.Cells[x][y] = 1;
      for (char o : {g, ch, w, p})
        if (!std::strchr("._o123456789cCwp", o)) error(0, std::string("unknown overlay cell '") + o + "'");
    }
  }

  for (const std::string& problem : checkLevel(r)) out.errors.push_back(where + ": " + problem);
  return out;
}

std::vector<std::string> checkLevel(const TLevelFileRecord& r) {
  std::vector<std::string> p;
  auto cell = [](int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
  };
  const bool boss = r.GameObjective == goBossMode;
  if (r.GameObjective > goBossMode) p.push_back("objective is neither gathering nor boss");

  int tiles = 0, webs = 0;
  for (int x = 1; x <= BoardCols; ++x)
    for (int y = 1; y <= BoardRows; ++y) {
      const TBoardTile& t = r.Board.Tiles[x - 1][y - 1];
      if (t.ObjectKind != okFruit && t.ObjectKind != okUnused)
        p.push_back("cell " + cell(x, y) + " is neither a tile nor unused");
      bool tile = isTile(r, x, y);
      tiles += tile;
      webs += t.Web != 0;
      std::uint8_t gold = r.GoldTileLayers.Cells[x - 1][y - 1];
      bool potion = r.PotionCells.Cells[x - 1][y - 1] != 0;
      if (!tile && (t.Web || t.ChainLevel || gold || potion))
        p.push_back("web, chain, gold or potion on the non-tile " + cell(x, y));
      if (t.ChainLevel > 2) p.push_back("chain stronger than 2 at " + cell(x, y));
      if (gold > 2) p.push_back("more than two gold layers at " + cell(x, y));
      if (potion && (t.Web || t.ChainLevel))
        p.push_back("potion under a web or chain at " + cell(x, y));
      if (tile) {
        // Every tile must be part of some straight line of three tiles, or its
        // web, chain or gold could only ever be cleared with a tool.
        bool matchable = false;
        for (int d = -2; d <= 0 && !matchable; ++d) {
          matchable = (isTile(r, x + d, y) && isTile(r, x + d + 1, y) && isTile(r, x + d + 2, y)) ||
                      (isTile(r, x, y + d) && isTile(r, x, y + d + 1) && isTile(r, x, y + d + 2));
        }
        if (!matchable) p.push_back("tile " + cell(x, y) + " can never be matched");
      }
      if (potion) {
        // A potion is gathered when it rests on the bottom row or above a hole;
        // a decorative empty tile under its column would hold it forever.
        int yy = y + 1;
        while (yy <= BoardRows && isTile(r, x, yy)) ++yy;
        if (yy <= BoardRows && r.Board.Tiles[x - 1][yy - 1].BackgroundVariant != 0)
          p.push_back("potion at " + cell(x, y) + " can never reach the bottom");
      }
    }
  if (tiles == 0) p.push_back("no tile at all");
  bool unusedGridClear = true;
  for (const auto& col : r.UnusedGrid.Cells)
    for (std::uint8_t v : col) unusedGridClear = unusedGridClear && v == 0;
  if (!unusedGridClear) p.push_back("the unused grid is not empty");

  for (int c = 0; c < 256; ++c)
    if (hasElement(r, c) && (c < 1 || c > 16)) p.push_back("element code " + std::to_string(c) + " is not drawn by the board");
  int colours = colourCount(r);
  if (colours < 4 || colours > 9)
    p.push_back("the set has " + std::to_string(colours) + " colours; 4 to 9 make a playable board");

  int gathered = 0;
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16}) {
    int t = targetFor(r, code);
    if (t < 0) p.push_back("negative target for " + elementName(code));
    if (t > 0 && !hasElement(r, code)) p.push_back("target for " + elementName(code) + ", which never appears");
    gathered += std::max(t, 0);
  }
  bool spidersOn = r.MaxSpidersOnBoard > 0;
  if (r.MaxSpidersOnBoard < 0 || r.MaxSpidersOnBoard > 20) p.push_back("spider count outside 0..20");
  if (spidersOn && (r.FruitsInterval <= 0 || r.OneWebEveryProb <= 0 || r.MaxWebs <= webs))
    p.push_back("spiders need an interval, a web chance and room for more webs");
  if (!spidersOn && r.MaxWebs != 0) p.push_back("webs allowed without spiders");
  if (r.TargetSpiders < 0) p.push_back("negative spider target");
  if (r.TargetSpiders > 0 && !spidersOn) p.push_back("spider target without spiders");
  gathered += std::max(r.TargetSpiders, 0) + goldLayers(r) + potionCount(r);

  if (r.Time <= 0) p.push_back("time limit is not above 0");
  if (r.FullRequiredFruits < 50 || r.FullRequiredFruits > 500) p.push_back("energy flask outside 50..500");
  if (r.MaxUniFruitOnBoard > 3) p.push_back("more than three uni bubbles");
  if (r.OneUniFruitEveryInterval < 0) p.push_back("negative uni-bubble interval");
  if (r.BonusElementKind > elSpider) p.push_back("bonus kind outside the five kinds");
  if (r.BonusElementCount < 0) p.push_back("negative bonus");

  if (!boss) {
    if (gathered == 0) p.push_back("a gathering level without any target can never be won");
  } else {
    // Everything a boss round clears must fall onto the creature, so nothing
    // may be wanted by the (hidden) gathering panel.
    if (gathered != 0) p.push_back("a boss level gathers nothing");
    if (spidersOn) p.push_back("no spiders in a boss level");
    if (r.Energy <= 0) p.push_back("boss energy is not above 0");
    if (r.RefTimeForAbsorbAttempt < 5000) p.push_back("boss attempts more often than every 5 s");
    if (r.HitsToCancelAbsorbAttempt < 1 || r.HitsToCancelAbsorbAttempt > 20)
      p.push_back("hits to cancel an attempt outside 1..20");
    if (r.OneAbsorbedTime < 1 || r.OneAbsorbedTime * 4 > r.Time)
      p.push_back("one absorption drains nothing or more than a quarter of the time");
    if (r.PreparingTime < 1500 || r.AbsorbingTime < 1000 || r.FinishingTime < 1000)
      p.push_back("boss phases too short to see");
    int firstCol = 0, lastCol = 0;
    for (int x = 1; x <= BoardCols; ++x)
      for (int y = 1; y <= BoardRows; ++y)
        if (isTile(r, x, y)) {
          if (!firstCol) firstCol = x;
          lastCol = x;
        }
    if (lastCol - firstCol + 1 < 12) p.push_back("a boss board must span the creature's walk (12 columns)");
  }
  return p;
}

}  // namespace contentgen
