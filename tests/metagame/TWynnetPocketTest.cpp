#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metagame/TWynnetPocket.h"

namespace {
TElementsCount Count(float fruit, float flower = 0, float potion = 0, float gold = 0,
                     float spider = 0) {
  TElementsCount c;
  c.Amount = {fruit, flower, potion, gold, spider};
  return c;
}
}  // namespace

TEST(WynnetPocket, TheStarFliesInOnlyWhileAnUnboughtItemIsCovered) {
  TWynnetPocket pocket;
  std::vector<std::string> sounds;
  int arrived = 0, positions = 0;
  pocket.PlaySound = [&](const std::string& s) { sounds.push_back(s); };
  pocket.OnStarArrived = [&](TWynnetPocket&) { ++arrived; };
  pocket.OnStarPosUpdate = [&](TWynnetPocket&, TPoint) { ++positions; };
  // Item 1 is bought (all zero), item 2 wants 100 fruit and 5 gold, the others more.
  pocket.SetCurrentPrices({Count(0), Count(100, 0, 0, 5), Count(500), Count(900)});
  pocket.SetOwned(Count(400, 0, 0, 4));
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssNone);  // a bought item does not count

  pocket.Add(elGoldTile, 1);
  EXPECT_TRUE(pocket.Pulsing(elGoldTile));
  ASSERT_EQ(pocket.StarState(), TWynnetPocket::ssFlying);
  const TPoint place = pocket.StarPlace();
  EXPECT_EQ(pocket.StarPosition().X, place.X + 1000);
  EXPECT_EQ(pocket.StarPosition().Y, place.Y + 700);
  // 1000 pixels at 33 per update: on the 31st it is home.
  for (int i = 0; i < 30; ++i) pocket.Draw();
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssFlying);
  EXPECT_EQ(pocket.StarPosition().X, place.X + 10);
  pocket.Draw();
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssArrived);
  EXPECT_EQ(pocket.StarPosition().X, place.X);
  EXPECT_EQ(pocket.StarPosition().Y, place.Y);
  EXPECT_EQ(arrived, 1);
  EXPECT_EQ(positions, 31);
  EXPECT_EQ(sounds, std::vector<std::string>{"Bonus"});
  // More owned while it shows: it stays where it is.
  pocket.Add(elFruit, 10);
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssArrived);

  // Item 2 bought: nothing left that the pocket covers, so the star goes.
  pocket.SetOwned(Count(310, 0, 0, 0));
  pocket.SetCurrentPrices({Count(0), Count(0), Count(500), Count(900)});
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssLeaving);
  for (int i = 0; i < 20; ++i) pocket.Draw();
  EXPECT_EQ(pocket.StarState(), TWynnetPocket::ssNone);
  EXPECT_EQ(arrived, 1);
}

TEST(WynnetPocket, CountsCreepUpAndPricesWarnWhereTheyAreShort) {
  TWynnetPocket pocket;
  pocket.SetOwned(Count(3, 20));
  pocket.Draw();
  EXPECT_FLOAT_EQ(pocket.Shown(elFruit), 0.5f);
  pocket.ShowOwnedNow();
  EXPECT_FLOAT_EQ(pocket.Shown(elFlower), 20);
  pocket.ShowPriceWarnings(Count(3, 25, 1));
  EXPECT_FALSE(pocket.Warned(elFruit));  // exactly enough
  EXPECT_TRUE(pocket.Warned(elFlower));
  EXPECT_TRUE(pocket.Warned(elPotion));
  EXPECT_FALSE(pocket.Warned(elSpider));
  pocket.ClearPriceWarnings();
  EXPECT_FALSE(pocket.Warned(elFlower));
}
