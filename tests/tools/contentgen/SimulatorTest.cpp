// The simple players that time the levels: they must play by the board's rules
// (gold wears off, potions drop out at the bottom, chains hold, creatures take
// hits) or every time limit set from them is wrong.
#include <gtest/gtest.h>

#include <string>

#include "Economy.h"
#include "Levels.h"
#include "Simulator.h"

using namespace contentgen;

namespace {

TLevelFileRecord compiled(const std::string& settings, const std::string& board) {
  CompiledLevel c = compileLevel(settings + "\nboard\n" + board, "sim");
  EXPECT_TRUE(c.errors.empty()) << (c.errors.empty() ? "" : c.errors.front());
  return c.record;
}

const std::string Square =
    "................\n................\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n"
    "...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n"
    "................\n................\n";

}  // namespace

TEST(Simulator, GathersTargetsAndTheSameSeedPlaysTheSameGame) {
  TLevelFileRecord r = compiled("mode = gather\ntime = 120\nelements = banana strawberry apple grape orange\n"
                                "targets = banana 15, apple 10\n",
                                Square);
  PlayResult a = playLevel(r, 1, GoodPlayer, 42);
  PlayResult b = playLevel(r, 1, GoodPlayer, 42);
  ASSERT_TRUE(a.won);
  EXPECT_GE(a.removedByCode[1], 15);
  EXPECT_GE(a.removedByCode[3], 10);
  EXPECT_EQ(a.moves, b.moves);
  EXPECT_EQ(a.removed, b.removed);
  // Only the level's own colours ever appear.
  for (int code = 6; code <= 18; ++code) EXPECT_EQ(a.removedByCode[code], 0) << code;
}

TEST(Simulator, WearsGoldAwayLayerByLayer) {
  std::string board = Square;
  board.replace(board.find("...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n"
                           "...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n"),
                8 * 17, "...2oooooooo2...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n"
                        "...oooooooooo...\n...oooooooooo...\n...2oooooooo2...\n");
  TLevelFileRecord r = compiled("mode = gather\ntime = 200\nelements = banana strawberry apple grape orange\n"
                                "targets = none\n",
                                board);
  ASSERT_EQ(goldLayers(r), 8);
  PlayResult p = playLevel(r, 1, AveragePlayer, 7);
  ASSERT_TRUE(p.won);
  EXPECT_EQ(p.goldCleared, 8);
}

TEST(Simulator, BringsPotionsDownToTheBottom) {
  std::string board = Square;
  board.replace(board.find("...oooooooooo...\n") + 17, 17, "...ooopoopooo...\n");
  TLevelFileRecord r = compiled("mode = gather\ntime = 200\nelements = banana strawberry apple grape orange\n"
                                "targets = none\n",
                                board);
  ASSERT_EQ(potionCount(r), 2);
  PlayResult p = playLevel(r, 1, GoodPlayer, 3);
  ASSERT_TRUE(p.won);
  EXPECT_EQ(p.potions, 2);
}

TEST(Simulator, KnocksSpidersOffForASpiderTarget) {
  TLevelFileRecord r = compiled("mode = gather\ntime = 200\nelements = banana strawberry apple grape orange\n"
                                "targets = spider 3\nspiders = interval 30, max 2, webs 4, chance 10\n",
                                Square);
  PlayResult p = playLevel(r, 1, GoodPlayer, 11);
  ASSERT_TRUE(p.won);
  EXPECT_GE(p.spiders, 3);
}

TEST(Simulator, FeedsTheCreatureUntilItIsFull) {
  std::string wide =
      "................\n................\n................\noooooooooooooooo\noooooooooooooooo\n"
      "oooooooooooooooo\noooooooooooooooo\noooooooooooooooo\noooooooooooooooo\n................\n"
      "................\n................\n";
  std::string boss = "mode = boss\ntime = 300\nelements = banana strawberry apple grape orange\n"
                     "boss = energy 60, attempt 15000, cancel 4, drain 10, prepare 3500, absorb 4500, finish 3000\n";
  TLevelFileRecord r = compiled(boss, wide);
  PlayResult good = playLevel(r, 1, GoodPlayer, 5);
  PlayResult average = playLevel(r, 1, AveragePlayer, 5);
  ASSERT_TRUE(good.won);
  ASSERT_TRUE(average.won);
  EXPECT_EQ(good.bossHits, 60);
  // Elements that miss the creature fall past it.
  EXPECT_GT(average.removed, average.bossHits);
  EXPECT_LT(good.seconds, average.seconds);
}

TEST(Economy, AnAverageWinPaysForWhatItRemoved) {
  TLevelFileRecord r = compiled("mode = gather\ntime = 120\nelements = banana grape cherry guava shell\n"
                                "targets = banana 10\n",
                                Square);
  LevelEstimate e = estimateLevel(r, 1, 4);
  EXPECT_GT(e.goodSeconds, 0);
  EXPECT_GT(e.averageSeconds, e.goodSeconds);
  // Bananas pay 1.0, grapes 1.2, cherries 1.4, guavas 1.6 and shells nothing,
  // so four paying colours of five earn between half and 1.6 per removal.
  EXPECT_GT(e.earnings.Fruits, 0.5 * e.removals);
  EXPECT_LT(e.earnings.Fruits, 1.6 * e.removals);
  EXPECT_EQ(e.earnings.Flowers, 0);
  EXPECT_EQ(elementValue(9), 0);
  EXPECT_EQ(elementValue(16), 1.6);
}
