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

// A new player's first minutes as the campaign plays them: the opening story, the name's
// game, each level's tutorial page before its play, the hub's first conversation and then its
// page and the shop's tip, the pocket's star tip once a dish can be bought, a dish's own
// conversation, and the flask's tip on the fourth level, in that order.
TEST(Campaign, ANewPlayersFirstMinutesMeetTheStoryThePagesTheTipsAndTheConversations) {
  TempDir data;
  setenv("XDG_DATA_HOME", data.Path.c_str(), 1);
  TCampaign::TOptions o;
  o.Seed = 7;
  o.ScratchFolder = false;
  o.MaxLevels = 4;
  const TCampaign::TResult r = TCampaign::Run(o);
  ASSERT_EQ(r.Error, "");
  const std::vector<std::string> wanted = {
      "scene gsAddInitialPlayer gsOpeningStory", "voice StoryOpening1", "scene gsOpeningStory gsMenu",
      "level 1 1 ", "scene gsObjectiveInfo gsTutorial", "tutorial 1", "scene gsTutorial gsMainGame",
      "won ", "scene gsStageResult gsStickerBook", "chapter 1", "dialogue 1 1", "chapter end 1",
      "tutorial tip 25", "level 1 2 ", "tutorial 9", "won ", "level 1 3 ", "tutorial 10",
      "tutorial tip 6", "won ", "buy 1 1", "chapter 2", "dialogue 2 1", "chapter end 2",
      "level 1 4 ", "tutorial tip 13", "won "};
  std::size_t at = 0;
  for (const std::string& w : wanted) {
    while (at < r.Trace.size() && r.Trace[at].substr(r.Trace[at].find(' ') + 1).rfind(w, 0) != 0)
      ++at;
    ASSERT_LT(at, r.Trace.size()) << "missing, or out of order: " << w;
    ++at;
  }
  // Each page and tip once, and the first conversation's lines one after the other.
  auto details = [](const std::string& line) { return line.substr(line.find(' ') + 1); };
  for (const char* once : {"tutorial 1", "tutorial 6", "tutorial 9", "tutorial tip 25"})
    EXPECT_EQ(std::count_if(r.Trace.begin(), r.Trace.end(),
                            [&](const std::string& l) { return details(l) == once; }),
              1)
        << once;
  int next = 1;
  for (const std::string& l : r.Trace)
    if (details(l).rfind("dialogue 1 ", 0) == 0) EXPECT_EQ(details(l), "dialogue 1 " + std::to_string(next++));
  EXPECT_GT(next, 2) << "the first conversation said nothing";
}
