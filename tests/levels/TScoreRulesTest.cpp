#include <gtest/gtest.h>

#include "levels/TResultMedal.h"
#include "levels/TScoreRules.h"

TEST(ScoreRules, RemovedElementsEarnByCodeAndIsland) {
  struct Case {
    int code, island;
    bool any;
    TElementKind kind;
    float amount;
  } cases[] = {
      {1, 1, true, elFruit, 1.0f},    {6, 1, true, elFruit, 1.2f},  {8, 2, true, elFruit, 1.6f},
      {9, 1, false, elFruit, 0},      {12, 1, false, elFruit, 0},   {13, 1, true, elFlower, 1.0f},
      {16, 5, true, elFlower, 1.6f},  {17, 3, true, elPotion, 1.0f}, {17, 4, true, elPotion, 1.4f},
      {18, 1, true, elPotion, 1.4f},  {0, 1, false, elFruit, 0},    {101, 1, false, elFruit, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto g = TScoreRules::RemovedElementGain(c.code, c.island);
    EXPECT_EQ(g.Any, c.any);
    if (c.any) {
      EXPECT_EQ(g.Kind, c.kind);
      EXPECT_FLOAT_EQ(g.Amount, c.amount);
    }
  }
  EXPECT_FLOAT_EQ(TScoreRules::GoldLayerGain(2, false), 1.0f);
  EXPECT_FLOAT_EQ(TScoreRules::GoldLayerGain(3, false), 1.4f);
  EXPECT_FLOAT_EQ(TScoreRules::GoldLayerGain(5, true), 1.4f);
}

TEST(ScoreRules, ComboBonusPaysThreePointsPerEnergyUnitAndNothingOutsideFourToSeven) {
  const int energy[] = {2, 5, 12, 14}, pattern[] = {0, 1, 1, 2};
  for (int m = 4; m <= 7; ++m) {
    auto b = TScoreRules::ComboBonus(m);
    EXPECT_EQ(b.EnergyUnits, energy[m - 4]);
    EXPECT_EQ(b.Score, 3 * energy[m - 4]);
    EXPECT_EQ(b.BonusTextPattern, pattern[m - 4]);
  }
  for (int m : {0, 3, 8, 12}) EXPECT_EQ(TScoreRules::ComboBonus(m).EnergyUnits, 0);
}

TEST(ScoreRules, OnlyGoldEarnsTheLevelBonusAndAZeroBonusAddsNothing) {
  auto gold = TScoreRules::WinBonus(mdGold, elFlower, 7);
  EXPECT_EQ(gold.Kind, elFlower);
  EXPECT_EQ(gold.Count, 7);
  EXPECT_EQ(TScoreRules::WinBonus(mdSilver, elFlower, 7).Count, 0);
  EXPECT_EQ(TScoreRules::WinBonus(mdGold, elPotion, 0).Count, 0);
  EXPECT_EQ(TScoreRules::WinBonus(mdGold, elPotion, -3).Count, 0);  // a broken file takes nothing
}

TEST(ScoreRules, ALostRoundGivesBackExactlyWhatItEarned) {
  TElementsCount owned, gains;
  owned[elFruit] = 20;
  owned[elFlower] = 1;
  owned[elSpider] = 4;
  // 12.4 fruit from ten removals of assorted codes, and three plain flowers.
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 7, 7}) {
    auto g = TScoreRules::RemovedElementGain(code, 1);
    TScoreRules::AddOwned(owned, gains, g.Kind, g.Amount);
  }
  for (int i = 0; i < 3; ++i) TScoreRules::AddOwned(owned, gains, elFlower, 1.0f);
  EXPECT_NEAR(gains[elFruit], 12.4f, 1e-5);
  EXPECT_FLOAT_EQ(gains[elFlower], 3.0f);

  owned[elFlower] = 2;  // fewer than the round earned (never below 0)
  TScoreRules::TakeBackRoundGains(owned, gains);
  EXPECT_NEAR(owned[elFruit], 20.0f, 1e-5);
  EXPECT_EQ(owned[elFlower], 0.0f);
  EXPECT_EQ(owned[elSpider], 4.0f);
  EXPECT_EQ(gains, TElementsCount{});
  // Taking back twice takes nothing more.
  TScoreRules::TakeBackRoundGains(owned, gains);
  EXPECT_NEAR(owned[elFruit], 20.0f, 1e-5);
}

TEST(ResultMedal, LimitsComeFromTheLevelTimeWithHalvesToEven) {
  struct Case {
    int time, silver, gold;
  } cases[] = {{300, 195, 120}, {10, 6, 4}, {30, 20, 12}, {50, 32, 20}, {90, 58, 36}, {0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    TResultMedal medal;
    medal.SetReqTimesFromLimit(c.time);
    EXPECT_EQ(medal.SilverReqTime, c.silver);
    EXPECT_EQ(medal.GoldReqTime, c.gold);
  }
}

TEST(ResultMedal, PlayingTimeChoosesTheMedalAtTheLimits) {
  TResultMedal medal;
  EXPECT_EQ(medal.MedalKind(), mdNone);
  medal.SetReqTimesFromLimit(300);
  EXPECT_EQ(medal.Evaluate(0), mdGold);
  EXPECT_EQ(medal.Evaluate(120), mdGold);
  EXPECT_EQ(medal.Evaluate(121), mdSilver);
  EXPECT_EQ(medal.Evaluate(195), mdSilver);
  EXPECT_EQ(medal.Evaluate(196), mdBronze);
  EXPECT_EQ(medal.Evaluate(5000), mdBronze);
  EXPECT_EQ(medal.MedalKind(), mdBronze);
  medal.Clear();
  EXPECT_EQ(medal.MedalKind(), mdNone);
}
