#include <gtest/gtest.h>

#include "levels/TLevelGoal.h"
#include "levels/TLevelParams.h"
#include "levels/TLevelSetup.h"
#include "platform/TFileSystem.h"
#include "text/TTextStrings.h"

namespace {
struct CardTexts : TTextStrings {
  CardTexts() {
    for (int n = TLevelGoal::GatherTimedLine; n <= TLevelGoal::BossAuraLine; ++n)
      GameTexts.Set(n, "line " + std::to_string(n));
  }
};
}  // namespace

TEST(LevelGoal, AGatheringCardListsTheLevelsOwnTargetsInPanelOrderWithItsNotes) {
  const CardTexts texts;
  TLevelSetup s;
  s.TargetGoldTiles2 = 5;
  s.TargetApples = 12;
  s.TargetPotions1 = 2;
  s.TargetFlowers4 = 7;
  s.TargetSpiders = 3;
  s.TargetBananas = -1;  // nothing to gather
  TLevelGoal g = TLevelGoal::Of(s, false, texts);
  std::vector<std::pair<int, int>> items;
  for (const auto& i : g.Items) items.emplace_back(i.Slot, i.Count);
  EXPECT_EQ(items, (std::vector<std::pair<int, int>>{
                       {iePotion1, 2}, {ieFruit3, 12}, {ieFlower4, 7}, {ieSpider, 3}, {ieGoldTile2, 5}}));
  EXPECT_EQ(g.Heading, "line 31");
  EXPECT_EQ(g.Notes, (std::vector<std::string>{"line 33", "line 34"}));
  // Without a timer the card promises no race against it.
  EXPECT_EQ(TLevelGoal::Of(s, true, texts).Heading, "line 32");
  s.TargetSpiders = s.TargetGoldTiles2 = 0;
  EXPECT_TRUE(TLevelGoal::Of(s, false, texts).Notes.empty());
}

TEST(LevelGoal, ABossCardTellsHowTheCreatureIsBeatenAndNothingToGather) {
  TLevelSetup s;
  s.GameObjective = goBossMode;
  s.TargetApples = 10;  // a boss round shows no gathering panel
  TLevelGoal g = TLevelGoal::Of(s, false, CardTexts{});
  EXPECT_TRUE(g.Items.empty());
  EXPECT_EQ(g.Heading, "line 35");
  EXPECT_EQ(g.Notes, (std::vector<std::string>{"line 36", "line 37"}));
}

// Every designed level's card, with the installed words, inside the panel.
TEST(LevelGoal, EveryDesignedLevelsCardFitsItsPanel) {
  const std::string folder = TFileSystem::ExecutableFolder();
  if (!TFileSystem::DirectoryExists(folder + "Levels/") ||
      !TFileSystem::DirectoryExists(folder + "Texts/"))
    GTEST_SKIP() << "no generated levels or texts in " << folder;
  TTextStrings texts;
  std::string error;
  ASSERT_TRUE(texts.Load(folder + "Texts/", error)) << error;
  TLevelParams params;
  params.LevelFilesPath = folder + "Levels/";
  int widest = 0;
  for (int island = 1; island <= TLevelParams::IslandCount; ++island)
    for (int n = 1; n <= TLevelParams::LastLevelOfIsland[island]; ++n) {
      const std::string id = std::to_string(island) + "-" + std::to_string(n);
      ASSERT_TRUE(params.LoadLevel(island, n)) << id;
      for (bool upgrades : {false, true})
        for (bool relaxed : {false, true}) {
          const TLevelGoal g = TLevelGoal::Of(params.Setup(upgrades, upgrades), relaxed, texts);
          EXPECT_TRUE(g.Fits()) << id << ": " << g.WidestLine() << " / " << g.RowWidth() << " / "
                                << g.ContentHeight();
          EXPECT_FALSE(g.Heading.empty()) << id;
          if (g.Objective == goNormalMode) {
            EXPECT_FALSE(g.Items.empty()) << id << " asks for nothing";
          }
          widest = std::max(widest, g.RowWidth());
        }
    }
  EXPECT_GT(widest, 0);
}
