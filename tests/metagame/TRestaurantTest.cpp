#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "effects/EffectRig.h"
#include "metagame/TBuySlots.h"
#include "metagame/TPellowRestoCustomers.h"
#include "metagame/TRestoParts.h"

namespace {

// Every reseed "from the clock" a new, well spread seed.
struct CountingClock {
  std::uint32_t tick = 0;
  CountingClock() {
    TGameRandom::SetClockSeedSource([this] { return ++tick * 2654435761u; });
  }
  ~CountingClock() { TGameRandom::SetClockSeedSource(nullptr); }
};

// The customers on a recording screen, with what they report.
struct RestoRig {
  DrawRig draw;
  CountingClock clock;
  TPellowRestoCustomers resto;
  std::vector<std::string> sounds, traces;
  std::vector<std::pair<int, int>> paid;  // dish, money of each customer served
  std::vector<int> hungry;                // dish of each customer that left without food

  RestoRig() {
    draw.AddBlank("RestoQueuingCusts", 60, 90, 6, 2);
    draw.AddBlank("RestoEatingCusts", 60, 90, 12, 1);
    draw.AddBlank("RestoCustBalloon", 90, 76);
    draw.AddBlank("RestoEatingBG", 120, 110);
    draw.AddBlank("PracticePotions", 173, 239, 4, 5);
    draw.AddBlank("ProcessingClock", 48, 48, 9, 1);
    draw.AddBlank("RestoSmallSign", 60, 40, 1, 2);
    draw.AddBlank("RestoBigSign", 150, 70, 2, 1);
    for (const char* name : {"RestoThumbUp", "RestoMoneyPop"}) draw.AddBlank(name, 40, 40);
    draw.AddBlank("RestoHeart", 40, 40, 1, 5);
    draw.AddBlank("RestoBrokenHeart", 40, 40, 1, 9);
    draw.AddBlank("RestoPraise", 120, 30, 1, 8);
    resto.OmgImgList = &draw.images;
    resto.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
    resto.OnTrace = [this](const std::string&, const std::string& d) {
      traces.push_back(d);
      int dish = 0, money = 0;
      if (std::sscanf(d.c_str(), "served %d %d", &dish, &money) == 2) paid.push_back({dish, money});
      else if (std::sscanf(d.c_str(), "hungry %d", &dish) == 1) hungry.push_back(dish);
    };
  }
  void Visit(const std::set<int>& menu, int special = 0) {
    resto.SetMenu(menu);
    resto.SetTodaysSpecial(special);
    resto.Restart();
  }
  void Updates(int n) {
    for (int i = 0; i < n; ++i) {
      resto.UpdateAndDraw();
      resto.DrawBigSign();
      draw.Take();
    }
  }
  // Until everyone of the visit has come and gone.
  void ToEnd(int limit = 20000) {
    for (int i = 0; i < limit && (resto.CustomersToCome() > 0 || resto.PresentCount() > 0); ++i)
      Updates(1);
    ASSERT_EQ(resto.PresentCount(), 0);
  }
  int Count(const std::string& sound) const {
    int n = 0;
    for (const auto& s : sounds) n += s == sound;
    return n;
  }
  // Quick customers, so that many visits run in little time.
  void Hurry() {
    resto.EntryInterval = 90;
    resto.QueueTime = 90;
    resto.EatingTime = 300;
    resto.WaitingNotEatingTime = 90;
    resto.ExitingTime = 90;
    resto.CustAlphaStep = 255;
    resto.QueueMoveStep = 120;
  }
};

TEST(RestaurantTest, CustomersOnlyEatAndPayForDishesOnTheMenu) {
  RestoRig rig;
  rig.Hurry();
  for (int visit = 0; visit < 60; ++visit) {
    rig.Visit({1, 3});
    rig.ToEnd();
  }
  ASSERT_GT(rig.paid.size(), 100u);
  ASSERT_GT(rig.hungry.size(), 40u);
  int total = 0;
  for (auto [dish, money] : rig.paid) {
    EXPECT_TRUE(dish == 1 || dish == 3) << dish;
    EXPECT_EQ(money, 27);
    total += money;
  }
  for (int dish : rig.hungry) EXPECT_TRUE(dish == 2 || dish == 4) << dish;
  EXPECT_EQ(rig.resto.MoneyEarned(), total);
  EXPECT_EQ(rig.resto.CustomersServed(), static_cast<int>(rig.paid.size()));
  EXPECT_EQ(rig.paid.size() + rig.hungry.size(), 60u * 4);
}

TEST(RestaurantTest, TheQueueNeverOverflowsAndNobodyIsLost) {
  RestoRig rig;
  rig.resto.MaxQueuingCusts = 2;
  rig.resto.QueueTime = 6000;
  rig.Visit({1, 2, 3, 4});
  for (int i = 0; i < 20000 && (rig.resto.CustomersToCome() > 0 || rig.resto.PresentCount() > 0);
       ++i) {
    rig.Updates(1);
    ASSERT_LE(rig.resto.QueuingCount(), 2);
    std::set<int> places;
    for (int c = 0; c < TPellowRestoCustomers::CustomerCount; ++c) {
      if (rig.resto.Customer(c).State != TRestoCustomer::csQueuing) continue;
      ASSERT_TRUE(places.insert(rig.resto.Customer(c).QueuePos).second);
    }
  }
  EXPECT_EQ(rig.resto.CustomersServed(), 6);
  EXPECT_EQ(rig.resto.MoneyEarned(), 6 * 39);
}

TEST(RestaurantTest, TodaysSpecialEarns45TwoTimesInThreeAndOtherDishes39) {
  RestoRig rig;
  rig.Hurry();
  for (int visit = 0; visit < 400; ++visit) {
    rig.Visit({1, 2, 3, 4}, 2);
    rig.ToEnd();
  }
  std::map<int, int> specialPaid;
  int special = 0;
  for (auto [dish, money] : rig.paid) {
    if (dish != 2) {
      EXPECT_EQ(money, 39);
      continue;
    }
    ++special;
    ++specialPaid[money];
  }
  EXPECT_EQ(specialPaid.size(), 2u);
  ASSERT_GT(special, 300);  // a customer who wants no dish on a full menu takes dish 1
  const double share = static_cast<double>(specialPaid[45]) / special;
  EXPECT_NEAR(share, 2.0 / 3, 0.07);
  EXPECT_TRUE(rig.hungry.empty());
}

TEST(RestaurantTest, SettleCountsTheQueueAndTheCustomersToComeOnce) {
  RestoRig rig;
  rig.resto.EntryInterval = 1500;
  rig.Visit({1, 2, 3, 4});
  int i = 0;
  while (i++ < 1000 && !(rig.resto.QueuingCount() == 2 && rig.resto.CustomersToCome() == 3))
    rig.Updates(1);
  ASSERT_EQ(rig.resto.CustomersServed(), 1);  // the one at the table
  ASSERT_EQ(rig.resto.MoneyEarned(), 0);      // has not paid yet
  rig.resto.Settle();
  EXPECT_EQ(rig.resto.CustomersServed(), 1 + 5);
  EXPECT_EQ(rig.resto.MoneyEarned(), 6 * 39);
  EXPECT_EQ(rig.resto.DisplayedMoney(), 6 * 39);
  rig.resto.Settle();
  rig.ToEnd();
  EXPECT_EQ(rig.resto.CustomersServed(), 6);
  EXPECT_EQ(rig.resto.MoneyEarned(), 6 * 39);
}

TEST(RestaurantTest, APausedRestaurantFreezesItsTimersWhileFadesFinish) {
  RestoRig rig;
  rig.Visit({1, 2});
  // The first customer has just gone in; the second moves up to the front.
  while (rig.resto.Customer(0).State != TRestoCustomer::csQueuing) rig.Updates(1);
  while (rig.resto.Customer(0).State == TRestoCustomer::csQueuing) rig.Updates(1);
  const TRestoCustomer& second = rig.resto.Customer(1);
  ASSERT_EQ(second.QueuePos, 1);
  ASSERT_NE(second.QueueX, second.QueueTargetX);
  const TRestoCustomer inside = rig.resto.Customer(0);
  const int toCome = rig.resto.CustomersToCome(), queueTimer = second.QueueTimer;
  rig.resto.Paused = true;
  rig.Updates(300);
  EXPECT_EQ(second.QueueX, second.QueueTargetX);
  EXPECT_EQ(second.BalloonAlpha, 255);
  EXPECT_EQ(second.QueueTimer, queueTimer);
  EXPECT_EQ(rig.resto.Customer(0).State, inside.State);
  EXPECT_EQ(rig.resto.Customer(0).EatingTimer, inside.EatingTimer);
  EXPECT_EQ(rig.resto.Customer(0).WaitingTimer, inside.WaitingTimer);
  EXPECT_EQ(rig.resto.CustomersToCome(), toCome);
  rig.resto.Paused = false;
  rig.ToEnd();
  EXPECT_EQ(rig.resto.CustomersServed() + static_cast<int>(rig.hungry.size()), 4);
}

TEST(RestaurantTest, TodaysSpecialIsOnlyEverABoughtDish) {
  DrawRig draw;
  CountingClock clock;
  TBuySlots shop(draw.images);
  TBuySlots::TBoughtFlags bought{};
  bought[4 * (2 - 1) + 1] = bought[4 * (2 - 1) + 3] = 1;  // island 2: slots 2 and 4
  bought[0] = 1;                                          // island 1: slot 1
  shop.SetBoughtFlags(bought);
  TRestoParts parts;
  parts.IslandIdx = 2;
  std::set<int> chosen;
  for (int i = 0; i < 200; ++i) chosen.insert(parts.ChooseTodaysSpecial(shop));
  EXPECT_EQ(chosen, (std::set<int>{2, 4}));
  EXPECT_EQ(TRestoParts::StarsOf(shop, 2), 3);

  parts.IslandIdx = 3;
  EXPECT_EQ(parts.ChooseTodaysSpecial(shop), 0);
  EXPECT_TRUE(parts.TodaysSpecialDesc1.empty() && parts.TodaysSpecialDesc2.empty());
  // The panel then shows its background alone.
  draw.AddBlank("TodaysSpecialBG", 230, 195);
  draw.AddBlank("BuySlotIcons", 64, 64, 4, 5);
  draw.AddBlank("BuySlotGlassCover", 86, 82);
  parts.OmgImgList = &draw.images;
  for (int i = 0; i < 20; ++i) parts.DrawPanels();
  const auto drawn = draw.Take();
  EXPECT_FALSE(DrawnOf(drawn, "TodaysSpecialBG").empty());
  EXPECT_TRUE(DrawnOf(drawn, "BuySlotIcons").empty());
  EXPECT_TRUE(DrawnOf(drawn, "BuySlotGlassCover").empty());
}

TEST(RestaurantTest, TheRatingVoiceNeedsTwoStars) {
  TRestoParts parts;
  std::vector<std::string> sounds;
  parts.PlaySound = [&](const std::string& n) { sounds.push_back(n); };
  parts.SetRestoRatingStars(1);
  parts.PlayRatingVoice();
  EXPECT_TRUE(sounds.empty());
  parts.SetRestoRatingStars(3);
  parts.PlayRatingVoice();
  ASSERT_EQ(sounds.size(), 1u);
  EXPECT_EQ(sounds[0], parts.ReviewVariant() == 0 ? "RestoRating-2" : "RestoRating-7");
}

TEST(RestaurantTest, WithNoDishEveryCustomerLeavesDisappointedAndTwoStillCome) {
  RestoRig rig;
  rig.resto.SetCustomersServed(10);
  rig.resto.SetMoneyEarned(500);
  rig.Visit({});
  ASSERT_EQ(rig.resto.CustomersToCome(), 2);
  rig.ToEnd();
  EXPECT_EQ(rig.hungry.size(), 2u);
  EXPECT_TRUE(rig.paid.empty());
  EXPECT_EQ(rig.Count("RestoDisappointed_m") + rig.Count("RestoDisappointed_f"), 2);
  EXPECT_EQ(rig.Count("RestoClosed"), 1);
  EXPECT_EQ(rig.resto.CustomersServed(), 10);
  EXPECT_EQ(rig.resto.MoneyEarned(), 500);
  // Leaving at once counts nobody who would have gone hungry as served.
  rig.Visit({});
  rig.resto.Settle();
  EXPECT_EQ(rig.resto.CustomersServed(), 10);
  EXPECT_EQ(rig.resto.MoneyEarned(), 500);
}

TEST(RestaurantTest, ARestartMidCycleLeavesNothingHalfDrawn) {
  RestoRig rig;
  rig.Visit({1, 2, 3, 4}, 1);
  // Someone eating (money popping), others queuing, the open sign up.
  bool popping = false;
  for (int i = 0; i < 3000 && !popping; ++i) {
    rig.resto.UpdateAndDraw();
    rig.resto.DrawBigSign();
    popping = !DrawnOf(rig.draw.Take(), "RestoMoneyPop").empty() && rig.resto.QueuingCount() > 0;
  }
  ASSERT_TRUE(popping);
  rig.resto.Restart();
  rig.resto.UpdateAndDraw();
  rig.resto.DrawBigSign();
  const auto drawn = rig.draw.Take();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Name, "RestoSmallSign");
  EXPECT_EQ(drawn[0].Pattern, 1);  // closed until the first customer goes in
  EXPECT_EQ(rig.resto.PresentCount(), 0);
}

}  // namespace
