#include "Shop.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace contentgen {

const char* const IngredientNames[17] = {
    "",      "banana", "strawberry", "apple", "grape",    "orange", "plum",   "cherry", "guava",
    "flour", "egg",    "milk",       "honey", "hazelnut", "mushroom", "petals", "fish",
};

int ingredientKind(std::string_view name) {
  for (int k = 1; k <= 16; ++k)
    if (name == IngredientNames[k]) return k;
  int n = std::atoi(std::string(name).c_str());
  return n >= 1 && n <= 16 ? n : 0;
}

namespace {

struct ItemLine {
  int island = 0, slot = 0;
  std::vector<std::vector<std::string>> parts;  // comma-separated word lists
};

std::vector<ItemLine> itemLines(std::string_view source, const char* file, std::vector<std::string>& errors) {
  std::vector<ItemLine> items;
  std::istringstream in{std::string(source)};
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    auto eq = line.find('=');
    ItemLine item;
    std::istringstream head(line.substr(0, eq == std::string::npos ? 0 : eq));
    if (eq == std::string::npos || !(head >> item.island >> item.slot) || item.island < 1 || item.island > 5 ||
        item.slot < 1 || item.slot > 4) {
      errors.push_back(std::string(file) + ":" + std::to_string(lineNo) + ": expected 'island slot = ...'");
      continue;
    }
    std::string rest = line.substr(eq + 1), part;
    std::istringstream parts(rest);
    while (std::getline(parts, part, ',')) {
      std::istringstream ws(part);
      std::vector<std::string> w;
      std::string x;
      while (ws >> x) w.push_back(x);
      if (!w.empty()) item.parts.push_back(w);
    }
    items.push_back(item);
  }
  bool seen[5][4] = {};
  for (const ItemLine& i : items) {
    if (seen[i.island - 1][i.slot - 1])
      errors.push_back(std::string(file) + ": item " + std::to_string(i.island) + " " + std::to_string(i.slot) + " twice");
    seen[i.island - 1][i.slot - 1] = true;
  }
  for (int i = 0; i < 5; ++i)
    for (int s = 0; s < 4; ++s)
      if (!seen[i][s])
        errors.push_back(std::string(file) + ": item " + std::to_string(i + 1) + " " + std::to_string(s + 1) + " missing");
  return items;
}

struct Rect {
  int x, y, w, h;
  const char* what;
};

bool overlaps(const Rect& a, int x, int y, int w, int h) {
  return x < a.x + a.w && a.x < x + w && y < a.y + a.h && a.y < y + h;
}

}  // namespace

TSlotPrices parsePrices(std::string_view source, std::vector<std::string>& errors) {
  TSlotPrices prices{};
  for (const ItemLine& item : itemLines(source, "prices", errors)) {
    TElementsCount& p = prices[item.island - 1][item.slot - 1];
    for (const auto& w : item.parts) {
      float amount = w.size() == 2 ? std::strtof(w[1].c_str(), nullptr) : -1.f;
      float* field = nullptr;
      if (w.size() == 2) {
        if (w[0] == "fruit") field = &p.Fruits;
        else if (w[0] == "flower") field = &p.Flowers;
        else if (w[0] == "potion") field = &p.Potions;
        else if (w[0] == "gold") field = &p.GoldTiles;
        else if (w[0] == "spider") field = &p.Spiders;
      }
      if (!field || amount <= 0) {
        errors.push_back("prices: item " + std::to_string(item.island) + " " + std::to_string(item.slot) +
                         ": expected 'fruit|flower|potion|gold|spider amount'");
        continue;
      }
      *field = amount;
    }
  }
  return prices;
}

THiddenTable parseHidden(std::string_view source, std::vector<std::string>& errors) {
  THiddenTable table{};
  for (const ItemLine& item : itemLines(source, "hidden", errors)) {
    if (item.parts.size() != 4) {
      errors.push_back("hidden: item " + std::to_string(item.island) + " " + std::to_string(item.slot) +
                       " needs exactly four ingredients");
      continue;
    }
    for (int k = 0; k < 4; ++k) {
      const auto& w = item.parts[k];
      THiddenIngredient& h = table[item.island - 1][item.slot - 1][k];
      h.Kind = w.size() == 3 ? static_cast<std::uint8_t>(ingredientKind(w[0])) : 0;
      if (!h.Kind) errors.push_back("hidden: item " + std::to_string(item.island) + " " + std::to_string(item.slot) +
                                    ": expected 'ingredient x y'");
      if (w.size() == 3) {
        h.X = std::atoi(w[1].c_str());
        h.Y = std::atoi(w[2].c_str());
      }
      // The game overwrites these at every start; store what it starts with.
      h.Scale = 1.0;
      h.Angle = 0.0;
      h.Alpha = 120;
      h.Found = 0;
      h.Shown = 1;
    }
  }
  return table;
}

std::vector<std::string> checkHidden(const THiddenTable& table) {
  // Window-relative rectangles that the practice window draws over (y as drawn).
  static const Rect busy[] = {
      {0, 0, 1006, 120, "title and dish name"},
      {300, 80, 470, 290, "pots, cook and stove"},
      {340, 365, 260, 85, "step badge"},
      {385, 440, 280, 75, "recipe row"},
      {140, 495, 560, 70, "progress bar and hints"},
      {0, 420, 140, 200, "hint fairy"},
      {430, 570, 150, 70, "Done button"},
  };
  const int side = 52;  // the click rectangle of a hidden ingredient
  std::vector<std::string> p;
  for (int i = 0; i < 5; ++i)
    for (int s = 0; s < 4; ++s) {
      std::string item = "item " + std::to_string(i + 1) + " " + std::to_string(s + 1);
      for (int k = 0; k < 4; ++k) {
        const THiddenIngredient& h = table[i][s][k];
        int x = h.X, y = h.Y + 16;
        if (h.Kind < 1 || h.Kind > 16) p.push_back(item + ": ingredient kind outside 1..16");
        if (x < 25 || y < 25 || x + side > 980 || y + side > 600)
          p.push_back(item + ": ingredient " + std::to_string(k + 1) + " too close to the window's edge");
        for (const Rect& r : busy)
          if (overlaps(r, x, y, side, side))
            p.push_back(item + ": ingredient " + std::to_string(k + 1) + " lies on the " + r.what);
        for (int j = 0; j < k; ++j) {
          const THiddenIngredient& o = table[i][s][j];
          Rect other{o.X - 8, o.Y + 16 - 8, side + 16, side + 16, ""};
          if (overlaps(other, x, y, side, side))
            p.push_back(item + ": ingredients " + std::to_string(j + 1) + " and " + std::to_string(k + 1) + " touch");
        }
      }
    }
  return p;
}

}  // namespace contentgen
