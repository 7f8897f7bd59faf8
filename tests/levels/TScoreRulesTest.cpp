#include <gtest/gtest.h>

#include "levels/TResultMedal.h"
#include "levels/TScoreRules.h"

TEST(ScoreRules, RemovalsPayTheirKindsAndOnlyGoldPaysTheBonus) {
  TElementsCount gains;
  // 12.4 fruit from ten removals of assorted codes, three plain flowers, a plain element.
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 7, 7, 13, 13, 13, 10}) {
    auto g = TScoreRules::RemovedElementGain(code, 1);
    if (g.Any) gains[g.Kind] += g.Amount;
  }
  EXPECT_NEAR(gains[elFruit], 12.4f, 1e-5);
  EXPECT_FLOAT_EQ(gains[elFlower], 3.0f);
  EXPECT_FLOAT_EQ(TScoreRules::RemovedElementGain(17, 4).Amount, 1.4f);  // island 4's potion

  // Only gold earns the level's bonus; a zero or broken count adds nothing.
  EXPECT_EQ(TScoreRules::WinBonus(mdGold, elFlower, 7).Count, 7);
  EXPECT_EQ(TScoreRules::WinBonus(mdSilver, elFlower, 7).Count, 0);
  EXPECT_EQ(TScoreRules::WinBonus(mdGold, elPotion, -3).Count, 0);
}

TEST(ResultMedal, LimitsComeFromTheLevelTimeWithHalvesToEven) {
  struct Case {
    int time, silver, gold;
  } cases[] = {{300, 195, 120}, {10, 6, 4}, {30, 20, 12}, {50, 32, 20}, {90, 58, 36}};
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
  const std::pair<int, TMedalKind> cases[] = {
      {0, mdGold}, {120, mdGold}, {121, mdSilver}, {195, mdSilver}, {196, mdBronze}};
  for (auto [seconds, kind] : cases) EXPECT_EQ(medal.Evaluate(seconds), kind) << seconds;
  EXPECT_EQ(medal.MedalKind(), mdBronze);
  medal.Clear();
  EXPECT_EQ(medal.MedalKind(), mdNone);
}
