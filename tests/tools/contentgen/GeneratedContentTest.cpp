// Reads every installed content file back: sizes, field offsets, the level
// placement rule, the playability rules of every level, the economy and the
// practice table.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "ContentFiles.h"
#include "Economy.h"
#include "Levels.h"
#include "Records.h"
#include "Shop.h"

using namespace contentgen;
using namespace contentgen::test;

namespace {

std::int32_t int32At(const std::string& bytes, size_t offset) {
  std::int32_t v;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

float floatAt(const std::string& bytes, size_t offset) {
  float v;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

struct Level {
  int island;
  int number;
  std::string bytes;
  TLevelFileRecord record;
};

const std::vector<Level>& installedLevels() {
  static const std::vector<Level> levels = [] {
    std::vector<Level> all;
    for (int island = 1; island <= 5; ++island)
      for (int n = 1; n <= LevelsPerIsland[island - 1]; ++n) {
        Level l{island, n, readBytes(binPath("Levels/" + levelFileName(island, n))), {}};
        if (l.bytes.size() == sizeof(TLevelFileRecord)) std::memcpy(static_cast<void*>(&l.record), l.bytes.data(), sizeof l.record);
        all.push_back(std::move(l));
      }
    return all;
  }();
  return levels;
}

std::string nameOf(const Level& l) { return levelFileName(l.island, l.number); }

// The simple players are slow-ish (a few seconds for all levels): play once.
const std::vector<LevelEstimate>& installedEstimates() {
  static const std::vector<LevelEstimate> estimates = [] {
    std::vector<LevelEstimate> all;
    for (const Level& l : installedLevels()) all.push_back(estimateLevel(l.record, l.island));
    return all;
  }();
  return estimates;
}

}  // namespace

TEST(InstalledLevels, EveryDesignedLevelIsOneExactRecordAndNothingElse) {
  ASSERT_EQ(installedLevels().size(), 74u);
  for (const Level& l : installedLevels()) EXPECT_EQ(l.bytes.size(), 4572u) << nameOf(l);
  // Levels above an island's count are replays, never files of their own.
  for (int island = 1; island <= 5; ++island)
    EXPECT_FALSE(std::filesystem::exists(binPath("Levels/" + levelFileName(island, LevelsPerIsland[island - 1] + 1))));
  EXPECT_EQ(levelFileName(2, 7), "Level2-07.eil");
}

TEST(InstalledLevels, FieldsSitAtTheirOffsets) {
  for (const Level& l : installedLevels()) {
    const std::string& b = l.bytes;
    ASSERT_EQ(b.size(), 4572u);
    EXPECT_EQ(static_cast<std::uint8_t>(b[0]), l.record.GameObjective);
    EXPECT_EQ(int32At(b, 4), l.record.TargetBananas);
    EXPECT_EQ(int32At(b, 16), l.record.TargetPlums);
    EXPECT_EQ(int32At(b, 20), l.record.TargetGrapes);
    EXPECT_EQ(int32At(b, 52), l.record.TargetSpiders);
    EXPECT_EQ(int32At(b, 88), l.record.Time);
    EXPECT_EQ(int32At(b, 4508), l.record.FruitsInterval);
    EXPECT_EQ(int32At(b, 4524), l.record.FullRequiredFruits);
    EXPECT_EQ(static_cast<std::uint8_t>(b[4536]), l.record.BonusElementKind);
    EXPECT_EQ(int32At(b, 4540), l.record.BonusElementCount);
    EXPECT_EQ(int32At(b, 4544), l.record.Energy);
    EXPECT_EQ(int32At(b, 4568), l.record.FinishingTime);
    for (size_t pad : {1, 2, 3, 4533, 4534, 4535, 4537, 4538, 4539}) EXPECT_EQ(b[pad], 0) << nameOf(l);
    // Cell (x, y) of the board at 92 + (x-1)*240 + (y-1)*20, gold layers and
    // potions column-major in their own grids.
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) {
        EXPECT_EQ(static_cast<std::uint8_t>(b[92 + (x - 1) * 240 + (y - 1) * 20]), l.record.Board.Tiles[x - 1][y - 1].ObjectKind);
        EXPECT_EQ(static_cast<std::uint8_t>(b[92 + (x - 1) * 240 + (y - 1) * 20 + 5]),
                  l.record.Board.Tiles[x - 1][y - 1].ChainLevel);
        EXPECT_EQ(static_cast<std::uint8_t>(b[3932 + (x - 1) * 12 + (y - 1)]), l.record.GoldTileLayers.Cells[x - 1][y - 1]);
        EXPECT_EQ(static_cast<std::uint8_t>(b[4124 + (x - 1) * 12 + (y - 1)]), l.record.PotionCells.Cells[x - 1][y - 1]);
      }
  }
}

TEST(InstalledLevels, TheFirstLevelIsWhatItsSourceSays) {
  const std::string& b = installedLevels().front().bytes;
  EXPECT_EQ(b[0], 0);                 // gathering
  EXPECT_EQ(int32At(b, 4), 12);       // bananas
  EXPECT_EQ(int32At(b, 12), 12);      // apples
  EXPECT_EQ(static_cast<std::uint8_t>(b[56]), 0b00111110);  // codes 1..5
  for (int i = 57; i < 88; ++i) EXPECT_EQ(b[i], 0);
  // Holes are unused with background 0; the 10 x 8 orchard starts at column 4, row 3.
  EXPECT_EQ(b[92 + 0 * 240 + 0 * 20], okUnused);
  EXPECT_EQ(b[92 + 0 * 240 + 0 * 20 + 1], 0);
  EXPECT_EQ(b[92 + 3 * 240 + 2 * 20], okFruit);
}

TEST(InstalledLevels, EveryLevelObeysThePlayabilityRules) {
  for (const Level& l : installedLevels())
    for (const std::string& problem : checkLevel(l.record)) ADD_FAILURE() << nameOf(l) << ": " << problem;
}

TEST(InstalledLevels, TheBuildInstallsExactlyTheCompiledSources) {
  for (const Level& l : installedLevels()) {
    std::string name = levelFileName(l.island, l.number);
    std::string source = readBytes(contentPath("levels/island" + std::to_string(l.island) + "/" +
                                               name.substr(0, name.size() - 4) + ".txt"));
    CompiledLevel c = compileLevel(source, name);
    EXPECT_TRUE(c.errors.empty()) << name;
    EXPECT_EQ(std::memcmp(&c.record, l.bytes.data(), sizeof c.record), 0) << name << " is stale";
  }
}

TEST(InstalledLevels, UsedPartOfEveryBoardIsCentredOnTheScreen) {
  for (const Level& l : installedLevels()) {
    int firstCol = 17, lastCol = 0, firstRow = 13, lastRow = 0;
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y)
        if (isUsedCell(l.record, x, y)) {
          firstCol = std::min(firstCol, x);
          lastCol = std::max(lastCol, x);
          firstRow = std::min(firstRow, y);
          lastRow = std::max(lastRow, y);
        }
    Placement p = boardPlacement(l.record);
    // The centre of the used tiles lands on (682, 407).
    EXPECT_EQ(2 * p.left + 52 * (firstCol - 1 + lastCol), 2 * 682) << nameOf(l);
    EXPECT_EQ(2 * p.top + 52 * (firstRow - 1 + lastRow), 2 * 407) << nameOf(l);
  }
}

TEST(Placement, FollowsTheGameRuleForKnownBoards) {
  TLevelFileRecord r{};
  auto fill = [&](int c1, int c2, int r1, int r2, std::uint8_t outsideVariant) {
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) {
        bool in = x >= c1 && x <= c2 && y >= r1 && y <= r2;
        r.Board.Tiles[x - 1][y - 1].ObjectKind = in ? okFruit : okUnused;
        r.Board.Tiles[x - 1][y - 1].BackgroundVariant = in ? 0 : outsideVariant;
      }
  };
  fill(3, 14, 2, 11, 0);
  EXPECT_EQ(boardPlacement(r).left, 266);
  EXPECT_EQ(boardPlacement(r).top, 95);
  fill(1, 12, 1, 12, 0);
  EXPECT_EQ(boardPlacement(r).left, 370);
  // Decorative empty tiles count as board area; holes do not.
  fill(1, 12, 1, 12, 1);
  EXPECT_EQ(boardPlacement(r).left, 266);
}

TEST(InstalledLevels, EachIslandBuildsUpToItsBoss) {
  std::map<int, std::vector<const Level*>> byIsland;
  for (const Level& l : installedLevels()) byIsland[l.island].push_back(&l);
  for (auto& [island, levels] : byIsland) {
    for (const Level* l : levels) {
      bool last = l->number == LevelsPerIsland[island - 1];
      EXPECT_EQ(l->record.GameObjective, last ? goBossMode : goNormalMode) << nameOf(*l);
    }
  }
  // What each island introduces stays out of the islands before it.
  for (const Level& l : installedLevels()) {
    int chains = 0, doubles = 0;
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) {
        chains += l.record.Board.Tiles[x - 1][y - 1].ChainLevel > 0;
        doubles += l.record.Board.Tiles[x - 1][y - 1].ChainLevel == 2 || l.record.GoldTileLayers.Cells[x - 1][y - 1] == 2;
      }
    if (l.island == 1) {
      EXPECT_EQ(chains, 0) << nameOf(l);
      EXPECT_EQ(flowerCount(l.record), 0) << nameOf(l);
      EXPECT_EQ(l.record.TargetSpiders, 0) << nameOf(l);
    }
    if (l.island < 3) {
      EXPECT_EQ(doubles, 0) << nameOf(l);
    }
    if (l.island < 2 || (l.island == 2 && l.number < 11)) {
      EXPECT_EQ(potionCount(l.record), 0) << nameOf(l);
    }
    if (l.island < 4) {
      EXPECT_FALSE(hasElement(l.record, 8)) << nameOf(l) << " has guavas";
    }
  }
}

TEST(InstalledLevels, TutorialPagesMeetWhatTheyExplain) {
  auto level = [](int island, int number) -> const TLevelFileRecord& {
    for (const Level& l : installedLevels())
      if (l.island == island && l.number == number) return l.record;
    static TLevelFileRecord none{};
    ADD_FAILURE() << "no level " << island << "-" << number;
    return none;
  };
  auto chains = [](const TLevelFileRecord& r) {
    int n = 0;
    for (const auto& col : r.Board.Tiles)
      for (const TBoardTile& t : col) n += t.ChainLevel;
    return n;
  };
  auto doubles = [](const TLevelFileRecord& r) {
    int n = 0;
    for (int x = 0; x < 16; ++x)
      for (int y = 0; y < 12; ++y) n += r.GoldTileLayers.Cells[x][y] == 2 || r.Board.Tiles[x][y].ChainLevel == 2;
    return n;
  };
  EXPECT_GT(goldLayers(level(1, 3)), 0);          // gold tiles and the bomb
  EXPECT_GT(level(1, 9).MaxSpidersOnBoard, 0);    // the spider tool tip
  EXPECT_GT(chains(level(2, 1)), 0);              // chains and flowers
  EXPECT_GT(flowerCount(level(2, 2)), 0);
  EXPECT_GT(potionCount(level(2, 11)), 0);        // potions
  EXPECT_GT(doubles(level(3, 1)), 0);             // stronger gold and chains
  EXPECT_GT(potionCount(level(4, 1)), 0);         // night on the marsh
  EXPECT_EQ(level(4, 1).MaxSpidersOnBoard, 3);
  for (int code = 1; code <= 8; ++code) EXPECT_TRUE(hasElement(level(5, 1), code));
}

TEST(InstalledLevels, TimesGiveAGoodPlayerGoldAndAnAveragePlayerBronze) {
  for (size_t i = 0; i < installedLevels().size(); ++i) {
    const Level& l = installedLevels()[i];
    const LevelEstimate& e = installedEstimates()[i];
    double t = l.record.Time;
    EXPECT_LE(e.goodSeconds, 0.40 * t) << nameOf(l) << ": gold out of reach";
    // Bronze starts at 0.65; a level may leave an average player a little short
    // of it when a good player needs the room for gold.
    EXPECT_GT(e.averageSeconds, 0.60 * t) << nameOf(l) << ": an average player would earn silver or gold";
    EXPECT_LE(e.averageSeconds, 0.86 * t) << nameOf(l) << ": too tight for an average player";
    EXPECT_GE(e.averageWinShare, 0.5) << nameOf(l) << ": an average player loses too often";
  }
}

TEST(ShopPrices, FileHoldsTwentyPricesOfFiveAmounts) {
  std::string b = readBytes(binPath("SlotPrices.dat"));
  ASSERT_EQ(b.size(), 400u);
  for (int item = 0; item < 20; ++item) {
    EXPECT_GT(floatAt(b, item * 20), 0.f) << "every item costs fruit";
    for (int kind = 0; kind < 5; ++kind) EXPECT_GE(floatAt(b, item * 20 + kind * 4), 0.f);
  }
  // Island 3, slot 2 starts at byte ((3-1)*4 + 1) * 20.
  std::vector<std::string> errors;
  TSlotPrices source = parsePrices(readBytes(contentPath("shop/prices.txt")), errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(floatAt(b, 180), source[2][1].Fruits);
  EXPECT_EQ(floatAt(b, 180 + 12), source[2][1].GoldTiles);
}

TEST(ShopPrices, AnAveragePlayerBuysADishEveryTwoToFiveWonLevels) {
  std::string b = readBytes(binPath("SlotPrices.dat"));
  ASSERT_EQ(b.size(), 400u);
  TSlotPrices prices;
  std::memcpy(&prices, b.data(), sizeof prices);
  float purse[5] = {};
  for (int island = 1; island <= 5; ++island) {
    int slot = 0, lastBuy = 0, played = 0;
    for (size_t i = 0; i < installedLevels().size(); ++i) {
      const Level& l = installedLevels()[i];
      if (l.island != island) continue;
      ++played;
      const LevelEstimate& e = installedEstimates()[i];
      const float earned[5] = {e.earnings.Fruits, e.earnings.Flowers, e.earnings.Potions, e.earnings.GoldTiles,
                               e.earnings.Spiders};
      for (int k = 0; k < 5; ++k) purse[k] += earned[k];
      while (slot < 4) {
        const float* price = &prices[island - 1][slot].Fruits;
        bool affordable = true;
        for (int k = 0; k < 5; ++k) affordable = affordable && purse[k] >= price[k];
        if (!affordable) break;
        for (int k = 0; k < 5; ++k) purse[k] -= price[k];
        EXPECT_GE(played - lastBuy, 2) << "island " << island << " item " << slot + 1 << " comes too soon";
        EXPECT_LE(played - lastBuy, 5) << "island " << island << " item " << slot + 1 << " takes too long";
        lastBuy = played;
        ++slot;
      }
    }
    EXPECT_EQ(slot, 4) << "island " << island << " cannot be finished within its designed levels";
    // The last dish should come with the boss, not long before it.
    EXPECT_GE(lastBuy, LevelsPerIsland[island - 1] - 1) << "island " << island << " ends before its boss";
    TElementsCount reward = islandReward(island);
    const float* r = &reward.Fruits;
    for (int k = 0; k < 5; ++k) purse[k] += r[k];
  }
}

TEST(PracticeData, FileHoldsEightyRecordsInTheGameLayout) {
  std::string b = readBytes(binPath("HiddenIngrds.dat"));
  ASSERT_EQ(b.size(), 3200u);
  THiddenTable table;
  std::memcpy(&table, b.data(), sizeof table);
  EXPECT_TRUE(checkHidden(table).empty());
  for (int r = 0; r < 80; ++r) {
    const char* rec = b.data() + r * 40;
    EXPECT_GE(rec[0], 1);
    EXPECT_LE(rec[0], 16);
    double scale;
    std::memcpy(&scale, rec + 16, 8);
    EXPECT_EQ(scale, 1.0);
    EXPECT_EQ(int32At(b, r * 40 + 32), 120);
    EXPECT_EQ(rec[37], 1);
  }
  // Island 2, slot 3 (plum dumplings), ingredient 1: record (1*4 + 2)*4.
  EXPECT_EQ(b[(1 * 4 + 2) * 4 * 40], ingredientKind("plum"));
  EXPECT_EQ(int32At(b, (1 * 4 + 2) * 4 * 40 + 1), table[1][2][0].X);
  EXPECT_EQ(int32At(b, (1 * 4 + 2) * 4 * 40 + 5), table[1][2][0].Y);
}

TEST(PracticeData, SpotsAvoidWhatTheWindowDrawsOver) {
  THiddenTable table{};
  for (auto& island : table)
    for (auto& slot : island)
      for (int k = 0; k < 4; ++k) slot[k] = THiddenIngredient{static_cast<std::uint8_t>(k + 1), 40, 104 + 70 * k, {}, 1, 0, 120, 0, 1, {}};
  EXPECT_TRUE(checkHidden(table).empty());
  table[0][0][0].X = 340;  // on the left pot
  table[4][3][3].Y = 10;   // under the title
  table[2][1][1].Y = table[2][1][0].Y + 20;  // touching its neighbour
  EXPECT_EQ(checkHidden(table).size(), 3u);
}
