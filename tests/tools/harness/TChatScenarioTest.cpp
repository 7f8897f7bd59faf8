// The hub's chapter conversations as a player meets them: after a purchase, hurried by
// clicks, skipped, left by closing the window, and the first visit's tutorial page.
#include <gtest/gtest.h>

#include "ScenarioRun.h"
#include "shell/TFormMain.h"

namespace {
// A timed player on island 1 with `dishes` bought; the tutorial as the save has it.
TPlayerSave OnIsland1(int level, int dishes, bool tutorial) {
  TPlayerSave s;
  s.RelaxedMode = rmNo;
  s.NextUncompletedIslandIdx = 1;
  s.NextUncompletedLevelIdx = level;
  s.MapOpen[0] = s.MapVisited[0] = s.MapChapterCommentShown[0] = 1;
  for (int slot = 0; slot < dishes; ++slot) s.ShopSlots[0][slot] = 1;
  s.TutorialOn = tutorial;
  return s;
}

// Straight into island 1's level, won with the cheat key, to the hub at about frame 530;
// `later` goes on from there.
TRun IntoTheHub(int level, const std::string& later, long frames,
                const std::function<bool(THarness&)>& each = {}) {
  THarness::TOptions o = QuickRun(1, level);
  o.Cheat = true;
  return PlayWith(o, "80 click 600 400\n220 key F2\n500 click-widget WindowOKButton\n" + later,
                  frames, each);
}

// The next dish bought and cooked with the cheat key; its conversation follows the cheer.
const char* BuyNextDish = "660 click-widget BuySlotBuyButton\n820 key F2\n";

// The line numbers of conversation n's balloons, in the order they came.
std::vector<int> Balloons(const TRun& run, int n) {
  std::vector<int> lines;
  const std::string prefix = std::to_string(n) + " ";
  for (const TLine& l : run.Of("dialogue"))
    if (l.Details.rfind(prefix, 0) == 0) lines.push_back(std::stoi(l.Details.substr(prefix.size())));
  return lines;
}

long FrameOf(const TRun& run, const std::string& kind, const std::string& details) {
  for (const TLine& l : run.Lines)
    if (l.Kind == kind && l.Details == details) return l.Frame;
  return -1;
}
}  // namespace

// A purchase's conversation: its balloons in order, the hub's panels away and the customers
// waiting while it runs, and what follows it (the panels, the restaurant's new dish) once.
TEST(ChatScenario, APurchasesConversationPlaysInOrderAndItsEndFollowsOnce) {
  SaveFolder folder;
  folder.Write("WYNNET", OnIsland1(5, 2, false));
  bool pausedDuring = false, panelsAway = false;
  int starsAfter = 0, lastLine = 0;
  TRun run = IntoTheHub(5, BuyNextDish, 2200, [&](THarness& h) {
    TFormMain& f = h.Form();
    if (f.ChapterDialog->Active()) {
      pausedDuring = f.RestoCustomers->Paused;
      panelsAway = f.HubTopPanel->State() != TPanelMover::TState::Shown &&
                   !f.RestoCustomers->MoneyCustsInfoVisible;
    }
    starsAfter = f.RestoParts->RestoRatingStars();
    lastLine = f.ChapterDialog->Conversation(4).LastLine;
    return true;
  });
  ASSERT_EQ(run.Count("chapter", "4"), 1) << "dish 3 of island 1 leads to conversation 4";
  const std::vector<int> lines = Balloons(run, 4);
  ASSERT_FALSE(lines.empty());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], static_cast<int>(i) + 1);
  EXPECT_EQ(static_cast<int>(lines.size()), lastLine);
  EXPECT_TRUE(pausedDuring);
  EXPECT_TRUE(panelsAway);
  EXPECT_EQ(run.Count("chapter", "end 4"), 1);
  EXPECT_GT(FrameOf(run, "chapter", "end 4"),
            FrameOf(run, "dialogue", "4 " + std::to_string(lastLine)));
  for (const TLine& l : run.Lines)
    if (l.Kind == "chapter" || l.Kind == "dialogue" || l.Kind == "scene") printf("%ld %s %s\n", l.Frame, l.Kind.c_str(), l.Details.c_str());
  EXPECT_EQ(starsAfter, 4) << "one star and one per dish bought";
}
