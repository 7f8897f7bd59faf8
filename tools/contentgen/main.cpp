// wendmoor-contentgen: turns the readable content sources into the files the
// game installs beside its executable.
//
//   wendmoor-contentgen texts  <source dir> <Texts dir>
//   wendmoor-contentgen levels <source dir> <Levels dir>
//   wendmoor-contentgen prices <prices source> <SlotPrices.dat>
//   wendmoor-contentgen hidden <hidden source> <HiddenIngrds.dat>
//   wendmoor-contentgen report <source dir of levels> <prices source>
//   wendmoor-contentgen estimates <source dir of levels>
//
// Any problem in a source is reported and fails the command, so the build
// never installs a broken level or an over-long line.
#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "Economy.h"
#include "Levels.h"
#include "Shop.h"
#include "Texts.h"

namespace fs = std::filesystem;
using namespace contentgen;

static_assert(std::endian::native == std::endian::little, "the game's files are little-endian dumps");

namespace {

bool readFile(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

bool writeFile(const fs::path& path, const void* data, size_t size) {
  std::error_code ignored;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

int report(const std::vector<std::string>& problems) {
  for (const std::string& p : problems) std::cerr << "contentgen: " << p << "\n";
  return problems.empty() ? 0 : 1;
}

fs::path levelSource(const fs::path& dir, int island, int level) {
  std::string name = levelFileName(island, level);
  return dir / ("island" + std::to_string(island)) / (name.substr(0, name.size() - 4) + ".txt");
}

int texts(const fs::path& src, const fs::path& dst) {
  std::vector<std::string> problems;
  fs::create_directories(dst);
  for (const CatalogueFile& c : Catalogues) {
    std::string bytes;
    if (!readFile(src / c.name, bytes)) {
      problems.push_back(std::string("missing ") + c.name);
      continue;
    }
    auto lines = splitLines(bytes);
    for (auto& p : checkCatalogue(c.name, lines)) problems.push_back(p);
    std::string out = joinLines(lines);
    if (!writeFile(dst / c.name, out.data(), out.size())) problems.push_back(std::string("cannot write ") + c.name);
  }
  std::string settings;
  if (!readFile(src / "_settings.txt", settings)) {
    problems.push_back("missing _settings.txt");
  } else {
    auto lines = splitLines(settings);
    for (auto& p : checkSettings(lines)) problems.push_back(p);
    std::string out = joinLines(lines);
    writeFile(dst / "_settings.txt", out.data(), out.size());
  }
  return report(problems);
}

int levels(const fs::path& src, const fs::path& dst) {
  std::vector<std::string> problems;
  fs::create_directories(dst);
  for (int island = 1; island <= 5; ++island)
    for (int level = 1; level <= LevelsPerIsland[island - 1]; ++level) {
      fs::path path = levelSource(src, island, level);
      std::string text;
      if (!readFile(path, text)) {
        problems.push_back("missing " + path.string());
        continue;
      }
      CompiledLevel compiled = compileLevel(text, path.filename().string());
      problems.insert(problems.end(), compiled.errors.begin(), compiled.errors.end());
      if (!writeFile(dst / levelFileName(island, level), &compiled.record, sizeof compiled.record))
        problems.push_back("cannot write " + levelFileName(island, level));
    }
  return report(problems);
}

int prices(const fs::path& src, const fs::path& dst) {
  std::string text;
  if (!readFile(src, text)) return report({"missing " + src.string()});
  std::vector<std::string> problems;
  TSlotPrices table = parsePrices(text, problems);
  if (!writeFile(dst, &table, sizeof table)) problems.push_back("cannot write " + dst.string());
  return report(problems);
}

int hidden(const fs::path& src, const fs::path& dst) {
  std::string text;
  if (!readFile(src, text)) return report({"missing " + src.string()});
  std::vector<std::string> problems;
  THiddenTable table = parseHidden(text, problems);
  for (auto& p : checkHidden(table)) problems.push_back(p);
  if (!writeFile(dst, &table, sizeof table)) problems.push_back("cannot write " + dst.string());
  return report(problems);
}

// The design table: per level the model's times against the limit and the
// average earnings, then when an average player can afford each item.
int economyReport(const fs::path& levelDir, const fs::path& priceSource) {
  std::string text;
  std::vector<std::string> problems;
  TSlotPrices table{};
  if (readFile(priceSource, text)) table = parsePrices(text, problems);
  TElementsCount purse{};
  for (int island = 1; island <= 5; ++island) {
    std::printf("Island %d\n  lvl  time  avg  good  avg/T good/T   fruit flower potion  gold spider\n", island);
    int slot = 0;
    for (int level = 1; level <= LevelsPerIsland[island - 1] + 8 && slot < 4; ++level) {
      int designed = std::min(level, LevelsPerIsland[island - 1]);
      if (level > LevelsPerIsland[island - 1]) designed = LevelsPerIsland[island - 1] - (level % 4);
      std::string src;
      if (!readFile(levelSource(levelDir, island, designed), src)) continue;
      CompiledLevel c = compileLevel(src, "");
      LevelEstimate e = estimateLevel(c.record, island);
      purse.Fruits += e.earnings.Fruits;
      purse.Flowers += e.earnings.Flowers;
      purse.Potions += e.earnings.Potions;
      purse.GoldTiles += e.earnings.GoldTiles;
      purse.Spiders += e.earnings.Spiders;
      std::printf("  %2d%s %5d %5.0f %5.0f  %5.2f  %5.2f  %6.0f %6.1f %6.1f %5.1f %6.1f", level,
                  level > LevelsPerIsland[island - 1] ? "r" : " ", c.record.Time, e.averageSeconds, e.goodSeconds,
                  e.averageSeconds / c.record.Time, e.goodSeconds / c.record.Time, e.earnings.Fruits,
                  e.earnings.Flowers, e.earnings.Potions, e.earnings.GoldTiles, e.earnings.Spiders);
      // Buy every item that has become affordable, in slot order.
      while (slot < 4) {
        const TElementsCount& p = table[island - 1][slot];
        if (purse.Fruits < p.Fruits || purse.Flowers < p.Flowers || purse.Potions < p.Potions ||
            purse.GoldTiles < p.GoldTiles || purse.Spiders < p.Spiders)
          break;
        purse.Fruits -= p.Fruits;
        purse.Flowers -= p.Flowers;
        purse.Potions -= p.Potions;
        purse.GoldTiles -= p.GoldTiles;
        purse.Spiders -= p.Spiders;
        std::printf("  -> buys item %d", ++slot);
      }
      std::printf("\n");
    }
    TElementsCount reward = islandReward(island);
    purse.Fruits += reward.Fruits;
    purse.Flowers += reward.Flowers;
    purse.Potions += reward.Potions;
    purse.GoldTiles += reward.GoldTiles;
    purse.Spiders += reward.Spiders;
    std::printf("  purse after the island reward: %.0f fruit, %.0f flower, %.1f potion, %.0f gold, %.0f spider\n",
                purse.Fruits, purse.Flowers, purse.Potions, purse.GoldTiles, purse.Spiders);
  }
  return report(problems);
}

// One line per designed level: island, level, time limit, the average and the
// good player's seconds, the average player's wins in time, removals and earnings.
int estimates(const fs::path& levelDir) {
  for (int island = 1; island <= 5; ++island)
    for (int level = 1; level <= LevelsPerIsland[island - 1]; ++level) {
      std::string src;
      if (!readFile(levelSource(levelDir, island, level), src)) continue;
      CompiledLevel c = compileLevel(src, "");
      LevelEstimate e = estimateLevel(c.record, island);
      std::printf("%d %2d %4d %6.1f %6.1f %4.0f%% %6.0f  %6.1f %5.1f %4.1f %5.1f %5.1f\n", island, level,
                  c.record.Time, e.averageSeconds, e.goodSeconds, 100 * e.averageWinShare, e.removals,
                  e.earnings.Fruits, e.earnings.Flowers, e.earnings.Potions, e.earnings.GoldTiles, e.earnings.Spiders);
    }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "estimates") return estimates(argv[2]);
  if (argc != 4) {
    std::cerr << "usage: wendmoor-contentgen texts|levels|prices|hidden|report <source> <target>\n";
    return 2;
  }
  std::string cmd = argv[1];
  if (cmd == "texts") return texts(argv[2], argv[3]);
  if (cmd == "levels") return levels(argv[2], argv[3]);
  if (cmd == "prices") return prices(argv[2], argv[3]);
  if (cmd == "hidden") return hidden(argv[2], argv[3]);
  if (cmd == "report") return economyReport(argv[2], argv[3]);
  std::cerr << "wendmoor-contentgen: unknown command " << cmd << "\n";
  return 2;
}
