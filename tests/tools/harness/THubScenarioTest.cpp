// The hub as a player meets it: dishes bought and cooked through the mouse, the island left
// for the next, and what a restart of the program makes of a save at every stage of the
// game; and the purchase interrupted by a close, the menu and Escape.
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "ScenarioRun.h"
#include "metagame/TPellowRestoCustomers.h"
#include "metagame/TStickerBookObjects.h"
#include "shell/TFormMain.h"

namespace {
// Past the logos and the splash to the menu, Play (the relaxed question is answered in the
// save), and the map's Play.
const char* ToTheLevel =
    "30 click 600 400\n250 click 600 400\n460 click-widget PlayButton\n"
    "680 click-widget MapPlayButton\n";

// A player who has played: timed game, the first island open and visited.
TPlayerSave Played(int island, int level) {
  TPlayerSave s;
  s.RelaxedMode = rmNo;
  s.NextUncompletedIslandIdx = static_cast<std::uint8_t>(island);
  s.NextUncompletedLevelIdx = level;
  for (int i = 0; i < island && i < 5; ++i) s.MapVisited[i] = s.MapChapterCommentShown[i] = 1;
  s.MapOpen[0] = 1;
  return s;
}

void BuyIsland(TPlayerSave& s, int island, int slots) {
  for (int slot = 0; slot < slots; ++slot) s.ShopSlots[island - 1][slot] = 1;
}

THarness::TOptions Cheating() {
  THarness::TOptions o = QuickRun();
  o.Cheat = true;
  return o;
}

// A level won with the cheat key from a fresh player's first start (the story skipped), to
// the hub.
const char* WonIntoTheHub =
    "30 click 600 400\n250 click 600 400\n300 text wynnet\n305 key Return\n"
    "370 click-widget StorySkipButton\n"
    "460 click-widget PlayButton\n540 click-widget WindowNoButton\n"
    "680 click-widget MapPlayButton\n760 click 600 400\n830 click-widget TutorialOKButton\n"
    "900 key F2\n1180 click-widget WindowOKButton\n"
    // the hub's first visit: its conversation skipped, its page and the shop's tip read
    "1260 click-widget StorySkipButton\n1300 click-widget TutorialOKButton\n"
    "1330 click-widget TutorialOKButton\n";
}  // namespace

// The island's four dishes bought in the hub, the first cooked through the mouse: each is
// paid once, each sticker arrives and is saved, the reward follows the last, and Play sails
// to the next island.
TEST(HubScenario, AnIslandsDishesAreCookedAndTheNextIslandOpens) {
  SaveFolder folder;
  TRun run = PlayWith(Cheating(), ScriptFile("hub-island1.txt"), 4300);
  EXPECT_EQ(run.Count("buy", "1 "), 4);
  EXPECT_EQ(run.Count("practice", "done 1 "), 4);
  for (int group = 4; group <= 7; ++group)
    EXPECT_EQ(run.Count("sticker", std::to_string(group)), 1) << "group " << group;
  EXPECT_EQ(run.Count("island", "complete 1"), 1);
  EXPECT_EQ(run.Count("level", "2 1 "), 1) << "the next island's first level did not start";
  const TPlayerSave save = folder.Save("WYNNET");
  for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(save.ShopSlots[0][slot], 1);
  for (int group = 4; group <= 7; ++group) EXPECT_NE(save.Stickers[group - 1], 0);
  EXPECT_NE(save.Stickers[0], 0) << "the first dish of the first island takes its marker";
  // 9999 in the cheat's purse, the four prices paid once each, the island's reward added.
  EXPECT_FLOAT_EQ(save.Stocks[0], 9999 - (230 + 420 + 440 + 530) + 155);
  EXPECT_FLOAT_EQ(save.Stocks[3], 9999 - (15 + 25));
}

// What a restart of the program makes of the game at each stage: play goes on where it
// should, never back to the first level.
TEST(HubScenario, ARestartContinuesEveryStageOfTheGame) {
  {
    // The creature beaten before the dishes are bought: the save points at an island that has
    // not opened, so play goes on with this island's replays.
    SaveFolder folder;
    TPlayerSave s = Played(2, 1);
    BuyIsland(s, 1, 2);
    folder.Write("WYNNET", s);
    TRun run = Play(ToTheLevel, 800);
    EXPECT_EQ(run.Count("level", "1 13 "), 1) << "not the island's replays";
  }
  {
    // The dishes bought before the creature is beaten: the map opens the next island and
    // its first level starts.
    SaveFolder folder;
    TPlayerSave s = Played(1, 9);
    BuyIsland(s, 1, 4);
    folder.Write("WYNNET", s);
    TRun run = Play(ToTheLevel, 800);
    EXPECT_EQ(run.Count("level", "2 1 "), 1);
    EXPECT_EQ(run.Count("scene", "gsMenu gsMap"), 1);
  }
  {
    // Halfway through an island: its next level.
    SaveFolder folder;
    TPlayerSave s = Played(3, 5);
    BuyIsland(s, 1, 4);
    BuyIsland(s, 2, 4);
    BuyIsland(s, 3, 1);
    s.MapOpen[1] = s.MapOpen[2] = 1;
    folder.Write("WYNNET", s);
    TRun run = Play(ToTheLevel, 800);
    EXPECT_EQ(run.Count("level", "3 5 "), 1);
  }
  {
    // Every dish bought and the book complete: Play begins a new game for the same player.
    SaveFolder folder;
    TPlayerSave s = Played(5, 19);
    for (int island = 1; island <= 5; ++island) BuyIsland(s, island, 4);
    for (int g = 1; g <= TStickerBookObjects::DefinedObjects; ++g) s.Stickers[g - 1] = 1;
    s.MapOpen = {1, 1, 1, 1, 1, 0};
    s.Score = 5000;
    folder.Write("WYNNET", s);
    TRun run = Play(ToTheLevel, 800);
    EXPECT_EQ(run.Count("newgame", "WYNNET"), 1);
    EXPECT_EQ(run.Count("level", "1 1 "), 1);
    const TPlayerSave fresh = folder.Save("WYNNET");
    EXPECT_EQ(fresh.ShopSlots[4][3], 0);
    EXPECT_EQ(fresh.Stickers[2], 0);
    EXPECT_EQ(fresh.RelaxedMode, rmNo) << "the new game keeps the player's choice";
  }
}

// A purchase interrupted: closing the window while the dish cooks still pays for it and puts
// it in the book; the next start shows it in the hub, and the saved blocks come back byte for
// byte.
TEST(HubScenario, ClosingMidPurchaseKeepsTheDishPaidAndInTheBook) {
  SaveFolder folder;
  TRun first = PlayWith(Cheating(),
                        std::string(WonIntoTheHub) +
                            "1440 click-widget BuySlotBuyButton#1\n1600 close\n",
                        1700);
  ASSERT_EQ(first.Count("practice", "open"), 1);
  ASSERT_EQ(first.Count("close", ""), 1);
  const TPlayerSave closed = folder.Save("WYNNET");
  EXPECT_EQ(closed.ShopSlots[0][0], 1);
  EXPECT_NE(closed.Stickers[3], 0) << "bought but not in the book";
  EXPECT_FLOAT_EQ(closed.Stocks[0], 9999 - 230) << "bought but not paid";

  // The next start: a level won, the hub shows the dish bought and its sticker; closed again,
  // the shop's and the book's blocks are what they were.
  bool seen = false;
  PlayWith(Cheating(),
           "30 click 600 400\n250 click 600 400\n460 click-widget PlayButton\n"
           "680 click-widget MapPlayButton\n760 click 600 400\n830 click-widget TutorialOKButton\n"
           "870 click-widget TutorialOKButton\n"  // the pocket's star: a dish can be bought
           "900 key F2\n1180 click-widget WindowOKButton\n1400 close\n",
           1500, [&](THarness& h) {
             if (h.Form().Scene() == gsStickerBook && !seen) {
               seen = true;
               EXPECT_TRUE(h.Form().BuySlots->IsBought(1, 1));
               EXPECT_TRUE(h.Form().StickerBook->IsAcquired(4));
             }
             return true;
           });
  EXPECT_TRUE(seen);
  const TPlayerSave again = folder.Save("WYNNET");
  EXPECT_EQ(again.ShopSlots, closed.ShopSlots);
  EXPECT_EQ(again.Stickers, closed.Stickers);
}

// Closed even sooner, while the shop is still sliding away before the practice comes down:
// the dish is paid for and in the book all the same, not bought for nothing.
TEST(HubScenario, ClosingBeforeThePracticeOpensStillPaysForTheDish) {
  SaveFolder folder;
  TRun run = PlayWith(Cheating(),
                      std::string(WonIntoTheHub) +
                          "1440 click-widget BuySlotBuyButton#1\n1450 close\n",
                      1500);
  ASSERT_EQ(run.Count("buy", "1 1"), 1);
  ASSERT_EQ(run.Count("practice", "open"), 0);
  const TPlayerSave closed = folder.Save("WYNNET");
  EXPECT_EQ(closed.ShopSlots[0][0], 1);
  EXPECT_FLOAT_EQ(closed.Stocks[0], 9999 - 230) << "bought but not paid";
  EXPECT_NE(closed.Stickers[3], 0) << "bought but not in the book";
}

// The ways out of the hub: Escape and the Menu button leave for the menu with the game saved,
// but not while a dish is being cooked; the practice window takes Escape for nothing, and a
// conversation takes it as its skip button would.
TEST(HubScenario, TheHubLeadsBackToTheMenuButNotMidPurchase) {
  SaveFolder folder;
  TRun run = PlayWith(Cheating(),
                      std::string(WonIntoTheHub) +
                          "1440 click-widget BuySlotBuyButton#1\n1600 key Escape\n"
                          "1660 click-widget HiddenElements\n1670 click-widget HiddenElements\n"
                          "1680 click-widget HiddenElements\n1690 click-widget HiddenElements\n"
                          "1760 click-widget PracticeSlot\n1770 click-widget PracticeSlot\n"
                          "1780 click-widget PracticeSlot\n1790 click-widget PracticeSlot\n"
                          "2090 click-widget WindowDoneButton\n2200 key Escape\n"
                          "2400 key Escape\n",
                      2600);
  // One save for the sticker, one on the way out; the menu comes once, after the purchase.
  const std::vector<TLine> scenes = run.Of("scene");
  ASSERT_FALSE(scenes.empty());
  EXPECT_EQ(scenes.back().Details, "gsStickerBook gsMenu");
  EXPECT_GT(scenes.back().Frame, 2400);
  EXPECT_EQ(run.Count("chapter", "end 2"), 1);
  EXPECT_LT(run.FrameOf("chapter", "end 2"), 2300) << "Escape did not end the conversation";
  EXPECT_EQ(run.Count("sticker", "4"), 1);
  EXPECT_EQ(folder.Save("WYNNET").ShopSlots[0][0], 1);
}

// The last island's creature beaten before its dishes are bought: there is no island after it,
// so a restart goes on with its replays, not back to its first level.
TEST(HubScenario, TheLastCreatureBeatenLeavesTheRestartOnItsIsland) {
  SaveFolder folder;
  TPlayerSave s = Played(5, 18);
  for (int island = 1; island <= 4; ++island) BuyIsland(s, island, 4);
  s.MapOpen = {1, 1, 1, 1, 1, 0};
  folder.Write("WYNNET", s);
  TRun won = PlayWith(Cheating(), std::string(ToTheLevel) + "760 click 600 400\n900 key F2\n",
                      1000);
  ASSERT_EQ(won.Count("level", "5 18 "), 1);
  ASSERT_EQ(won.Count("won", ""), 1);
  TRun again = Play(ToTheLevel, 800);
  EXPECT_EQ(again.Count("level", "5 19 "), 1) << "not the island's replays";
}

// The last dish bought: the fifth island's completion comes first (its reward and the book's
// last page) after the dish's conversation, and the end only with the hub's Play, after the
// last conversation has been told to its end; the ending is told with its own three voices
// and leads to the menu, its pictures gone.
TEST(HubScenario, TheLastDishCompletesTheBookAndPlayLeadsToTheEnd) {
  SaveFolder folder;
  TPlayerSave s = Played(5, 5);
  for (int island = 1; island <= 5; ++island) BuyIsland(s, island, island < 5 ? 4 : 3);
  for (int g = 1; g <= 22; ++g)
    if (g != TStickerBookObjects::ZeppelinGroup) s.Stickers[g - 1] = 1;
  s.MapOpen = {1, 1, 1, 1, 1, 0};
  folder.Write("WYNNET", s);
  bool told = false;
  int lastLine = 0;
  TRun run = PlayWith(Cheating(),
                      std::string(ToTheLevel) +
                          "760 click 600 400\n900 key F2\n1180 click-widget WindowOKButton\n"
                          "1340 click-widget BuySlotBuyButton\n1500 key F2\n"
                          "1600 click-widget StorySkipButton\n1900 click-widget BookPlayButton\n",
                      6500, [&](THarness& h) {
                        TFormMain& f = h.Form();
                        lastLine = f.ChapterDialog->Conversation(22).LastLine;
                        told |= f.Scene() == gsEndingStory;
                        if (!told || f.Scene() != gsMenu || f.SceneTransition->IsActive())
                          return true;
                        EXPECT_FALSE(f.GroupLoaded(igEnding));
                        return false;
                      });
  ASSERT_EQ(run.Count("buy", "5 4"), 1);
  auto lineOf = [&](const std::string& kind, const std::string& details) {
    for (std::size_t i = 0; i < run.Lines.size(); ++i)
      if (run.Lines[i].Kind == kind && run.Lines[i].Details == details) return i;
    return run.Lines.size();
  };
  EXPECT_LT(lineOf("chapter", "end 21"), lineOf("island", "complete 5"));
  EXPECT_EQ(run.Count("island", "complete 5"), 1);
  const long ending = run.FrameOf("scene", "gsStickerBook gsEndingStory");
  EXPECT_GT(ending, 1900) << "the end came before the hub's Play";
  EXPECT_EQ(run.Count("chapter", "22"), 1);
  EXPECT_EQ(run.Count("dialogue", "22 "), lastLine);
  EXPECT_LT(run.FrameOf("dialogue", "22 " + std::to_string(lastLine)), ending);
  EXPECT_NE(folder.Save("WYNNET").Stickers[TStickerBookObjects::ZeppelinGroup - 1], 0);
  std::vector<std::string> voices;
  for (const TLine& l : run.Of("voice"))
    if (l.Details.rfind("Story", 0) == 0) voices.push_back(l.Details);
  EXPECT_EQ(voices, (std::vector<std::string>{"StoryEnding1", "StoryEnding2", "StoryEnding3"}));
  EXPECT_EQ(run.Count("scene", "gsEndingStory gsMenu"), 1);
  EXPECT_EQ(run.Of("scene").back().Details, "gsEndingStory gsMenu");
}

namespace {
// Straight into a level of island 1, won with the cheat key, to the hub at about frame 530;
// `later` goes on from there.
TRun IntoTheHub(int level, const std::string& later, long frames,
                const std::function<bool(THarness&)>& each = {}) {
  THarness::TOptions o = Cheating();
  o.Island = 1;
  o.Level = level;
  return PlayWith(o, "80 click 600 400\n220 key F2\n500 click-widget WindowOKButton\n" + later,
                  frames, each);
}

// A player with `dishes` of island 1's dishes bought and counters from earlier visits; with
// all four the creature is beaten too, so the level is a replay.
TPlayerSave WithDishes(int dishes) {
  TPlayerSave s = dishes < 4 ? Played(1, 5) : Played(2, 1);
  if (dishes == 4) s.MapOpen[1] = 1;
  BuyIsland(s, 1, dishes);
  s.RestoCustomersServed = 40;
  s.RestoMoney = 1000;
  return s;
}

struct TServed {
  int Served = 0, Hungry = 0, Money = 0;
};

TServed Tally(const TRun& run, int dishes) {
  TServed t;
  for (const TLine& l : run.Of("resto")) {
    std::istringstream in(l.Details);
    std::string what;
    int dish = 0, paid = 0;
    in >> what >> dish >> paid;
    if (what == "served") {
      ++t.Served;
      t.Money += paid;
      EXPECT_LE(dish, dishes) << "served a dish that is not on the menu";
      // The rating is one star per dish, one more for today's special two times in three.
      EXPECT_TRUE(paid == TPellowRestoCustomers::MoneyOf(dishes) ||
                  paid == TPellowRestoCustomers::MoneyOf(dishes + 1))
          << paid;
    } else if (what == "hungry") {
      ++t.Hungry;
      EXPECT_TRUE(dishes == 0 || dish > dishes) << "left hungry with the dish on the menu";
    }
  }
  return t;
}
}  // namespace

// A minute of the hub with none, two and all four dishes bought: everyone who comes is served
// or leaves hungry, pays by the rating, and the counters go on from the save into the save.
TEST(RestaurantScenario, AMinuteOfTheHubServesAndPaysByTheMenu) {
  for (int dishes : {0, 2, 4}) {
    SCOPED_TRACE("dishes " + std::to_string(dishes));
    SaveFolder folder;
    folder.Write("WYNNET", WithDishes(dishes));
    TRun run = IntoTheHub(dishes < 4 ? 5 : 13, "2520 close\n", 2560);
    ASSERT_EQ(run.Count("scene", "gsStageResult gsStickerBook"), 1);
    const TServed t = Tally(run, dishes);
    EXPECT_EQ(t.Served + t.Hungry, dishes + 2) << "every customer comes within the minute";
    if (dishes == 0) {
      EXPECT_EQ(t.Served, 0);
    }
    if (dishes == 4) {
      EXPECT_EQ(t.Served, 6) << "with every dish on the menu nobody can order off it";
    }
    const TPlayerSave save = folder.Save("WYNNET");
    EXPECT_EQ(save.RestoCustomersServed, 40 + t.Served);
    EXPECT_EQ(save.RestoMoney, 1000 + t.Money);
  }
}

// Left mid-cycle by each way out (the window closed, Escape to the menu), the customers still
// to be served are settled once; the next start shows the counters the save holds, and a run
// that never reaches the hub writes them back byte for byte.
TEST(RestaurantScenario, TheCountersSurviveLeavingMidCycleAndARestart) {
  for (const char* way : {"close", "key Escape"}) {
    SCOPED_TRACE(way);
    SaveFolder folder;
    folder.Write("WYNNET", WithDishes(4));
    // Six customers come a second apart and wait three seconds each at the front: at frame
    // 700 some queue, one may eat, and most are still to come.
    // Escape is not followed by a close: the save written on the way out must hold the counters.
    TRun first = IntoTheHub(13, std::string("700 ") + way + "\n", 800);
    const TServed during = Tally(first, 4);
    EXPECT_LT(during.Served + during.Hungry, 6) << "the hub was left too late to test this";
    if (std::string(way) != "close") {
      EXPECT_EQ(first.Count("scene", "gsStickerBook gsMenu"), 1);
    }
    const TPlayerSave left = folder.Save("WYNNET");
    // Every dish is on the menu, so all six are served, whether seen or settled.
    EXPECT_EQ(left.RestoCustomersServed, 40 + 6);
    EXPECT_GE(left.RestoMoney, 1000 + during.Money);
    EXPECT_LE(left.RestoMoney, 1000 + 6 * TPellowRestoCustomers::MoneyOf(5));
    const std::vector<TLine> money = first.Of("resto");
    ASSERT_FALSE(money.empty());
    EXPECT_EQ(money.back().Details, "money " + std::to_string(left.RestoMoney) + " " +
                                        std::to_string(left.RestoCustomersServed))
        << "the settled counters are not the saved ones";

    std::string before, after;
    ASSERT_TRUE(TAtomicFile::Read((folder.Folder() / "WYNNET.sav").string(), before));
    // The next start: a level played and left for the menu, the window closed.
    THarness::TOptions o = Cheating();
    o.Island = 1;
    o.Level = 13;
    TRun again = PlayWith(o, "80 click 600 400\n160 key Escape\n200 click-widget InGameToMenuButton\n"
                             "260 click-widget WindowOKButton\n400 close\n", 450);
    ASSERT_EQ(again.Count("scene", "gsMainGame gsMenu"), 1);
    ASSERT_GE(again.Count("save", ""), 1);
    ASSERT_TRUE(TAtomicFile::Read((folder.Folder() / "WYNNET.sav").string(), after));
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(before.substr(164, 8), after.substr(164, 8));

    // And in the hub again, the counters go on from the saved ones.
    int shown = -1;
    IntoTheHub(13, "", 560, [&](THarness& h) {
      if (h.Form().Scene() == gsStickerBook && shown < 0)
        shown = h.Form().RestoCustomers->MoneyEarned();
      return true;
    });
    EXPECT_EQ(shown, left.RestoMoney);
  }
}

// Minimised in the hub, the restaurant waits: nobody is served while the window is away, and
// the customers go on when it comes back.
TEST(RestaurantScenario, AMinimisedHubHoldsItsCustomers) {
  SaveFolder folder;
  folder.Write("WYNNET", WithDishes(4));
  TRun run = IntoTheHub(13, "560 focus-lost\n1560 focus-gained\n", 2600);
  for (const TLine& l : run.Of("resto"))
    EXPECT_FALSE(l.Frame > 565 && l.Frame < 1560) << l.Frame << " " << l.Details;
  const TServed t = Tally(run, 4);
  EXPECT_EQ(t.Served + t.Hungry, 6) << "the restaurant did not go on after the window came back";
}
