// The simple players that time the levels: they must play by the board's rules
// (gold wears off, potions drop out at the bottom, chains hold, creatures take
// hits) or every time limit set from them is wrong.
#include <gtest/gtest.h>

#include <string>

#include "Economy.h"
#include "Levels.h"
#include "Simulator.h"
#include "board/TBoardRules.h"
#include "engine/TLcgRandom.h"

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

// The players list their swaps with a quick look at the two swapped tiles; on every board
// they see (no runs left) that must be the game's own list of moves.
TEST(Simulator, ItsSwapsAreTheGamesMovesOnBoardsWithoutRuns) {
  TLcgRandom random(9);
  int compared = 0, moves = 0;
  for (int round = 0; round < 400; ++round) {
    const int colours = 3 + round % 5;
    TBoardData b{};
    for (int x = 1; x <= BoardColumns; ++x)
      for (int y = 1; y <= BoardRows; ++y) {
        TBoardTile& t = b.At(x, y);
        if (random.Random(100) < 8) {
          t.ObjectKind = okUnused;
          t.BackgroundVariant = static_cast<std::uint8_t>(random.Random(2));
          continue;
        }
        t.ObjectKind = okFruit;
        t.Element = static_cast<std::uint8_t>(1 + random.Random(colours));
        if (random.Random(10) == 0) t.ChainLevel = static_cast<std::uint8_t>(1 + random.Random(2));
        if (random.Random(10) == 0) t.Web = 1;
      }
    // The players' potions: never three of them, so they line nothing up.
    for (int i = random.Random(3); i > 0; --i) {
      TBoardTile& t = b.At(1 + random.Random(BoardColumns), 1 + random.Random(BoardRows));
      if (t.IsElement()) t.Element = ecPotion1;
    }
    for (int pass = 0; pass < 50 && TBoardRules::AnyMatch(b, TBoardRules::AllResting()); ++pass)
      for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
          if (b.At(x, y).IsColourElement() && TBoardRules::InRun(b, x, y))
            b.At(x, y).Element = static_cast<std::uint8_t>(1 + random.Random(colours));
    if (TBoardRules::AnyMatch(b, TBoardRules::AllResting())) continue;
    ++compared;
    std::vector<Swap> mine = matchingSwaps(b);
    moves += static_cast<int>(mine.size());
    ASSERT_EQ(mine, TBoardRules::ListMoves(b, TBoardRules::AllResting())) << round;
  }
  EXPECT_GT(compared, 350);
  EXPECT_GT(moves, 1000);
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
