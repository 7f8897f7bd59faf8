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
// `later` goes on from there. The tutorial as a new player meets it when asked for.
TRun IntoTheHub(int level, const std::string& later, long frames,
                const std::function<bool(THarness&)>& each = {}, bool tutorial = false) {
  THarness::TOptions o = QuickRun(1, level);
  o.Cheat = true;
  o.Tutorial = tutorial;
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
    if (l.Details.rfind(prefix, 0) == 0)
      lines.push_back(std::stoi(l.Details.substr(prefix.size())));
  return lines;
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
  EXPECT_GT(run.FrameOf("chapter", "end 4"),
            run.FrameOf("dialogue", "4 " + std::to_string(lastLine)));
  EXPECT_EQ(starsAfter, 4) << "one star and one per dish bought";
}

// Clicks hurry a conversation (each shows the whole line, the next goes on at once), the
// skip button ends it; either way what follows runs once, with the music back to full.
TEST(ChatScenario, ClicksHurryAndTheSkipButtonEndsTheConversation) {
  std::string clicks;
  for (int frame = 900; frame < 1100; frame += 10)
    clicks += std::to_string(frame) + " click 600 400\n";
  struct TWay {
    std::string Script;
    long EndsBefore;
  } ways[] = {{clicks, 1150}, {"940 click-widget StorySkipButton\n", 980}};
  for (const TWay& way : ways) {
    SCOPED_TRACE(way.Script.substr(0, 40));
    SaveFolder folder;
    TPlayerSave s = OnIsland1(5, 2, false);
    s.MusicOn = true;
    s.MusicVolume = 50;
    folder.Write("WYNNET", s);
    int quieter = -1, after = -1;
    TRun run = IntoTheHub(5, std::string(BuyNextDish) + way.Script, 1300, [&](THarness& h) {
      TFormMain& f = h.Form();
      if (f.ChapterDialog->Active()) quieter = f.MusicBox->Volume();
      if (h.Frame() == 1290) after = f.MusicBox->Volume();
      return true;
    });
    ASSERT_EQ(run.Count("chapter", "4"), 1);
    const long end = run.FrameOf("chapter", "end 4");
    EXPECT_GT(end, 0);
    EXPECT_LT(end, way.EndsBefore);
    EXPECT_EQ(run.Count("chapter", "end 4"), 1);
    EXPECT_EQ(quieter, 41) << "0.82 of the music volume while they talk";
    EXPECT_EQ(after, 50);
    // Hurried or not, no line is left out.
    if (way.EndsBefore > 1000) EXPECT_EQ(Balloons(run, 4).size(), 5u);
  }
}

// The window closed mid-conversation after the island's last dish: the dish, its sticker,
// the island's reward and the restaurant's new dish are all in the save, once; the next start
// shows them and begins no conversation.
TEST(ChatScenario, ClosingMidConversationKeepsThePurchaseAndTheReward) {
  SaveFolder folder;
  folder.Write("WYNNET", OnIsland1(5, 3, false));
  TRun run = IntoTheHub(5, std::string(BuyNextDish) + "960 close\n", 1000);
  ASSERT_EQ(run.Count("chapter", "5"), 1) << "dish 4 of island 1 leads to conversation 5";
  ASSERT_EQ(run.Count("dialogue", "5 1"), 1);
  EXPECT_EQ(run.Count("chapter", "left 5"), 1);
  EXPECT_EQ(run.Count("chapter", "end 5"), 1);
  EXPECT_EQ(run.Count("island", "complete 1"), 1);
  EXPECT_EQ(run.Count("scene", "gsStickerBook gsEndingStory"), 0);
  const TPlayerSave saved = folder.Save("WYNNET");
  EXPECT_EQ(saved.ShopSlots[0][3], 1);
  EXPECT_NE(saved.Stickers[7 - 1], 0) << "the dish's sticker";
  // The cheat's purse, less the dish, plus the island's reward.
  EXPECT_FLOAT_EQ(saved.Stocks[0], 9999 - 530 + 155);

  bool shown = false;
  TRun again = IntoTheHub(13, "", 600, [&](THarness& h) {
    if (h.Form().Scene() == gsStickerBook && !shown) {
      shown = true;
      EXPECT_TRUE(h.Form().BuySlots->IsBought(1, 4));
      EXPECT_TRUE(h.Form().StickerBook->IsAcquired(7));
    }
    return true;
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(again.Count("chapter", ""), 0);
}

// A new player's first visit: conversation 1, then the hub's tutorial page (the panels come
// with the end of the conversation, the customers wait for the page); never again, not even
// after a restart of the program.
TEST(ChatScenario, TheFirstVisitShowsTheHubsPageAndConversationOnce) {
  SaveFolder folder;
  TPlayerSave s = OnIsland1(1, 0, true);
  s.TutorialShown[0] = 1;  // the level's own page, so the level plays at once
  folder.Write("WYNNET", s);
  bool pageUnderTalk = false, pausedForPage = false, panelsDuringTalk = false;
  TRun first = IntoTheHub(1,
                          "600 click-widget StorySkipButton\n700 click-widget TutorialOKButton\n"
                          "760 close\n",
                          800, [&](THarness& h) {
                            TFormMain& f = h.Form();
                            if (f.Scene() != gsStickerBook) return true;
                            if (f.ChapterDialog->Active()) {
                              pageUnderTalk |= f.Tutorial->IsOpen();
                              panelsDuringTalk |=
                                  f.HubShopPanel->State() != TPanelMover::TState::Hidden;
                            } else if (f.Tutorial->IsOpen()) {
                              pausedForPage = f.RestoCustomers->Paused;
                            }
                            return true;
                          },
                          true);
  EXPECT_EQ(first.Count("chapter", "1"), 1);
  EXPECT_EQ(first.Count("tutorial", "6"), 1);
  EXPECT_FALSE(pageUnderTalk) << "the page waits for the talk to end";
  EXPECT_FALSE(panelsDuringTalk) << "the panels come after the first conversation";
  EXPECT_TRUE(pausedForPage);
  EXPECT_EQ(first.Count("tutorial", "tip 25"), 1) << "the shop's tip follows the page";
  EXPECT_EQ(first.Count("chapter", "end 1"), 1);

  // Again, after a restart: the hub as usual.
  TRun again = IntoTheHub(1, "", 700, {}, true);
  ASSERT_EQ(again.Count("scene", "gsStageResult gsStickerBook"), 1);
  EXPECT_EQ(again.Count("chapter", ""), 0);
  EXPECT_EQ(again.Count("tutorial", "6"), 0);
}

// Closed during the first conversation, the page was never seen: the island's hub brings the
// conversation and the page again on the next visit, whatever level it follows.
TEST(ChatScenario, APageMissedByACloseComesOnTheNextVisit) {
  SaveFolder folder;
  TPlayerSave s = OnIsland1(1, 0, true);
  s.TutorialShown[0] = s.TutorialShown[8] = 1;  // the levels' own pages
  s.ToolTipsShown[5] = 1;                         // and the full purse's star tip
  folder.Write("WYNNET", s);
  TRun closed = IntoTheHub(1, "600 close\n", 700, {}, true);
  ASSERT_EQ(closed.Count("chapter", "1"), 1);
  EXPECT_EQ(closed.Count("tutorial", "6"), 0);
  EXPECT_EQ(folder.Save("WYNNET").TutorialShown[5], 0);
  TRun next = IntoTheHub(2, "600 click-widget StorySkipButton\n700 click-widget TutorialOKButton\n",
                         800, {}, true);
  EXPECT_EQ(next.Count("chapter", "1"), 1);
  EXPECT_EQ(next.Count("tutorial", "6"), 1);
}

// Escape in the hub is its Menu button: over the first visit's page and the shop's tip, which
// hold that button off, it does nothing; once both are read it leaves for the menu.
TEST(ChatScenario, EscapeWaitsForTheHubsPageAndTip) {
  SaveFolder folder;
  TPlayerSave s = OnIsland1(1, 0, true);
  s.TutorialShown[0] = 1;
  folder.Write("WYNNET", s);
  TRun run = IntoTheHub(1,
                        "600 click-widget StorySkipButton\n650 key Escape\n"
                        "700 click-widget TutorialOKButton\n730 key Escape\n"
                        "780 click-widget TutorialOKButton\n830 key Escape\n",
                        900, {}, true);
  ASSERT_EQ(run.Count("tutorial", "tip 25"), 1);
  EXPECT_EQ(run.Count("script-error", ""), 0) << "both OK buttons were there to press";
  EXPECT_EQ(run.Count("scene", "gsStickerBook gsMenu"), 1);
  EXPECT_GT(run.FrameOf("scene", "gsStickerBook gsMenu"), 830);
}

// The pocket's star tip in the hub points at the star and puts its panel beside the pocket,
// not over the counters it talks about.
TEST(ChatScenario, ThePocketsStarTipPointsAtTheStarBesideThePocket) {
  SaveFolder folder;
  TPlayerSave s = OnIsland1(2, 0, true);
  s.TutorialShown[9 - 1] = 1;  // the level's own page, so the level plays at once
  folder.Write("WYNNET", s);
  TPoint star{}, arrow{}, panel{};
  int pocketLeft = 0, quadrant = -1;
  TRun run = IntoTheHub(2, "", 700, [&](THarness& h) {
    TFormMain& f = h.Form();
    if (f.Scene() == gsStickerBook && f.ToolTip->IsOpen() && f.ToolTip->Entry() == 6) {
      star = f.Pocket->StarPlace();
      arrow = f.ToolTip->ArrowPos();
      panel = f.ToolTip->PanelPos();
      quadrant = f.ToolTip->Quadrant();
      pocketLeft = f.Pocket->Left;
    }
    return true;
  }, true);
  ASSERT_EQ(run.Count("tutorial", "tip 6"), 1);
  ASSERT_EQ(quadrant, 0);
  const TPoint point{arrow.X + 5, arrow.Y + 7};  // quadrant 0's arrow sits at the point - (5, 7)
  EXPECT_GE(point.X, star.X);
  EXPECT_LE(point.X, star.X + 40);
  EXPECT_GE(point.Y, star.Y);
  EXPECT_LE(point.Y, star.Y + 40);
  EXPECT_GE(panel.X, pocketLeft + 95) << "the counters' numbers stay clear";
}
