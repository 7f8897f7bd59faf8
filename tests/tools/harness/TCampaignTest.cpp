// The campaign plays as a player: a fresh start through the menu to a won level, then, from
// that player's save with a full purse, island 1's four dishes bought and cooked through the
// mouse, and the sail on to island 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TCampaign.h"
#include "platform/TAtomicFile.h"
#include "profiles/TPlayerSave.h"
#include "support/TempDir.h"

namespace {
bool Has(const std::vector<std::string>& trace, const std::string& kindAndDetails) {
  return std::any_of(trace.begin(), trace.end(), [&](const std::string& line) {
    return line.substr(line.find(' ') + 1).rfind(kindAndDetails, 0) == 0;
  });
}
}  // namespace

TEST(Campaign, BuysIslandOnesDishesThroughTheMouseAndSailsOn) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  TCampaign::TOptions o;
  o.Seed = 7;
  o.ScratchFolder = false;
  o.MaxLevels = 1;
  const TCampaign::TResult first = TCampaign::Run(o);
  ASSERT_EQ(first.Error, "");
  ASSERT_EQ(first.Levels.size(), 1u);
  EXPECT_EQ(first.Levels[0].Island, 1);
  EXPECT_EQ(first.Levels[0].Level, 1);
  EXPECT_TRUE(first.Levels[0].Won);
  EXPECT_TRUE(Has(first.Trace, "confirm 9")) << "the relaxed question was not asked";

  // Enough for the whole shop, in the save the first run left.
  const std::string file = (data.Path / "Wendmoor - Vessary" / "WYNNET.sav").string();
  std::string bytes, error;
  TPlayerSave save;
  ASSERT_TRUE(TAtomicFile::Read(file, bytes));
  ASSERT_TRUE(save.Decode(bytes));
  save.Stocks = {2000, 0, 0, 100, 0};
  const auto record = save.Encode();
  ASSERT_TRUE(TAtomicFile::Write(file, record.data(), record.size(), error)) << error;

  o.MaxLevels = 0;
  o.Islands = 1;
  const TCampaign::TResult r = TCampaign::Run(o);
  ASSERT_EQ(r.Error, "");
  EXPECT_FALSE(Has(r.Trace, "cheat"));
  ASSERT_EQ(r.Purchases.size(), 4u);
  for (int s = 1; s <= 4; ++s) {
    const TCampaign::TPurchase& p = r.Purchases[s - 1];
    EXPECT_EQ(p.Island, 1);
    EXPECT_EQ(p.Slot, s);
    // Four ingredients found, four pots filled and Done, each a click.
    EXPECT_GE(p.PracticeClicks, 9);
    EXPECT_TRUE(Has(r.Trace, "sticker " + std::to_string(3 + s)));
  }
  EXPECT_EQ(r.IslandsCompleted, std::vector<int>{1});
  EXPECT_TRUE(Has(r.Trace, "level 2 1"));
}
