#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "metagame/TBuySlots.h"
#include "metagame/TSlotPriceFile.h"
#include "support/RecordingScreen.h"
#include "support/TempDir.h"
#include "ui/TGameButton.h"

namespace {

// Prices of (island, slot), every other dish at 1000 fruits.
struct PriceSheet {
  TSlotPriceFile::TTable Table{};
  PriceSheet() {
    for (auto& island : Table)
      for (auto& price : island) price[elFruit] = 1000;
  }
  TElementsCount& operator()(int island, int slot) { return Table[island - 1][slot - 1]; }
  std::string Bytes() const {
    std::string bytes;
    for (const auto& island : Table)
      for (const auto& price : island)
        bytes.append(reinterpret_cast<const char*>(price.Amount.data()), 20);
    return bytes;
  }
};

struct ShopRig {
  TempDir dir;
  RecordingScreen rec;
  TBuySlots shop{rec.images};
  std::vector<std::string> sounds;
  struct TBought {
    int island, slot;
    TElementsCount price;
  };
  std::vector<TBought> bought;

  ShopRig() {
    rec.AddBlank("BuySlotBuyButton", 96, 34, 1, 2);
    shop.ReloadButtonSizes();
    shop.PricesFilePath = dir.Str();
    shop.PlaySound = [this](const std::string& n) { sounds.push_back(n); };
    shop.OnBuy = [this](TBuySlots&, int island, int slot, const TElementsCount& price) {
      bought.push_back({island, slot, price});
    };
  }
  bool Open(const std::string& bytes, std::string& error) {
    std::ofstream(dir.File("SlotPrices.dat"), std::ios::binary) << bytes;
    return shop.Init(error);
  }
  void Open(const PriceSheet& prices) {
    std::string error;
    ASSERT_TRUE(Open(prices.Bytes(), error)) << error;
  }
  void Click(int slot) {
    const TGameButton& b = shop.BuyButton(slot);
    shop.MouseMove(b.Left + 5, b.Top + 5);
    shop.MouseDown(b.Left + 5, b.Top + 5, true);
    shop.MouseUp(b.Left + 5, b.Top + 5);
  }
  int Notices() const {
    int n = 0;
    for (const auto& s : sounds) n += s == "MannaNotify3";
    return n;
  }
};

TElementsCount Fruits(float n) {
  TElementsCount c;
  c[elFruit] = n;
  return c;
}

}  // namespace

TEST(BuySlots, APriceIsCoveredOnlyByTheWholeAmountAndOnlyThatDishCanBeBought) {
  ShopRig r;
  PriceSheet prices;
  prices(1, 2) = Fruits(30);
  prices(1, 2)[elSpider] = 2;
  r.Open(prices);
  TElementsCount purse = Fruits(29.999f);
  purse[elSpider] = 2;
  r.shop.SetOwned(purse);
  EXPECT_FALSE(r.shop.IsAffordable(1, 2));
  purse[elFruit] = 30;
  r.shop.SetOwned(purse);
  EXPECT_TRUE(r.shop.IsAffordable(1, 2));
  EXPECT_FALSE(r.shop.IsAffordable(1, 1));

  std::vector<std::string> hover;
  r.shop.OnBuyButtonMouseOver = [&](TBuySlots&, int island, int slot, const TBuySlotData&) {
    hover.push_back("over " + std::to_string(island) + "-" + std::to_string(slot));
  };
  r.shop.OnBuyButtonMouseOff = [&](TBuySlots&, int island, int slot, const TBuySlotData&) {
    hover.push_back("off " + std::to_string(island) + "-" + std::to_string(slot));
  };

  // Neither a dish the purse does not cover nor one already bought answers a click, but
  // both describe their dish under the mouse.
  r.Click(1);
  EXPECT_TRUE(r.bought.empty());
  EXPECT_FALSE(r.shop.IsBought(1, 1));
  r.Click(2);
  ASSERT_EQ(r.bought.size(), 1u);
  EXPECT_EQ(r.bought[0].island, 1);
  EXPECT_EQ(r.bought[0].slot, 2);
  EXPECT_EQ(r.bought[0].price, prices(1, 2));
  EXPECT_TRUE(r.shop.IsBought(1, 2));
  EXPECT_FALSE(r.shop.BuyButton(2).Visible);
  r.Click(2);
  EXPECT_EQ(r.bought.size(), 1u);
  EXPECT_EQ(hover, (std::vector<std::string>{"over 1-1", "off 1-1", "over 1-2"}));

  // The shell pays after the practice; its prices now show as zero for the pocket.
  EXPECT_EQ(r.shop.CurrentPrices()[1], TElementsCount{});
  EXPECT_EQ(r.shop.CurrentPrices()[0], prices(1, 1));

  // While the shop is switched off a covered dish stays on the shelf.
  r.shop.SetOwned(Fruits(5000));
  r.shop.Enabled = false;
  r.Click(3);
  EXPECT_EQ(r.bought.size(), 1u);
  EXPECT_FALSE(r.shop.IsBought(1, 3));
}

TEST(BuySlots, ARoundNotWonGivesBackItsGainsOnceAndNeverBelowZero) {
  ShopRig r;
  r.Open(PriceSheet{});
  TElementKind added = elSpider;
  r.shop.OnOwnedElementsAdd = [&](TBuySlots&, TElementKind kind, float) { added = kind; };
  r.shop.SetOwned(Fruits(5));
  r.shop.ClearRoundGains();
  r.shop.AddOwned(elFruit, 12.4f);
  EXPECT_EQ(added, elFruit);
  EXPECT_FLOAT_EQ(r.shop.OwnedElements()[elFruit], 17.4f);
  r.shop.SpendOwned(elFruit, 10);
  r.shop.TakeBackRoundGains();
  EXPECT_EQ(r.shop.OwnedElements()[elFruit], 0.0f);
  // A second give-back (quitting after the time ran out) takes nothing more.
  r.shop.SetOwned(Fruits(50));
  r.shop.TakeBackRoundGains();
  EXPECT_EQ(r.shop.OwnedElements()[elFruit], 50.0f);
  r.shop.SpendOwned(elFruit, 80);
  EXPECT_EQ(r.shop.OwnedElements()[elFruit], 0.0f);
  // A damaged save cannot bring in negative or endless amounts.
  TElementsCount broken;
  broken[elFlower] = -3;
  broken[elPotion] = std::numeric_limits<float>::quiet_NaN();
  broken[elGoldTile] = std::numeric_limits<float>::infinity();
  r.shop.SetOwned(broken);
  EXPECT_EQ(r.shop.OwnedElements(), TElementsCount{});
}

TEST(BuySlots, BoughtFlagsGiveTheBoardUpgradesOfTheirOwnDishesOnly) {
  ShopRig r;
  r.Open(PriceSheet{});
  TBuySlots::TBoughtFlags flags{};
  flags[4 * 2 + 1] = 1;  // island 3, slot 2
  r.shop.SetBoughtFlags(flags);
  EXPECT_EQ(r.shop.UpgradeFlags(), TBuySlots::UpgradedGoldTilesFlag);
  EXPECT_TRUE(r.shop.HasUpgradedGoldTiles());
  EXPECT_FALSE(r.shop.HasSecondPotion());
  EXPECT_EQ(r.shop.UpgradeFlags(), 1u << 9);
  flags = {};
  flags[4 * 3 + 1] = 1;  // island 4, slot 2
  r.shop.SetBoughtFlags(flags);
  EXPECT_EQ(r.shop.UpgradeFlags(), 1u << 10);
  EXPECT_TRUE(r.shop.HasSecondPotion());
  EXPECT_EQ(r.shop.GetBoughtFlags(), flags);
  EXPECT_EQ(r.shop.BookPercentTotal(), 6);
  EXPECT_EQ(r.shop.BoughtRewardTotal(), 100);

  flags.fill(1);
  r.shop.SetBoughtFlags(flags);
  EXPECT_EQ(r.shop.BookPercentTotal(), 100);
  // Every dish with something inside has its own bit, 1 to 10.
  EXPECT_EQ(r.shop.UpgradeFlags(), 0x7fe);
  for (int island = 1; island <= 5; ++island) EXPECT_TRUE(r.shop.IsIslandComplete(island));
}

TEST(BuySlots, TheAffordableNoticeSoundsOncePerDishHighestSlotFirst) {
  ShopRig r;
  PriceSheet prices;
  prices(2, 1) = Fruits(10);
  prices(2, 3) = Fruits(20);
  r.Open(prices);
  r.shop.IslandIdx = 2;
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 0);
  r.shop.SetOwned(Fruits(25));
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 3);
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 1);
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 0);
  EXPECT_EQ(r.Notices(), 2);
  r.shop.SetOwned(Fruits(0));
  r.shop.SetOwned(Fruits(25));
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 0);
  EXPECT_EQ(r.Notices(), 2);
  // Another player starts with nothing announced.
  r.shop.RestoreProgress(2, 4, Fruits(25), {});
  EXPECT_EQ(r.shop.CheckAffordableNotice(), 3);
}

TEST(BuySlots, APriceListThatCannotBeUsedSellsNothing) {
  PriceSheet good;
  std::string nan = good.Bytes(), inf = good.Bytes(), negative = good.Bytes();
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const float kInf = std::numeric_limits<float>::infinity();
  const float kNegative = -1;
  std::memcpy(nan.data() + 4 * 7, &kNaN, 4);
  std::memcpy(inf.data() + 396, &kInf, 4);
  std::memcpy(negative.data() + 200, &kNegative, 4);
  struct TCase {
    const char* what;
    std::string bytes;
    bool write;
  };
  const std::vector<TCase> cases = {{"missing", "", false},
                                    {"short", good.Bytes().substr(0, 399), true},
                                    {"empty", "", true},
                                    {"not a number", nan, true},
                                    {"infinite", inf, true},
                                    {"negative", negative, true}};
  for (const TCase& c : cases) {
    ShopRig r;
    std::string error;
    bool opened = c.write ? r.Open(c.bytes, error) : r.shop.Init(error);
    EXPECT_FALSE(opened) << c.what;
    EXPECT_NE(error.find("SlotPrices.dat"), std::string::npos) << c.what << ": " << error;
    EXPECT_FALSE(r.shop.PricesLoaded()) << c.what;
    r.shop.SetOwned(Fruits(1e6f));
    for (int slot = 1; slot <= 4; ++slot) {
      EXPECT_FALSE(r.shop.IsAffordable(1, slot)) << c.what;
      EXPECT_FALSE(r.shop.BuyButton(slot).Enabled) << c.what;
      r.Click(slot);
    }
    EXPECT_TRUE(r.bought.empty()) << c.what;
    EXPECT_EQ(r.shop.CheckAffordableNotice(), 0) << c.what;
  }
  // A longer file gives its first 400 bytes.
  ShopRig r;
  std::string error;
  EXPECT_TRUE(r.Open(good.Bytes() + std::string(100, '\xff'), error)) << error;
  EXPECT_EQ(r.shop.Item(5, 4).Price, Fruits(1000));
}
