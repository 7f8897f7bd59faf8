// The level compiler: what a source turns into, and every kind of mistake it
// must refuse rather than install.
#include <gtest/gtest.h>

#include <string>

#include "Levels.h"

using namespace contentgen;

namespace {

// A small valid level; tests replace parts of it.
std::string level(const std::string& settings, const std::string& board = "") {
  std::string grid = board.empty() ? std::string(
                                         "................\n"
                                         "................\n"
                                         "...oooooooooo...\n"
                                         "...oooooooooo...\n"
                                         "...oo1ooooooo...\n"
                                         "...oooooooooo...\n"
                                         "...oooooooooo...\n"
                                         "...oooooooooo...\n"
                                         "...oooooooooo...\n"
                                         "...oooooooooo...\n"
                                         "................\n"
                                         "................\n")
                                   : board;
  return settings + "\nboard\n" + grid;
}

const std::string Gather =
    "mode = gather\ntime = 120\nelements = banana strawberry apple grape orange\ntargets = banana 10\n";

bool mentions(const CompiledLevel& c, const std::string& what) {
  for (const std::string& e : c.errors)
    if (e.find(what) != std::string::npos) return true;
  return false;
}

std::string withRow(int row, const std::string& text) {
  std::string g;
  for (int y = 1; y <= 12; ++y) {
    if (y == row) g += text + "\n";
    else if (y >= 3 && y <= 10) g += "...oooooooooo...\n";
    else g += "................\n";
  }
  return g;
}

}  // namespace

TEST(LevelCompiler, TurnsASourceIntoTheRecord) {
  CompiledLevel c = compileLevel(level(Gather + "bonus = gold 4\nenergy = 150\nuni = 80 2\n"
                                       "spiders = interval 50, max 2, webs 3, chance 12\n"),
                                 "t");
  ASSERT_TRUE(c.errors.empty()) << c.errors.front();
  const TLevelFileRecord& r = c.record;
  EXPECT_EQ(r.GameObjective, goNormalMode);
  EXPECT_EQ(r.Time, 120);
  EXPECT_EQ(r.TargetBananas, 10);
  EXPECT_EQ(r.ElementSet.Bits[0], 0b00111110);
  EXPECT_EQ(r.BonusElementKind, elGoldTile);
  EXPECT_EQ(r.BonusElementCount, 4);
  EXPECT_EQ(r.FullRequiredFruits, 150);
  EXPECT_EQ(r.OneUniFruitEveryInterval, 80);
  EXPECT_EQ(r.MaxUniFruitOnBoard, 2);
  EXPECT_EQ(r.FruitsInterval, 50);
  EXPECT_EQ(r.MaxSpidersOnBoard, 2);
  EXPECT_EQ(r.MaxWebs, 3);
  EXPECT_EQ(r.OneWebEveryProb, 12);
  EXPECT_EQ(r.GoldTileLayers.Cells[5][4], 1);
  EXPECT_EQ(goldLayers(r), 1);
  EXPECT_EQ(r.Board.Tiles[0][0].ObjectKind, okUnused);
  EXPECT_EQ(r.Board.Tiles[3][2].ObjectKind, okFruit);
  EXPECT_TRUE(hasElement(r, r.Board.Tiles[3][2].Element));
}

TEST(LevelCompiler, GrapesAndPlumsGoToTheirOwnFields) {
  // The file keeps plums before grapes although grapes have the lower code.
  CompiledLevel c = compileLevel(
      level("mode = gather\ntime = 99\nelements = banana apple grape plum\ntargets = grape 5, plum 7\n"), "t");
  ASSERT_TRUE(c.errors.empty());
  EXPECT_EQ(c.record.TargetGrapes, 5);
  EXPECT_EQ(c.record.TargetPlums, 7);
  EXPECT_EQ(targetFor(c.record, 4), 5);
  EXPECT_EQ(targetFor(c.record, 6), 7);
}

TEST(LevelCompiler, OverlaysCombineWithTheBoard) {
  std::string src = level(Gather + "spiders = interval 50, max 1, webs 4, chance 12\n") +
                    "chains\n" + withRow(4, "...oCooooooooo...").substr(0) ;
  // A 17-cell row is refused; use a correct one instead.
  CompiledLevel bad = compileLevel(src, "t");
  EXPECT_TRUE(mentions(bad, "16 cells"));
  src = level(Gather + "spiders = interval 50, max 1, webs 4, chance 12\n") + "chains\n" +
        withRow(4, "...oCoooooooo...") + "webs\n" + withRow(6, "...ooooowoooo...") + "gold\n" +
        withRow(5, "...oo2ooooooo...");
  CompiledLevel c = compileLevel(src, "t");
  ASSERT_TRUE(c.errors.empty()) << c.errors.front();
  EXPECT_EQ(c.record.Board.Tiles[4][3].ChainLevel, 2);
  EXPECT_EQ(c.record.Board.Tiles[8][5].Web, 1);
  EXPECT_EQ(c.record.GoldTileLayers.Cells[5][4], 2);
}

TEST(LevelCompiler, RefusesBrokenSources) {
  EXPECT_TRUE(mentions(compileLevel("time = 5\n", "t"), "missing 'mode'"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape plum\n"), "t"),
                       "needs 'targets'"));
  EXPECT_TRUE(mentions(compileLevel(level(Gather + "colour = red\n"), "t"), "unknown key"));
  EXPECT_TRUE(mentions(compileLevel(level(Gather + "time = 30\n"), "t"), "given twice"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana kiwi apple grape plum\n"
                                          "targets = banana 3\n"),
                                    "t"),
                       "unknown element 'kiwi'"));
  EXPECT_TRUE(mentions(compileLevel(level(Gather, withRow(4, "...ooooXooooo...")), "t"), "unknown board cell"));
  EXPECT_TRUE(mentions(compileLevel(level(Gather, withRow(4, "...oooo")), "t"), "16 cells"));
}

TEST(LevelRules, TargetsMustBeSuppliable) {
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape plum\n"
                                          "targets = cherry 5\n"),
                                    "t"),
                       "never appears"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape plum\n"
                                          "targets = spider 2\n"),
                                    "t"),
                       "spider target without spiders"));
  // Gold tiles alone are a target; nothing at all is not.
  EXPECT_TRUE(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape plum\n"
                                 "targets = none\n"),
                           "t")
                  .errors.empty());
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape plum\n"
                                          "targets = none\n",
                                          withRow(4, "...oooooooooo...")),
                                    "t"),
                       "can never be won"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 0\nelements = banana apple grape plum\n"
                                          "targets = apple 4\n"),
                                    "t"),
                       "time limit"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = gather\ntime = 60\nelements = banana apple grape\n"
                                          "targets = apple 4\n"),
                                    "t"),
                       "colours"));
}

TEST(LevelRules, ObstaclesSitOnRealTiles) {
  // A web on a hole, via the overlay grid.
  std::string src = level(Gather) + "webs\n" + withRow(1, "w...............");
  EXPECT_TRUE(mentions(compileLevel(src, "t"), "non-tile"));
  // A tile no line of three passes through.
  EXPECT_TRUE(mentions(compileLevel(level(Gather, withRow(11, "o...............")), "t"), "never be matched"));
  // A potion above a decorative tile never reaches the bottom; above a hole it does.
  std::string board =
      "................\n...oooooooooo...\n...oooopooooo...\n...oooooooooo...\n...oooooooooo...\n"
      "...oooooooooo...\n...oooooooooo...\n...oooooooooo...\n.......____.....\n................\n"
      "................\n................\n";
  EXPECT_TRUE(mentions(compileLevel(level(Gather, board), "t"), "never reach the bottom"));
  board.replace(board.find("____"), 4, "....");
  EXPECT_TRUE(compileLevel(level(Gather, board), "t").errors.empty());
  // Chains and webs never hold a potion.
  std::string chained = level(Gather, board) + "chains\n" + withRow(3, "...oooocooooo...");
  EXPECT_TRUE(mentions(compileLevel(chained, "t"), "potion under a web or chain"));
}

TEST(LevelRules, SpidersNeedRoomForWebs) {
  std::string webs = "webs\n" + withRow(4, "...wwwoooooooo..");
  EXPECT_TRUE(mentions(compileLevel(level(Gather + "spiders = interval 50, max 2, webs 3, chance 10\n") + webs, "t"),
                       "room for more webs"));
  EXPECT_TRUE(compileLevel(level(Gather + "spiders = interval 50, max 2, webs 4, chance 10\n") + webs, "t")
                  .errors.empty());
}

TEST(LevelRules, BossLevelsAreFairFights) {
  std::string wide =
      "................\n................\n................\noooooooooooooooo\noooooooooooooooo\n"
      "oooooooooooooooo\noooooooooooooooo\noooooooooooooooo\noooooooooooooooo\n................\n"
      "................\n................\n";
  std::string boss = "mode = boss\ntime = 200\nelements = banana strawberry apple grape orange\n"
                     "boss = energy 40, attempt 15000, cancel 4, drain 10, prepare 3500, absorb 4500, finish 3000\n";
  CompiledLevel ok = compileLevel(level(boss, wide), "t");
  ASSERT_TRUE(ok.errors.empty()) << ok.errors.front();
  EXPECT_EQ(ok.record.GameObjective, goBossMode);
  EXPECT_EQ(ok.record.Energy, 40);
  EXPECT_EQ(ok.record.RefTimeForAbsorbAttempt, 15000);
  EXPECT_EQ(ok.record.HitsToCancelAbsorbAttempt, 4);
  EXPECT_EQ(ok.record.OneAbsorbedTime, 10);
  EXPECT_EQ(ok.record.PreparingTime, 3500);
  EXPECT_EQ(ok.record.AbsorbingTime, 4500);
  EXPECT_EQ(ok.record.FinishingTime, 3000);

  EXPECT_TRUE(mentions(compileLevel(level(boss + "targets = banana 5\n", wide), "t"), "gathers nothing"));
  EXPECT_TRUE(mentions(compileLevel(level(boss), "t"), "creature's walk"));
  std::string greedy = "mode = boss\ntime = 200\nelements = banana strawberry apple grape orange\n"
                       "boss = energy 40, attempt 15000, cancel 4, drain 60, prepare 3500, absorb 4500, finish 3000\n";
  EXPECT_TRUE(mentions(compileLevel(level(greedy, wide), "t"), "quarter of the time"));
  EXPECT_TRUE(mentions(compileLevel(level("mode = boss\ntime = 200\nelements = banana strawberry apple grape\n", wide),
                                    "t"),
                       "needs 'boss'"));
}
